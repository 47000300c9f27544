#include "game/src/GameScreen.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "engine/Game.h"
#include "game/src/YearSummaryText.h"
#include "qtcommon/RulesText.h"
#include "game/src/ScreenAreas.h"
#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
#include "qtcommon/view/ShownNames.h"
#include "client/ScreenText.h"

using namespace view;

namespace {

QRect shifted(const LayoutRect& r, int offsetX) { return QRect(offsetX + r.x, r.y, r.w, r.h); }

GameScreen::TextLine windowLine(const ScreenTextLine& line) {
    return {line.x, line.y, screenText(line), QColor(QRgb(line.colour))};
}

std::vector<GameScreen::TextLine> windowLines(const std::vector<ScreenTextLine>& lines) {
    std::vector<GameScreen::TextLine> shown;
    for (const ScreenTextLine& l : lines) shown.push_back(windowLine(l));
    return shown;
}

}  // namespace

GameScreen::GameScreen(Game& game, const Pictures& pictures) : game_(game), pictures_(pictures) {
    setLayout(layoutSize_, 1.0);
}

void GameScreen::setLayout(QSize layoutSize, qreal scale) {
    layoutSize_ = layoutSize.expandedTo(QSize(LayoutWidth, LayoutHeight));
    offsetX_ = screenOffsetFor(layoutSize_.width());
    back_.reset(layoutSize_, scale);
    front_.reset(layoutSize_, scale);
    mapCache_.reset(QSize(MapWidth, MapHeight), scale);
    scene_.reset(layoutSize_, scale);
    previousScene_ = base_ = Surface();
    sceneComposed_ = false;
    baseKey_.clear();
    stale_ = drawnOver_ = QRegion();
}

namespace {

// Smoothly scaled pictures and wide pens reach a little past the layout
// rectangle they are drawn in; wiping and showing this much more is cheap.
QRegion withMargin(const QRegion& area) {
    QRegion grown;
    for (const QRect& r : area) grown += r.adjusted(-2, -2, 2, 2);
    return grown;
}

}  // namespace

void GameScreen::show(const QRect& r) {
    stale_ += withMargin(r);
    if (present) present(r);
}

SceneKey GameScreen::sceneKey() const {
    SceneKey key;
    key.world = worldKey(game_);
    key.screen = {std::uintptr_t(pictures_.loads()), std::uintptr_t(drag_.carrying ? drag_.target : nullptr),
                  std::uintptr_t(hovered_), flashed_.size()};
    for (const Province* p : flashed_) key.screen.push_back(std::uintptr_t(p));
    auto addTexts = [&key](const std::vector<TextLine>& lines) {
        for (const TextLine& l : lines)
            key.texts += QStringLiteral("%1,%2,%3:").arg(l.x).arg(l.y).arg(l.colour.rgba()) + l.text + QChar(0);
    };
    addTexts(economicReportLines());
    addTexts(militaryReportLines());
    const InfoLine info = provinceInfo(hovered_);
    addTexts(info.texts);
    for (const auto& [x, picture] : info.coins) key.screen.insert(key.screen.end(), {std::uintptr_t(x), std::uintptr_t(picture)});
    key.texts += QChar(1) + notice_;
    key.font = screenFont().key();
    return key;
}

void GameScreen::composeBase() {
    std::vector<std::uintptr_t> key = ownershipKey(game_);
    key.push_back(std::uintptr_t(pictures_.loads()));
    if (!base_.isNull() && key == baseKey_) return;
    const int o = offsetX_;
    if (base_.isNull()) base_.reset(layoutSize_, back_.scale());
    {
        auto p = base_.painter();
        p->fillRect(QRect(QPoint(0, 0), layoutSize_), Qt::black);
        pictures_.sprite(264).drawTransparent(*p, o + ScrollPlace.x, ScrollPlace.y, false);
        drawMapPicture(*p, pictures_, game_, o);
        drawOwnership(*p, pictures_, game_, o);
    }
    mapCache_.copyFrom(base_, QRect(o + MapLeft, MapTop, MapWidth, MapHeight), QPoint(0, 0));
    baseKey_ = std::move(key);
}

void GameScreen::composeScene() {
    const int o = offsetX_;
    composeBase();
    if (scene_.isNull()) scene_.reset(layoutSize_, back_.scale());
    scene_.copyFrom(base_, QRect(QPoint(0, 0), layoutSize_), QPoint(0, 0));
    auto p = scene_.painter();
    if (game_.year() >= 313) drawConstantinopleLabel(*p, pictures_, o);
    // Only the rim blinks: a red wash over a lost province's new colour
    // would look like Rome's own, as if it had not been lost.
    for (const Province* flashed : flashed_)
        if (flashed) regions_.highlight(*p, game_, *flashed, QColor(230, 30, 20), o, false);
    if (drag_.carrying && drag_.target) regions_.highlight(*p, game_, *drag_.target, QColor(255, 200, 0), o);
    drawLegions(*p, pictures_, game_, o);
    drawLegend(*p, pictures_, o);
    drawMilitaryReport(*p);
    drawEconomicReport(*p);
    drawProvinceInfo(*p, hovered_);
}

void GameScreen::paintScreen() {
    const QRect all(QPoint(0, 0), layoutSize_);
    QRegion changed = stale_ + drawnOver_;
    SceneKey key = sceneKey();
    if (!sceneComposed_ || !(key == sceneKey_)) {
        std::swap(scene_, previousScene_);
        composeScene();
        changed += sceneComposed_ ? screenareas::differingTiles(scene_, previousScene_) : QRegion(all);
        sceneKey_ = std::move(key);
        sceneComposed_ = true;
    }
    screenareas::copyArea(back_, scene_, changed);
    QRegion drawnOver;
    {
        auto p = back_.painter();
        if (decorate) drawnOver += decorate(*p);
        drawnOver += drawOrdersInProgress(*p);
        if (newsPanel_.isShown()) {
            view::drawNewsPanel(*p, newsPanel_, offsetX_);
            drawnOver += QRect(offsetX_ + MapLeft, MapTop, MapWidth, MapHeight);
        }
    }
    drawnOver_ = withMargin(drawnOver);
    changed = (changed + drawnOver_).intersected(all);
    stale_ = QRegion();
    if (changed.isEmpty()) return;
    screenareas::copyArea(front_, back_, changed);
    drawInstructions(changed);
    if (present) present(changed.boundingRect());
}

QRect GameScreen::drawOrdersInProgress(QPainter& p) const {
    if (!drag_.carrying || !drag_.source) return {};
    // The stack left behind keeps a white rim; the figure rides the pointer.
    const QRect box(legionSpot(*drag_.source, offsetX_), QSize(35, 65));
    p.save();
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(-3, -3, 3, 3));
    p.restore();
    view::drawCarriedFigure(p, pictures_, drag_.pointer);
    const Sprite& carried = pictures_.icon(RomanActive);
    return box.adjusted(-4, -4, 4, 4) |
           QRect(drag_.pointer - QPoint(17, 40), QSize(carried.width(), carried.height()));
}

void GameScreen::scrollChronicle(int lines) {
    const int total = chronicle_ ? int(chronicle_->size()) : 0;
    chronicleScroll_ = std::clamp(chronicleScroll_ + lines, 0, std::max(0, total - 1));
}

void GameScreen::drawInstructions(const QRegion& area) {
    const int o = offsetX_;
    // The frame and the lines under it, all of which the front holds alone.
    const QRect instructions(o + InfoFrame.x - 2, InfoFrame.y - 2, InfoFrame.w + 4, layoutSize_.height());
    if (!area.intersects(instructions)) return;
    auto p = front_.painter();
    const QTransform layout = p->worldTransform();
    p->resetTransform();
    p->setClipRegion(screenareas::devicePixels(front_, area));
    p->setWorldTransform(layout);
    drawFrame(*p, InfoFrame, o);
    // The English in its pieces, as the page draws it; a translation wraps its own.
    if (!view::speaksEnglish()) view::drawTextBlock(*p, screenFont(), instructionsText(o));
    else
        for (const TextLine& l : windowLines(instructionLines(o))) drawTextAt(*p, l.x, l.y, l.text, l.colour);
}

void GameScreen::refreshReports() {
    const int o = offsetX_;
    {
        auto p = back_.painter();
        // The scroll is drawn over black, as a full paint would: old report
        // lines never show through it.
        p->fillRect(QRect(o + ScrollPlace.x, ScrollPlace.y, 355, 664), Qt::black);
        pictures_.sprite(264).drawTransparent(*p, o + ScrollPlace.x, ScrollPlace.y, false);
        drawEconomicReport(*p);
        drawMilitaryReport(*p);
    }
    stale_ += QRect(o + ScrollPlace.x, ScrollPlace.y, 355, 664);
    const QRect area(o + 990, 0, 345, 664);
    front_.copyFrom(back_, area, area.topLeft());
    show(area);
}

std::vector<GameScreen::TextLine> GameScreen::economicReportLines() const {
    return windowLines(::economicReportLines(game_, offsetX_));
}

std::vector<GameScreen::TextLine> GameScreen::militaryReportLines() const {
    if (!chronicle_) return windowLines(::militaryReportLines(game_, offsetX_));
    const int x = offsetX_ + 1010;
    std::vector<TextLine> lines = {windowLine(militaryReportTitle(offsetX_))};
    // The reign's news under the year it came in, the newest at the bottom;
    // the wheel over the scroll reads further back.
    std::vector<TextLine> rows;
    int year = -1;
    for (const ChronicleLine& c : *chronicle_) {
        if (c.year != year) {
            year = c.year;
            rows.push_back({x, 0, year ? QCoreApplication::translate("GameScreen", "%1 AD").arg(year)
                                       : QCoreApplication::translate("GameScreen", "Before"),
                            QColor(130, 20, 20)});
        }
        rows.push_back({x + 12, 0, newsLineText(c), Qt::black});
    }
    // As many as stand between the title and the scroll's lower ornament.
    constexpr int Shown = 12;
    const int last = std::max(0, int(rows.size()) - std::min(chronicleScroll_, int(rows.size())));
    const int first = std::max(0, last - Shown);
    if (first > 0)
        lines.push_back({x + 160, 320, QCoreApplication::translate("GameScreen", "(scroll for more)"), QColor(110, 90, 60)});
    for (int i = first; i < last; ++i) {
        rows[std::size_t(i)].y = 345 + 20 * (i - first);
        lines.push_back(rows[std::size_t(i)]);
    }
    return lines;
}

GameScreen::InfoLine GameScreen::provinceInfo(const Province* province) const {
    const ScreenInfoLine info = provinceInfoLine(province, offsetX_);
    return {windowLines(info.texts), info.coins};
}

void GameScreen::drawEconomicReport(QPainter& p) const {
    for (const TextLine& l : economicReportLines()) drawTextAt(p, l.x, l.y, l.text, l.colour);
}

void GameScreen::drawMilitaryReport(QPainter& p) const {
    for (const TextLine& l : militaryReportLines()) drawTextAt(p, l.x, l.y, l.text, l.colour);
}

void GameScreen::drawProvinceInfo(QPainter& p, const Province* province) const {
    const int o = offsetX_;
    p.fillRect(shifted(InfoBox, o), Qt::black);
    if (!notice_.isEmpty()) {
        drawTextAt(p, o + InfoBox.x, 600, notice_, QColor(255, 190, 80));
        return;
    }
    const InfoLine info = provinceInfo(province);
    for (const TextLine& l : info.texts) drawTextAt(p, l.x, l.y, l.text, l.colour);
    for (const auto& [x, picture] : info.coins) pictures_.graphic(picture).draw(p, x, 595);
}

void GameScreen::showProvinceInfo(const Province* province) {
    hovered_ = province;
    {
        auto p = front_.painter();
        drawProvinceInfo(*p, province);
    }
    show(shifted(InfoBox, offsetX_));
}

void GameScreen::animateMove(Province& from, Province& to) { play(moves_.move(game_, from, to)); }

const Sprite* GameScreen::animationFrame(int picture) const {
    for (const Animation* a : {&pictures_.walk("romanWalk"), &pictures_.walk("barbarianWalk"),
                               &pictures_.walk("sassanidWalk"), &pictures_.romanDefeat(), &pictures_.barbarianDefeat(),
                               &pictures_.sassanidDefeat(), &pictures_.rebelDefeat()})
        for (const auto& frame : a->frames())
            if (frame->id() == picture) return frame.get();
    return nullptr;
}

QRect GameScreen::drawStepPicture(const ScreenStep& step) {
    const QPoint at(offsetX_ + step.at.x, step.at.y);
    const Graphic* graphic = animationFrame(step.picture);
    if (!graphic) graphic = &pictures_.graphic(step.picture);
    auto p = front_.painter();
    if (const auto* sprite = dynamic_cast<const Sprite*>(graphic))
        sprite->drawTransparent(*p, at.x(), at.y(), step.mirror);
    else
        graphic->draw(*p, at.x(), at.y());
    return QRect(at, QSize(graphic->width(), graphic->height()));
}

void GameScreen::play(const std::vector<ScreenStep>& steps) {
    const int o = offsetX_;
    // The screen as shown before the first step, kept only where a step brings it back.
    std::optional<Surface> before;
    for (const ScreenStep& s : steps)
        if (s.restore && s.backdrop == Backdrop::Before && !before) {
            before.emplace(layoutSize_, front_.scale());
            before->copyFrom(front_, QRect(QPoint(0, 0), layoutSize_), QPoint(0, 0));
        }
    const QPoint mapOrigin(o + MapLeft, MapTop);
    for (const ScreenStep& s : steps) {
        if (s.sound && playSound) playSound(static_cast<int>(*s.sound));
        if (s.compose) paintScreen();
        if (s.lift) {
            const QRect area = shifted(*s.lift, o);
            back_.copyFrom(mapCache_, area.translated(-mapOrigin), area.topLeft());
            stale_ += area;
        }
        QRect changed;
        if (s.restore) {
            const QRect area = shifted(*s.restore, o);
            if (s.backdrop == Backdrop::BareMap)
                front_.copyFrom(mapCache_, area.translated(-mapOrigin), area.topLeft());
            else
                front_.copyFrom(s.backdrop == Backdrop::Before ? *before : back_, area, area.topLeft());
            changed = area;
        }
        if (s.picture) changed |= drawStepPicture(s);
        if (s.outline) {
            const QRect frame = shifted(*s.outline, o);
            {
                auto p = front_.painter();
                p->setPen(QPen(Qt::black, 1));
                p->setBrush(Qt::NoBrush);
                p->drawRect(frame);
            }
            changed |= frame.adjusted(-1, -1, 2, 2);
        }
        if (!changed.isNull()) show(changed);
        if (s.pauseMs > 0) wait(s.pauseMs);
    }
}
