#include "game/src/GameScreen.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <iterator>
#include <optional>

#include "engine/Game.h"
#include "game/src/YearSummaryText.h"
#include "qtcommon/Languages.h"
#include "qtcommon/RulesText.h"
#include "game/src/ScreenAreas.h"
#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
#include "qtcommon/view/ShownNames.h"
#include "client/ProvinceFlash.h"
#include "client/ScreenText.h"

using namespace view;

namespace {

QRect shifted(const LayoutRect& r, int offsetX) { return QRect(offsetX + r.x, r.y, r.w, r.h); }

// The least room kept between two texts of a row.
constexpr int Gap = 6;

GameScreen::TextLine windowLine(const ScreenTextLine& line, int right) {
    return {line.x, line.y, screenText(line), QColor(QRgb(line.colour)), right - line.x};
}

// Each line's box runs to `right`, or short of the next text on its row.
std::vector<GameScreen::TextLine> windowLines(const std::vector<ScreenTextLine>& lines, int right) {
    std::vector<GameScreen::TextLine> shown;
    for (const ScreenTextLine& l : lines) {
        int end = right;
        for (const ScreenTextLine& other : lines)
            if (other.y == l.y && other.x > l.x) end = std::min(end, other.x - Gap);
        shown.push_back(windowLine(l, end));
    }
    return shown;
}

}  // namespace

GameScreen::GameScreen(Game& game, const Pictures& pictures) : game_(game), pictures_(pictures) {
    setLayout(layoutSize_, 1.0);
}

void GameScreen::setLayout(QSize layoutSize, qreal scale) {
    layoutSize_ = layoutSize.expandedTo(QSize(LayoutWidth, LayoutHeight));
    scale_ = scale > 0 ? scale : 1.0;
    offsetX_ = screenOffsetFor(layoutSize_.width());
    back_ = front_ = mapCache_ = Surface();
    sceneComposed_ = false;
    pieces_.clear();
    drawnPieces_.clear();
    mapKey_.clear();
    stale_ = drawnOver_ = QRegion();
}

void GameScreen::makeSurfaces(Surface::Start start) {
    if (!front_.isNull()) return;
    back_.reset(layoutSize_, scale_, start);
    front_.reset(layoutSize_, scale_, start);
    mapCache_.reset(QSize(MapWidth, MapHeight), scale_, start);
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
    if (present) present(QRegion(r));
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

QRect GameScreen::mapArea() const { return QRect(offsetX_ + MapLeft, MapTop, MapWidth, MapHeight); }

QString GameScreen::drawnWith() const { return screenFont().key() + QLatin1Char('|') + QString::number(pictures_.loads()); }

QRegion GameScreen::composeMap() {
    std::vector<std::uintptr_t> key = ownershipKey(game_);
    key.push_back(std::uintptr_t(qHash(drawnWith())));
    if (key == mapKey_) return {};
    mapCache_.image().fill(Qt::black);
    {
        // Drawn as on the screen, moved by whole device pixels: the cache's
        // pixels are the very ones the screen would show.
        auto p = mapCache_.painter();
        const QPoint corner = back_.toPixels(mapArea()).topLeft();
        p->setWorldTransform(QTransform::fromTranslate(-corner.x(), -corner.y()).scale(scale_, scale_));
        drawMapPicture(*p, pictures_, game_, offsetX_);
        drawOwnership(*p, pictures_, game_, offsetX_);
    }
    mapKey_ = std::move(key);
    return QRegion(mapArea());
}

void GameScreen::drawGround(Surface& to, const QRegion& area) const {
    const QRect map = to.toPixels(mapArea());
    const QRect cached = QRect(map.topLeft(), mapCache_.image().size()) & map;
    QPainter p(&to.image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : area) {
        const QRect pixels = to.toPixels(r);
        const QRect onMap = pixels & cached;
        for (const QRect& off : QRegion(pixels).subtracted(onMap)) p.fillRect(off, Qt::black);
        if (!onMap.isEmpty()) p.drawImage(onMap.topLeft(), mapCache_.image(), onMap.translated(-map.topLeft()));
    }
}

std::vector<ScenePiece> GameScreen::scenePieces() const {
    const int o = offsetX_;
    std::vector<ScenePiece> pieces;
    const Sprite& scroll = pictures_.sprite(264);
    pieces.push_back({pictureArea(scroll, o + ScrollPlace.x, ScrollPlace.y), QStringLiteral("scroll"),
                      [&scroll, o](QPainter& p) { scroll.drawTransparent(p, o + ScrollPlace.x, ScrollPlace.y, false); }});
    if (game_.year() >= 313) {
        const Graphic& label = pictures_.graphic(251);
        pieces.push_back({pictureArea(label, o + 724, 294), QStringLiteral("Constantinople"),
                          [this, o](QPainter& p) { drawConstantinopleLabel(p, pictures_, o); }});
    }
    auto highlight = [&](const Province& province, const QColor& colour, bool filled) {
        pieces.push_back({regions_.highlightArea(game_, province, o),
                          QStringLiteral("highlight %1 %2 %3")
                              .arg(quintptr(&province))
                              .arg(colour.rgba())
                              .arg(filled),
                          [this, &province, colour, filled, o](QPainter& p) {
                              regions_.highlight(p, game_, province, colour, o, filled);
                          }});
    };
    for (const Province* flashed : flashed_)
        if (flashed) highlight(*flashed, QColor(QRgb(view::FlashRim)), false);
    if (drag_.carrying && drag_.target) highlight(*drag_.target, QColor(255, 200, 0), true);
    for (ScenePiece& piece : legionPieces(pictures_, game_, o, scale_)) pieces.push_back(std::move(piece));
    for (ScenePiece& piece : legendPieces(pictures_, o)) pieces.push_back(std::move(piece));
    for (const TextLine& l : militaryReportLines()) pieces.push_back(textPiece(l.x, l.y, l.text, l.colour, l.width));
    for (const TextLine& l : economicReportLines()) pieces.push_back(textPiece(l.x, l.y, l.text, l.colour, l.width));
    // The information line wipes its box: one piece, whatever it says.
    const InfoLine info = provinceInfo(hovered_);
    QRect infoArea = shifted(InfoBox, o);
    QString infoLook = QStringLiteral("info ") + notice_;
    for (const TextLine& l : info.texts) {
        infoArea |= textArea(l.x, l.y, l.text, l.width);
        infoLook += QStringLiteral("|%1,%2,%3 ").arg(l.x).arg(l.y).arg(l.colour.rgba()) + l.text;
    }
    for (const auto& [x, picture] : info.coins) {
        const Graphic& coin = pictures_.graphic(picture);
        infoArea |= QRect(x, 595, coin.width(), coin.height()).adjusted(-2, -2, 2, 2);
        infoLook += QStringLiteral("|coin %1,%2").arg(x).arg(picture);
    }
    if (!notice_.isEmpty()) infoArea |= textArea(o + InfoBox.x, 600, notice_, InfoBox.w);
    pieces.push_back({infoArea, infoLook, [this](QPainter& p) { drawProvinceInfo(p, hovered_); }});
    return pieces;
}

namespace {

std::size_t mixed(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

}  // namespace

QRegion GameScreen::composeScene() {
    const QRect all(QPoint(0, 0), layoutSize_);
    QRegion changed = composeMap();
    pieces_ = scenePieces();
    // A piece is drawn alike when its look, its area and the pieces drawn
    // before it over its area are alike: where nothing of that changed, the
    // last composition's pixels stand.
    std::vector<DrawnPiece> drawn;
    drawn.reserve(pieces_.size());
    for (const ScenePiece& piece : pieces_) {
        std::size_t identity = qHash(piece.look);
        for (int v : {piece.area.x(), piece.area.y(), piece.area.width(), piece.area.height()})
            identity = mixed(identity, std::size_t(v));
        for (const DrawnPiece& under : drawn)
            if (under.area.intersects(piece.area)) identity = mixed(identity, under.identity);
        drawn.push_back({piece.area, identity});
    }
    // A new font or new pictures draw every piece anew, whatever its look.
    const QString with = drawnWith();
    if (!sceneComposed_ || with != drawnWith_) {
        changed = QRegion(all);
    } else {
        std::vector<DrawnPiece> before = drawnPieces_, now = drawn;
        std::sort(before.begin(), before.end());
        std::sort(now.begin(), now.end());
        std::vector<DrawnPiece> gone, come;
        std::set_difference(before.begin(), before.end(), now.begin(), now.end(), std::back_inserter(gone));
        std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::back_inserter(come));
        for (const auto* pieceList : {&gone, &come})
            for (const DrawnPiece& piece : *pieceList) changed += piece.area;
    }
    drawnPieces_ = std::move(drawn);
    drawnWith_ = with;
    return changed & all;
}

void GameScreen::drawScene(const QRegion& area) {
    if (area.isEmpty()) return;
    drawGround(back_, area);
    auto p = back_.painter();
    const QTransform layout = p->worldTransform();
    for (const QRect& r : area) {
        // Clipped in device pixels, the very ones the ground took.
        p->resetTransform();
        p->setClipRect(back_.toPixels(r));
        p->setWorldTransform(layout);
        for (const ScenePiece& piece : pieces_)
            if (piece.area.intersects(r)) piece.draw(*p);
    }
}

void GameScreen::paintScreen() {
    // New surfaces come with no scene or map composed: the map is filled
    // whole and every layout pixel of the others drawn below.
    makeSurfaces(Surface::Start::Unfilled);
    const QRect all(QPoint(0, 0), layoutSize_);
    QRegion changed = stale_ + drawnOver_;
    SceneKey key = sceneKey();
    if (!sceneComposed_ || !(key == sceneKey_)) {
        changed += composeScene();
        sceneKey_ = std::move(key);
        sceneComposed_ = true;
    }
    changed &= all;
    drawScene(changed);
    QRegion drawnOver;
    {
        auto p = back_.painter();
        if (decorate) drawnOver += decorate(*p);
        drawnOver += drawOrdersInProgress(*p);
        if (newsPanel_.isShown()) {
            view::drawNewsPanel(*p, newsPanel_, offsetX_);
            drawnOver += mapArea();
        }
    }
    drawnOver_ = withMargin(drawnOver);
    changed = (changed + drawnOver_).intersected(all);
    stale_ = QRegion();
    if (changed.isEmpty()) return;
    screenareas::copyArea(front_, back_, changed);
    drawInstructions(changed);
    if (present) present(changed);
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
        for (const TextLine& l : windowLines(instructionLines(o), o + InfoBox.x + InfoBox.w)) drawTextAt(*p, l.x, l.y, l.text, l.colour);
}

void GameScreen::refreshReports() {
    makeSurfaces();
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
    return windowLines(::economicReportLines(game_, offsetX_), offsetX_ + ScrollTextRight);
}

std::vector<GameScreen::TextLine> GameScreen::militaryReportLines() const {
    const int right = offsetX_ + ScrollTextRight;
    if (!chronicle_) return windowLines(::militaryReportLines(game_, offsetX_), right);
    const int x = offsetX_ + 1010;
    std::vector<TextLine> lines = {windowLine(militaryReportTitle(offsetX_), right)};
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
        lines.push_back({x + 160, 320, QCoreApplication::translate("GameScreen", "(scroll for more)"), QColor(110, 90, 60),
                         right - x - 160});
    for (int i = first; i < last; ++i) {
        TextLine& row = rows[std::size_t(i)];
        row.y = 345 + 20 * (i - first);
        row.width = right - row.x;
        lines.push_back(row);
    }
    return lines;
}

GameScreen::InfoLine GameScreen::provinceInfo(const Province* province) const {
    const ScreenInfoLine info = provinceInfoLine(province, offsetX_);
    const int right = offsetX_ + InfoBox.x + InfoBox.w;
    InfoLine shown{windowLines(info.texts, right), info.coins};
    if (shown.texts.size() != 3) return shown;
    // A longer language takes the room the English leaves: the coins follow
    // the tax value's label, and the attributes begin further left, as far as
    // the coins let them, where they would not fit their place.
    TextLine& tax = shown.texts[1];
    TextLine& attributes = shown.texts[2];
    const auto advance = [](const TextLine& l) {
        return QFontMetrics(fittedFont(screenFont(), l.text, l.width)).horizontalAdvance(l.text);
    };
    int end = tax.x + advance(tax);
    if (!shown.coins.empty()) {
        const int pitch = shown.coins.size() > 1 ? shown.coins[1].first - shown.coins[0].first : 22;
        const int span = shown.coins.back().first - shown.coins.front().first + pitch;
        tax.width = attributes.x - Gap - span - Gap - tax.x;
        const int shift = std::max(0, tax.x + advance(tax) + Gap - shown.coins.front().first);
        for (auto& coin : shown.coins) coin.first += shift;
        end = shown.coins.back().first + pitch;
    }
    const int needed = QFontMetrics(screenFont()).horizontalAdvance(attributes.text);
    if (attributes.x + needed > right) {
        attributes.x = std::max(end + Gap, right - needed);
        attributes.width = right - attributes.x;
    }
    return shown;
}

void GameScreen::drawLines(QPainter& p, const std::vector<TextLine>& lines) {
    for (const TextLine& l : lines) drawTextAt(p, fittedFont(screenFont(), l.text, l.width), l.x, l.y, l.text, l.colour);
}

void GameScreen::drawEconomicReport(QPainter& p) const { drawLines(p, economicReportLines()); }

void GameScreen::drawMilitaryReport(QPainter& p) const { drawLines(p, militaryReportLines()); }

void GameScreen::drawProvinceInfo(QPainter& p, const Province* province) const {
    const int o = offsetX_;
    p.fillRect(shifted(InfoBox, o), Qt::black);
    if (!notice_.isEmpty()) {
        drawTextAt(p, fittedFont(screenFont(), notice_, InfoBox.w), o + InfoBox.x, 600, notice_, QColor(255, 190, 80));
        return;
    }
    const InfoLine info = provinceInfo(province);
    drawLines(p, info.texts);
    for (const auto& [x, picture] : info.coins) pictures_.graphic(picture).draw(p, x, 595);
}

void GameScreen::showProvinceInfo(const Province* province) {
    makeSurfaces();
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
    // The computer's banner says so in the windows' language.
    if (!graphic) graphic = &pictures_.graphic(step.picture, uiLanguage());
    auto p = front_.painter();
    if (const auto* sprite = dynamic_cast<const Sprite*>(graphic))
        sprite->drawTransparent(*p, at.x(), at.y(), step.mirror);
    else
        graphic->draw(*p, at.x(), at.y());
    return QRect(at, QSize(graphic->width(), graphic->height()));
}

void GameScreen::play(const std::vector<ScreenStep>& steps) {
    makeSurfaces();
    const int o = offsetX_;
    // The screen as shown before the first step, kept only where a step brings it back.
    std::optional<Surface> before;
    for (const ScreenStep& s : steps)
        if (s.restore && s.backdrop == Backdrop::Before && !before) {
            before.emplace(layoutSize_, front_.scale());
            before->copyFrom(front_, QRect(QPoint(0, 0), layoutSize_), QPoint(0, 0));
        }
    for (const ScreenStep& s : steps) {
        if (s.sound && playSound) playSound(static_cast<int>(*s.sound));
        if (s.compose) paintScreen();
        if (s.lift) {
            const QRect area = shifted(*s.lift, o);
            drawGround(back_, area & mapArea());
            stale_ += area;
        }
        QRect changed;
        if (s.restore) {
            const QRect area = shifted(*s.restore, o);
            if (s.backdrop == Backdrop::BareMap)
                drawGround(front_, area & mapArea());
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
