// The pointer on the map and the orders it and the keyboard ask for: the
// client's carry decides, the window shows what it answers and gives the order.
#include "game/src/MainWindow.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

view::LayoutPoint layoutPoint(QPoint p) { return {p.x(), p.y()}; }

}  // namespace

void MainWindow::showCarry() {
    GameScreen::Drag d;
    d.carrying = carry_.carrying();
    d.source = carry_.source();
    d.target = carry_.target();
    d.pointer = QPoint(carry_.pointer().x, carry_.pointer().y);
    screen_.setDrag(d);
    screen_.setHoveredProvince(carry_.shown());
    const std::optional<OrderOutcome>& notice = carry_.notice();
    screen_.setNotice(notice ? view::screenText(noticeLine(*notice, 0)) : QString());
}

void MainWindow::pointerMove(QPoint layout) {
    carry_.setScreenOffsetX(screen_.screenOffsetX());
    const LegionCarry::Redraw redraw = carry_.move(layoutPoint(layout));
    if (redraw == LegionCarry::Redraw::Nothing) return;
    showCarry();
    if (redraw == LegionCarry::Redraw::Screen) screen_.paintScreen();
    else screen_.showProvinceInfo(carry_.shown());
}

void MainWindow::leftPress(QPoint layout) {
    if (news_->dismiss()) {
        swallowRelease_ = true;
        return;
    }
    carry_.setScreenOffsetX(screen_.screenOffsetX());
    carry_.press(layoutPoint(layout));
    showCarry();
}

void MainWindow::leftRelease(QPoint layout) {
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    carry_.setScreenOffsetX(screen_.screenOffsetX());
    giveOrder(carry_.release(layoutPoint(layout)));
}

void MainWindow::giveOrder(const CarryOrder& order) {
    switch (order.kind) {
        case CarryOrder::Kind::None:
            // Perhaps a notice of why there was none.
            showCarry();
            screen_.paintScreen();
            announce(screen_.notice());
            return;
        case CarryOrder::Kind::EndTurn: rightRelease(QPoint()); return;
        case CarryOrder::Kind::Move: asCommand([this, order] { giveOrderNow(*order.from, *order.to); }); return;
    }
}

void MainWindow::giveOrderNow(Province& from, Province& to) {
    const OrderResult result = play_.give(order::Move{game_.indexOf(from), game_.indexOf(to)}).move;
    carry_.ordered(from, to, result);
    const bool carriedOut = succeeded(result);
    if (carriedOut) ordersThisYear_ = true;
    showCarry();
    screen_.paintScreen();
    announce(screen_.notice());
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
