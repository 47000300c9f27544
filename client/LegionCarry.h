#pragma once
// Picking legions up, carrying them and dropping them, with the pointer (a
// mouse, a finger, a pen) or the keyboard, for the window and the page alike.
// The front ends feed it their input (a press, a move and a release at layout
// points, keys) and ask it what to show: the legions carried, the province
// they would land on, the keyboard's highlight, the province of the
// information line or the notice in its place. It gives no order itself: it
// answers which one the input means, and is told what became of it.
#include <optional>

#include "client/KeyboardChoice.h"
#include "client/OrderOutcome.h"
#include "client/ScreenLayout.h"

class World;
class Province;

namespace view { class PaintedProvinces; }

// An order the input asks for; `from` and `to` are set for a move.
struct CarryOrder {
    enum class Kind { None, Move, EndTurn };
    Kind kind = Kind::None;
    Province* from = nullptr;
    Province* to = nullptr;
};

// The keys the machine knows; any other is no order.
enum class CarryKey { Left, Right, Up, Down, Enter, Escape, Space, Letter };

class LegionCarry {
public:
    // A press becomes a carry once the pointer has moved farther than the
    // drag distance (layout pixels); a release nearer than that is a click,
    // which gives no order, wherever the figure under it stands. Each front
    // end sets its platform's distance; this is a mouse's on a 1x screen.
    static constexpr int DefaultDragDistance = 4;
    void setDragDistance(int layoutPixels) { dragDistance_ = layoutPixels; }

    // `painted`: the provinces' painted shapes the drops land on.
    LegionCarry(const World& game, const view::PaintedProvinces& painted);

    // The horizontal screen offset of the map in the layout (wide windows).
    void setScreenOffsetX(int offsetX) { offsetX_ = offsetX; }
    // The device pixels per layout pixel the map is drawn at, which sizes the
    // count plaques a press or a drop reads.
    void setDeviceScale(double scale);

    // What a pointer event changed on the screen.
    enum class Redraw { Nothing, InfoLine, Screen };

    // The pointer. The figure drawn on top under a press decides, even when
    // its legions refuse (off the figures, see view::pickUpAt); the release
    // of a drag gives the order to the province under it, or says why there
    // is none. A click is no order and says nothing.
    void press(view::LayoutPoint point);
    Redraw move(view::LayoutPoint point);
    CarryOrder release(view::LayoutPoint point);
    // The pointer lost (a cancelled touch, a release off the screen): nothing carried.
    void cancel();

    // A key, pressed at `nowMs` (any steady clock). `letter` is the typed
    // character for CarryKey::Letter and Space. `taken`: the key was an order
    // or part of a name; Escape with nothing carried is left to the front end.
    struct KeyAnswer {
        bool taken = false;
        CarryOrder order;
    };
    KeyAnswer key(CarryKey key, char letter, bool autoRepeat, long long nowMs);
    // A province chosen by name (a list of the provinces, a screen reader):
    // the highlight goes there and Enter is pressed on it, so the legions are
    // picked up, sent or refused exactly as the keyboard's would be.
    CarryOrder choose(const Province& province);
    // The keyboard's highlight put on a province chosen another way, as from
    // a screen reader's list of the provinces.
    void highlight(const Province& province);

    // What became of the move the last input asked for; the keyboard goes
    // back to the source while legions there wait for orders.
    void ordered(const Province& from, const Province& to, OrderResult result);
    // A new game, a loaded one or a turn's end: nothing carried, no notice.
    void reset();

    // The province whose figure the last press was on, whether or not its legions may go.
    Province* pressed() const { return at(pressed_); }
    // The province whose legions were picked up and still wait for the drop.
    Province* source() const { return at(source_); }
    // The pointer carries them (it moved past the threshold with ready legions).
    bool carrying() const { return carrying_; }
    // Where a carry started and the pointer now is, in layout pixels.
    view::LayoutPoint pressedAt() const { return pressedAt_; }
    view::LayoutPoint pointer() const { return pointer_; }
    // The province the carried legions would land on; none off every province.
    Province* target() const { return carrying_ ? at(target_) : nullptr; }
    // The keyboard's highlight, once the keyboard has been used.
    Province* cursor() const { return at(cursor_); }
    // The province the information line shows, unless a notice stands there.
    Province* shown() const { return at(shown_); }
    // What became of the last order, until the pointer or the highlight moves on.
    const std::optional<OrderOutcome>& notice() const { return notice_; }
    // What has been typed of a name so far.
    const std::string& typed() const { return names_.typed(); }

private:
    Province* at(int index) const;
    int indexOf(const Province* p) const;
    view::LayoutPoint mapPoint(view::LayoutPoint layout) const;
    bool ready(int index) const;
    bool dragged(view::LayoutPoint point) const;
    void show(int index);
    CarryOrder moveOrder(int from, int to);
    CarryOrder enter();

    const World& game_;
    const view::PaintedProvinces& painted_;
    int offsetX_ = 0;
    int dragDistance_ = DefaultDragDistance;
    int countFontPixels_;
    int source_ = -1;
    int pressed_ = -1;  // the province under the press, whether or not it picked anything up
    bool pointerDown_ = false;
    bool carrying_ = false;
    view::LayoutPoint pressedAt_{0, 0};
    view::LayoutPoint pointer_{0, 0};
    int target_ = -1;
    int cursor_ = -1;
    int shown_ = -1;
    // The source of the order the keyboard asked for: the highlight goes back
    // to it while legions there wait for orders.
    int keyboardSource_ = -1;
    std::optional<OrderOutcome> notice_;
    NameTyping names_;
};
