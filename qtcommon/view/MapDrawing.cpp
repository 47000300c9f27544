#include "qtcommon/view/MapDrawing.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "engine/Game.h"
#include "client/PictureLabels.h"
#include "client/LegendMarks.h"
#include "client/MapNames.h"
#include "qtcommon/view/HolderPatterns.h"
#include "qtcommon/view/LegionFigures.h"
#include "client/MarchLines.h"
#include "qtcommon/view/ShownNames.h"
#include "client/PictureTable.h"
#include "client/FigureStack.h"
#include "client/ScreenText.h"
#include "model/InternalError.h"

namespace view {

namespace {

QFont& fontSlot() {
    static QFont font = [] {
        // The bundle's own family (tools/fonts): a system's EB Garamond lacks the bold accents.
        QFont f(QStringLiteral("Aurovane Garamond"));
        f.setPixelSize(16);
        f.setStyleHint(QFont::Serif);
        return f;
    }();
    return font;
}

QColor tintColour(int colour) {
    switch (colour) {
        case 1: return QColor(240, 220, 40);   // yellow
        case 2: return QColor(200, 40, 200);   // magenta
        default: return QColor(250, 250, 250); // plain white
    }
}

qreal& textScaleSlot() {
    static qreal scale = 1.0;
    return scale;
}

}  // namespace

int screenOffsetFor(int layoutWidth) { return layoutWidth > LayoutWidth ? (layoutWidth - LayoutWidth) / 2 : 0; }

qreal textScale() { return textScaleSlot(); }
void setTextScale(qreal scale) { textScaleSlot() = scale; }
int textPixels(int pixelSize) { return int(pixelSize * textScaleSlot() + 0.5); }

QFont screenFont() {
    QFont f = fontSlot();
    if (textScaleSlot() != 1.0 && f.pixelSize() > 0) f.setPixelSize(textPixels(f.pixelSize()));
    return f;
}

void setScreenFont(const QFont& font) { fontSlot() = font; }

QFont figuresFont(int pixelSize) {
    // The screen's Garamond writes old-style figures ("11" reads "II" when
    // small); a count to be read at a glance takes a serif with lining ones.
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Noto Serif"),
                   QStringLiteral("FreeSerif")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

}  // namespace view

#ifdef AUROVANE_BITMAP_RESOURCES
// The pictures are an object of their own in the view library
// (qtcommon/view/CMakeLists.txt): naming them here links them in.
[[maybe_unused]] static const int bitmapResources = [] {
    Q_INIT_RESOURCE(aurovane_bitmaps);
    return 0;
}();
#endif

namespace view {

Pictures::Pictures() {
    for (const PictureSpec& s : PictureTable) {
        if (s.mask)
            graphics_[s.id] = std::make_unique<Sprite>(s.id, s.mask, s.width, s.height);
        else
            graphics_[s.id] = std::make_unique<Graphic>(s.id, s.width, s.height);
    }
    auto animation = [](const char* name) {
        const AnimationSpec& a = animationNamed(name);
        std::vector<std::pair<int, int>> frames;
        for (std::size_t i = 0; i < a.frames.size() && a.frames[i]; ++i) frames.push_back({a.frames[i], a.masks[i]});
        return std::make_unique<Animation>(frames, a.width, a.height);
    };
    romanWalk_ = animation("romanWalk");
    barbarianWalk_ = animation("barbarianWalk");
    sassanidWalk_ = animation("sassanidWalk");
    romanDefeat_ = animation("romanDefeat");
    barbarianDefeat_ = animation("barbarianDefeat");
    sassanidDefeat_ = animation("sassanidDefeat");
    rebelDefeat_ = animation("rebelDefeat");
}

void Pictures::load(const QString& root) {
    root_ = root;
    ++loads_;
    translated_.clear();
    for (auto& [id, g] : graphics_) g->load(root);
    tints_.load(root);
    for (Animation* a : {romanWalk_.get(), barbarianWalk_.get(), sassanidWalk_.get(), romanDefeat_.get(),
                         barbarianDefeat_.get(), sassanidDefeat_.get(), rebelDefeat_.get()})
        a->load(root);
}

const Animation& Pictures::walk(std::string_view name) const {
    if (name == "barbarianWalk") return *barbarianWalk_;
    if (name == "sassanidWalk") return *sassanidWalk_;
    return *romanWalk_;
}

const Graphic& Pictures::graphic(int id) const {
    auto it = graphics_.find(id);
    if (it != graphics_.end()) return *it->second;
    // Not a picture of the known screens: a placeholder keeps the caller drawing.
    auto& self = const_cast<Pictures&>(*this);
    auto g = std::make_unique<Graphic>(id, 100, 100);
    if (!root_.isEmpty()) g->load(root_);
    return *(self.graphics_[id] = std::move(g));
}

const Graphic& Pictures::graphic(int id, const QString& language) const {
    const Graphic& plain = graphic(id);
    if (language.isEmpty() || language == QLatin1String("en") || root_.isEmpty()) return plain;
    auto& self = const_cast<Pictures&>(*this);
    auto& slot = self.translated_[{language, id}];
    if (!slot) {
        auto g = std::make_unique<Graphic>(id, plain.width(), plain.height());
        if (!g->load(root_ + QLatin1Char('/') + language)) return plain;
        slot = std::move(g);
    }
    return *slot;
}

const Sprite& Pictures::sprite(int id) const {
    auto it = graphics_.find(id);
    if (it != graphics_.end())
        if (auto* s = dynamic_cast<const Sprite*>(it->second.get())) return *s;
    auto& self = const_cast<Pictures&>(*this);
    auto s = std::make_unique<Sprite>(id, 0, 30, 30);
    if (!root_.isEmpty()) s->load(root_);
    const Sprite& ref = *s;
    self.graphics_[id] = std::move(s);
    return ref;
}

const Sprite& Pictures::icon(int kind) const {
    if (kind == UnsupportedIcon) throw InternalError("barbarians 2 graphics not implemented yet!");
    if (kind < 0 || kind >= int(LegionIconPictures.size())) throw InternalError("drawLegion() can't draw unsupported icon");
    return sprite(LegionIconPictures[kind]);
}

void drawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& colour, bool opaque,
                const QColor& background) {
    drawTextAt(p, screenFont(), x, y, text, colour, opaque, background);
}

void drawTextAt(QPainter& p, const QFont& font, int x, int y, const QString& text, const QColor& colour, bool opaque,
                const QColor& background) {
    p.save();
    p.setFont(font);
    const QFontMetrics fm(p.font());
    // Shaped only where a cell is filled: shaping costs as much as drawing.
    if (opaque) p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), background);
    p.setPen(colour);
    p.drawText(QPoint(x, y + fm.ascent()), text);
    p.restore();
}

QFont fittedFont(QFont font, const QString& text, int width, int least) {
    if (width <= 0) return font;
    while (font.pixelSize() > least && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawTextBlock(QPainter& p, const QFont& font, const ScreenTextBlock& block) {
    const QString text = screenText(block.form, {});
    const QRect box(block.x, block.y, block.w, block.h);
    QFont f = font;
    constexpr int Flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    while (f.pixelSize() > 9 && QFontMetrics(f).boundingRect(box, Flags, text).height() > box.height())
        f.setPixelSize(f.pixelSize() - 1);
    p.save();
    p.setFont(f);
    p.setPen(QColor(QRgb(block.colour)));
    p.drawText(box, Flags, text);
    p.restore();
}

QPoint legionSpot(const Province& province, int screenOffsetX) {
    return figureSpot(province) + QPoint(screenOffsetX + MapLeft, MapTop);
}

QPoint layoutToMap(QPoint layout, int screenOffsetX) {
    return QPoint(layout.x() - screenOffsetX - MapLeft, layout.y() - MapTop);
}

namespace {

// The names the map picture leaves for the window to write, in the map's own
// type; a longer name than the English takes a smaller size to keep its box.
void drawMapNames(QPainter& p, int left) {
    p.save();
    p.setPen(QColor(QRgb(MapNameInk)));
    for (const MapNamePlace& place : mapNamePlaces()) {
        const QString name = shownName(place.province).toUpper();
        // The screen's face, or its small optical size where the map has it.
        QFont f = fontSlot();
        if (place.small) f.setFamilies({QStringLiteral("EB Garamond 08"), f.family()});
        f.setLetterSpacing(QFont::AbsoluteSpacing, MapNameTracking);
        const std::vector<MapNameLine> lines = mapNameLines(place, name.toStdString());
        const int room = place.box.right - place.box.left;
        for (int size = place.pixelSize; size >= 8; --size) {
            f.setPixelSize(size);
            const QFontMetrics m(f);
            int widest = 0;
            for (const MapNameLine& line : lines)
                widest = std::max(widest, m.horizontalAdvance(QString::fromStdString(line.text)) - MapNameTracking);
            if (widest <= room) break;
        }
        p.setFont(f);
        const QFontMetrics m(f);
        for (const MapNameLine& line : lines) {
            const QString text = QString::fromStdString(line.text);
            const int width = m.horizontalAdvance(text) - MapNameTracking;
            p.drawText(QPointF(left + line.centreX - width / 2.0, MapTop + line.capTop + m.capHeight()), text);
        }
    }
    p.restore();
}

}  // namespace

void drawMapPicture(QPainter& p, const Pictures& pictures, const Game& game, int screenOffsetX) {
    const Graphic& map = pictures.graphic(111);
    const int left = screenOffsetX + MapLeft;
    if (map.isLoaded()) {
        map.draw(p, left, MapTop);
        drawMapNames(p, left);
        return;
    }
    // Stand-in map: sea, the provinces' own hit rectangles as land (Roman
    // lands light red, the frontier lands yellow or magenta), and a mark.
    p.save();
    p.setClipRect(QRect(left, MapTop, MapWidth, MapHeight));
    p.fillRect(QRect(left, MapTop, MapWidth, MapHeight), QColor(112, 132, 150));
    for (const Province* province : game.provinceTable) {
        if (!province) continue;
        QColor land(236, 176, 160);
        if (province->isFrontier())
            land = (province->name() == "Armenia" || province->name() == "Mesopotamia") ? QColor(200, 120, 200)
                                                                                          : QColor(226, 214, 120);
        for (const MapRect& r : province->hitRects)
            p.fillRect(QRect(left + r.left, MapTop + r.top, r.right - r.left, r.bottom - r.top), land);
    }
    for (const Province* province : game.provinceTable) {
        if (!province || province->hitRects.empty()) continue;
        const MapRect& r = province->hitRects.front();
        QFont f = screenFont();
        f.setPixelSize(11);
        p.setFont(f);
        p.setPen(QColor(60, 40, 30));
        p.drawText(QPoint(left + r.left + 2, MapTop + r.top + 12), QString::fromStdString(province->name()));
    }
    p.setPen(QColor(255, 0, 255));
    p.drawRect(QRect(left, MapTop, MapWidth - 1, MapHeight - 1));
    QFont f = screenFont();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPoint(left + 8, MapTop + MapHeight - 8), QStringLiteral("[111: map picture missing]"));
    p.restore();
}

void drawOwnership(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX) {
    for (Province* province : game.provinceTable) {
        if (!province || game.romans.holds(*province)) continue;
        const Empire* owner = game.ownerOf(*province);
        const int colour = owner ? owner->mapColour : 3;
        const ProvinceSprites::Entry* entry = pictures.tints().find(province->name());
        if (!entry) continue;  // frontier lands are never tinted
        const Sprite* sprite = pictures.tints().spriteFor(province->name(), colour);
        if (!sprite) continue;
        const HolderMark mark = holderMark(owner ? std::optional<Power>(owner->power) : std::nullopt);
        if (sprite->isLoaded()) {
            sprite->drawTransparent(p, entry->x + screenOffsetX, entry->y, false);
            drawMarkOverTint(p, *sprite, entry->x + screenOffsetX, entry->y, mark);
            continue;
        }
        // Stand-in tint: the province's own rectangles, hatched in the colour.
        p.save();
        QColor c = tintColour(colour);
        c.setAlpha(210);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(c, Qt::Dense3Pattern));
        for (const MapRect& r : province->hitRects) {
            const QRect area(screenOffsetX + MapLeft + r.left, MapTop + r.top, r.right - r.left, r.bottom - r.top);
            p.drawRect(area);
            drawMarkPattern(p, area, mark, markInk());
        }
        p.restore();
    }
}

namespace {

// A word written into one of the screen's pictures, in another language: the
// picture's own word covered with its paper and the translation set in its
// ink, as large as the space lets it be.
void relabel(QPainter& p, int pictureX, int pictureY, const PictureLabel& label) {
    const QString text = QCoreApplication::translate("ScreenText", label.word);
    const QRect box(pictureX + label.left, pictureY + label.top, label.width, label.height);
    QFont f = screenFont();
    f.setPixelSize(label.pixelSize);
    f.setLetterSpacing(QFont::PercentageSpacing, PictureLabelSpacingPercent);
    f = fittedFont(f, text, box.width(), 8);
    p.save();
    p.fillRect(box, QColor(QRgb(label.paper)));
    p.setFont(f);
    p.setPen(QColor(QRgb(label.ink)));
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

}  // namespace

void drawConstantinopleLabel(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    const Graphic& label = pictures.graphic(251);
    label.draw(p, screenOffsetX + 724, 294);
    if (label.isLoaded() && !speaksEnglish()) relabel(p, screenOffsetX + 724, 294, *pictureLabel(251));
}

void drawPieces(QPainter& p, const std::vector<ScenePiece>& pieces) {
    for (const ScenePiece& piece : pieces) piece.draw(p);
}

QRect textArea(int x, int y, const QString& text, int width) {
    // Shaping a line costs more than drawing it: the lines of one screen
    // come back frame after frame, so their extents are kept.
    static QHash<std::pair<QString, int>, QRect> known;
    static QString knownFont;
    const QFont font = screenFont();
    if (font.key() != knownFont || known.size() > 4096) {
        known.clear();
        knownFont = font.key();
    }
    auto it = known.find({text, width});
    if (it == known.end()) {
        const QFontMetrics fm(fittedFont(font, text, width));
        // The ink, which may reach past the advance (italics, a swash) and
        // covers at least the pixels drawn; smooth scaling a little further.
        const QRect ink = fm.boundingRect(text).translated(0, fm.ascent());
        it = known.insert({text, width}, ink.adjusted(-2, -2, 2, 2));
    }
    return it->translated(x, y);
}

ScenePiece textPiece(int x, int y, const QString& text, const QColor& colour, int width) {
    return {textArea(x, y, text, width), QStringLiteral("text %1 ").arg(colour.rgba()) + text,
            [=](QPainter& p) { drawTextAt(p, fittedFont(screenFont(), text, width), x, y, text, colour); }};
}

QRect pictureArea(const Graphic& picture, int x, int y) {
    return QRect(x, y, picture.width(), picture.height()).adjusted(-2, -2, 2, 2);
}

namespace {

// The routes are drawn on the map only, with their widest pen.
QRect marchesArea(const std::vector<MarchLine>& marches, int screenOffsetX) {
    QRectF bounds;
    for (const MarchLine& march : marches)
        for (const auto* points : {&march.points, &march.head})
            for (const LayoutPointF& point : *points) bounds |= QRectF(screenOffsetX + point.x, point.y, 0.01, 0.01);
    const int reach = int(std::ceil(std::max({MarchBandWidth, MarchLineWidth, MarchHeadRimWidth}))) + 3;
    return bounds.toAlignedRect().adjusted(-reach, -reach, reach, reach) &
           QRect(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight);
}

}  // namespace

std::vector<ScenePiece> legionPieces(const Pictures& pictures, Game& game, int screenOffsetX, qreal deviceScale) {
    std::vector<ScenePiece> pieces;
    const std::vector<MarchLine> marches = marchLines(game);
    if (!marches.empty()) {
        QString look = QStringLiteral("marches");
        for (const MarchLine& march : marches) {
            for (const LayoutPointF& point : march.points) look += QStringLiteral(" %1,%2").arg(point.x).arg(point.y);
            look += QLatin1Char('>');
            for (const LayoutPointF& point : march.head) look += QStringLiteral(" %1,%2").arg(point.x).arg(point.y);
        }
        pieces.push_back({marchesArea(marches, screenOffsetX), look,
                          [&game, screenOffsetX](QPainter& p) { drawMarches(p, game, screenOffsetX); }});
    }
    const std::vector<Province*> order = figuresInDrawingOrder(game);
    for (Province* province : order) {
        const QPoint corner = legionSpot(*province, screenOffsetX);
        for (Empire* empire : game.empires()) {
            if (empire->countLegionsIn(*province) <= 0) continue;
            const bool greyed = empire->isRomans() && empire->allLegionsMovedIn(*province);
            const Sprite& icon = pictures.icon(empire->isRomans() ? (greyed ? RomanMoved : RomanActive) : empire->legionIcon);
            pieces.push_back({pictureArea(icon, corner.x(), corner.y()), QStringLiteral("icon %1").arg(icon.id()),
                              [&icon, corner](QPainter& p) { icon.drawTransparent(p, corner.x(), corner.y(), false); }});
        }
    }
    for (Province* province : order) {
        for (Empire* empire : game.empires()) {
            if (empire->countLegionsIn(*province) <= 0) continue;
            const QString text = QString::fromStdString(countLabel(game, *empire, *province));
            const bool marching = empire->isRomans() && romanStack(game, *province).marching > 0;
            const QRectF plaque = countPlaque(*province, text, deviceScale).translated(screenOffsetX + MapLeft, MapTop);
            QRectF covered = plaque;
            if (marching) covered |= pennantOver(plaque);
            pieces.push_back({covered.toAlignedRect().adjusted(-3, -3, 3, 3),
                              QStringLiteral("count %1 ").arg(marching) + text,
                              [=](QPainter& p) { drawCountBadge(p, plaque, text, marching); }});
        }
    }
    return pieces;
}

void drawLegions(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX) {
    drawPieces(p, legionPieces(pictures, game, screenOffsetX, p.deviceTransform().m11()));
}

void drawFrame(QPainter& p, const LayoutRect& f, int o) {
    p.save();
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(o + f.x, f.y, o + f.x + f.w, f.y);
    p.drawLine(o + f.x + f.w, f.y, o + f.x + f.w, f.y + f.h);
    p.drawLine(o + f.x + f.w, f.y + f.h, o + f.x, f.y + f.h);
    p.drawLine(o + f.x, f.y + f.h, o + f.x, f.y);
    p.restore();
}

std::vector<ScenePiece> legendPieces(const Pictures& pictures, int screenOffsetX) {
    const int o = screenOffsetX;
    // The frame around the map as its four sides: what is drawn under one
    // side does not make the whole map drawn again.
    const QRect frame(o + MapFrame.x, MapFrame.y, MapFrame.w + 1, MapFrame.h + 1);
    std::vector<ScenePiece> pieces;
    for (const QRect& side : {QRect(frame.topLeft(), QSize(frame.width(), 1)), QRect(frame.topLeft(), QSize(1, frame.height())),
                              QRect(frame.topRight(), QSize(1, frame.height())),
                              QRect(frame.bottomLeft(), QSize(frame.width(), 1))}) {
        const QRect area = side.adjusted(-2, -2, 2, 2);
        pieces.push_back({area, QStringLiteral("frame"), [area, o](QPainter& p) {
                              p.save();
                              p.setClipRect(area, Qt::IntersectClip);
                              drawFrame(p, MapFrame, o);
                              p.restore();
                          }});
    }
    for (const ScreenPicture& picture : legendPictures(o)) {
        const int x = picture.x, y = picture.y;
        const Graphic& g = pictures.graphic(picture.picture);
        std::function<void(QPainter&)> draw;
        if (picture.picture == 185)
            draw = [&g, x, y](QPainter& p) {
                g.draw(p, x, y);
                if (g.isLoaded() && !speaksEnglish()) relabel(p, x, y, *pictureLabel(185));
            };
        else
            draw = [&s = pictures.sprite(picture.picture), x, y](QPainter& p) { s.drawTransparent(p, x, y, false); };
        pieces.push_back({pictureArea(g, x, y), QStringLiteral("picture %1").arg(picture.picture), draw});
    }
    // The legend's column is too narrow for larger words; a reader finds
    // all it says in the legend's text.
    // The English in its pieces, as the page draws it; a translation wraps its own.
    const std::vector<ScreenTextLine> lines = legendLines(o);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ScreenTextLine& l = lines[i];
        if (i >= LegendNamedLines && !speaksEnglish()) continue;
        const QString text = screenText(l);
        const QColor colour(QRgb(l.colour));
        const int width = o + LegendTextRight - l.x;
        pieces.push_back({textArea(l.x, l.y, text, width), QStringLiteral("legend text %1 ").arg(colour.rgba()) + text,
                          [x = l.x, y = l.y, text, colour, width](QPainter& p) {
                              drawTextAt(p, fittedFont(fontSlot(), text, width), x, y, text, colour);
                          }});
    }
    if (!speaksEnglish()) {
        const ScreenTextBlock note = legendNote(o);
        pieces.push_back({QRect(note.x, note.y, note.w, note.h).adjusted(-2, -2, 2, 2), QStringLiteral("legend note"),
                          [note](QPainter& p) { drawTextBlock(p, fontSlot(), note); }});
    }
    // Beside each foreign power's figure, a sample of its land's tint and
    // mark; free land's under the rebels'.
    for (const LegendMark& m : legendMarks(o)) {
        const QRect box(m.x, m.y, m.w, m.h);
        const int tint = !m.holder ? 3 : *m.holder == Power::Barbarians ? 1 : *m.holder == Power::Sassanids ? 2 : 3;
        const HolderMark mark = holderMark(m.holder);
        pieces.push_back({box.adjusted(-2, -2, 2, 2), QStringLiteral("mark sample %1").arg(m.holder ? int(*m.holder) : -1),
                          [box, tint, mark](QPainter& p) { drawMarkSample(p, box, tintColour(tint), mark); }});
    }
    return pieces;
}

void drawLegend(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    drawPieces(p, legendPieces(pictures, screenOffsetX));
}

namespace {

// A word of a translated form: names in the reader's language (a list of
// them name by name), numbers in the reader's way.
QString translatedWord(const ScreenTextArg& word) {
    if (isPlainNumber(word.text)) return shownNumber(std::stoll(word.text));
    QStringList names;
    for (const QString& name : QString::fromStdString(word.text).split(QStringLiteral(", ")))
        names << shownName(name.toStdString());
    return names.size() > 1 ? QLocale().createSeparatedList(names) : names.front();
}

}  // namespace

QString screenText(const char* form, const std::vector<ScreenTextArg>& args, long long count) {
    // A plural form's number picks the language's form and stands at its %n.
    QString text = QCoreApplication::translate("ScreenText", form, nullptr, count >= 0 ? int(count) : -1);
    const bool english = speaksEnglish();
    for (const ScreenTextArg& word : args)
        text = text.arg(english ? QString::fromStdString(shownWord(word)) : translatedWord(word));
    return text;
}

QString screenText(const ScreenTextLine& line) { return screenText(line.form, line.args, line.count); }

}  // namespace view
