// The pointer on the map: the information line of the province under it, the
// legions picked up and carried, the order a drop gives and why one is refused.
#include "game/src/MainWindow.h"
#include "game/src/OrderRefusal.h"
#include "game/src/KeyboardOrders.h"
#include "game/view/LegionFigures.h"
#include "game/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

// A press becomes a drag once the pointer has moved this far (layout pixels).
constexpr int DragThreshold = 4;

}  // namespace

void MainWindow::pointerMove(QPoint layout) {
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    if (dragging_ && game_.dragSource && game_.romans.hasReadyLegionIn(*game_.dragSource)) {
        GameScreen::Drag d = screen_.drag();
        d.carrying = d.carrying || (layout - pressedAt_).manhattanLength() > DragThreshold;
        if (d.carrying) {
            d.source = game_.dragSource;
            d.target = dropTargetAt(m);
            d.pointer = layout;
            screen_.setDrag(d);
            screen_.setHoveredProvince(d.target);
            shownProvince_ = d.target;
            screen_.setNotice({});
            screen_.paintScreen();
            return;
        }
    }
    const Province* hovered = screen_.regions().at(game_, m);
    if (hovered == shownProvince_) return;
    shownProvince_ = hovered;
    screen_.setNotice({});
    screen_.showProvinceInfo(hovered);
}

void MainWindow::leftPress(QPoint layout) {
    if (news_->dismiss()) {
        swallowRelease_ = true;
        return;
    }
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    // The first box under the pointer decides, even when it refuses.
    game_.pickUp(view::pickUpBoxAt(game_, m));
    dragging_ = true;
    pressedAt_ = layout;
    screen_.setDrag({});
}

Province* MainWindow::dropTargetAt(QPoint m) {
    // On a figure: that figure's province, whatever land it stands on.
    if (Province* figure = view::figureAt(game_, m)) return figure;
    return screen_.regions().at(game_, m);
}

void MainWindow::leftRelease(QPoint layout) {
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    const bool carried = screen_.drag().carrying;
    dragging_ = false;
    screen_.setDrag({});
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    Province* target = dropTargetAt(m);
    // A click that picked nothing up is no order (and the rules would refuse it silently).
    if (!game_.dragSource && (layout - pressedAt_).manhattanLength() <= DragThreshold) return;
    // The rules read a drop by their rectangles: the order goes to a point of
    // theirs inside the province the player sees under the pointer.
    QPoint point = m;
    if (target && game_.provinceAt(m.x(), m.y()) != target)
        if (const auto inside = KeyboardOrders::pointIn(game_, *target)) point = *inside;
    giveOrder(target, point);
    if (carried && !busy_) screen_.paintScreen();
}

void MainWindow::giveOrder(Province* target, QPoint mapPoint) {
    const Province* source = game_.dragSource;
    ++busy_;
    if (game_.dropLegions(mapPoint.x(), mapPoint.y())) {
        screen_.setNotice({});
        screen_.paintScreen();
        if (!game_.romansCanMove()) endTurn();
        else dropQueuedInput();
    } else {
        screen_.setNotice(orderRefusal(game_, source, target));
        screen_.paintScreen();
    }
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}

void MainWindow::wheel(QPoint layout, int steps) {
    if (layout.x() < screen_.screenOffsetX() + 980 || steps == 0) return;
    screen_.scrollChronicle(steps);
    screen_.refreshReports();
}
