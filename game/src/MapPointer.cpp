// The pointer on the map: the information line of the province under it, the
// legions picked up and carried, the order a drop gives and why one is refused.
#include "game/src/MainWindow.h"
#include "game/src/OrderOutcome.h"
#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
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
    // A click that picked nothing up is no order.
    if (!game_.dragSource && !carried && (layout - pressedAt_).manhattanLength() <= DragThreshold) return;
    giveOrder(game_.dragSource, dropTargetAt(m));
}

void MainWindow::order(Province& from, Province& to) { giveOrder(&from, &to); }

void MainWindow::giveOrder(Province* source, Province* target) {
    asCommand([&] { giveOrderNow(source, target); });
}

void MainWindow::giveOrderNow(Province* source, Province* target) {
    bool carriedOut = false;
    if (!source) {
        screen_.setNotice(nothingPickedUp());
    } else if (!target && game_.romans.hasReadyLegionIn(*source)) {
        screen_.setNotice(noProvinceThere());
    } else {
        // Legions that cannot go are refused wherever the drop fell, with the
        // rules' own words: the order to their own province says why.
        Province& to = target ? *target : *source;
        const OrderResult result = play_.give(order::Move{game_.indexOf(*source), game_.indexOf(to)}).move;
        carriedOut = succeeded(result);
        if (carriedOut) gameInProgress_ = true;
        screen_.setNotice(orderOutcome(result, *source, to));
    }
    screen_.paintScreen();
    if (carriedOut) {
        if (play_.yearEndsByItself()) endTurn();
        else dropQueuedInput();
    }
}

void MainWindow::wheel(QPoint layout, int steps) {
    if (layout.x() < screen_.screenOffsetX() + 980 || steps == 0) return;
    screen_.scrollChronicle(steps);
    screen_.refreshReports();
}
