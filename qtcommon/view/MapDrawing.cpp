#include "qtcommon/view/MapDrawing.h"

#include <QCoreApplication>

#include "engine/Game.h"
#include "client/LegendMarks.h"
#include "qtcommon/view/HolderPatterns.h"
#include "qtcommon/view/LegionFigures.h"
#include "client/PictureTable.h"
#include "client/ScreenText.h"
#include "model/InternalError.h"

namespace view {

namespace {

QFont& fontSlot() {
    static QFont font = [] {
        QFont f(QStringLiteral("EB Garamond"));
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
    const QRect cell(x, y, fm.horizontalAdvance(text), fm.height());
    if (opaque) p.fillRect(cell, background);
    p.setPen(colour);
    p.drawText(QPoint(x, y + fm.ascent()), text);
    p.restore();
}

QPoint legionSpot(const Province& province, int screenOffsetX) {
    return figureSpot(province) + QPoint(screenOffsetX + MapLeft, MapTop);
}

QPoint layoutToMap(QPoint layout, int screenOffsetX) {
    return QPoint(layout.x() - screenOffsetX - MapLeft, layout.y() - MapTop);
}

void drawMapPicture(QPainter& p, const Pictures& pictures, const Game& game, int screenOffsetX) {
    const Graphic& map = pictures.graphic(111);
    const int left = screenOffsetX + MapLeft;
    if (map.isLoaded()) {
        map.draw(p, left, MapTop);
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

void drawConstantinopleLabel(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    pictures.graphic(251).draw(p, screenOffsetX + 724, 294);
}

void drawLegions(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX) {
    drawMarches(p, game, screenOffsetX);
    const std::vector<Province*> order = figuresInDrawingOrder(game);
    for (Province* province : order) {
        const QPoint corner = legionSpot(*province, screenOffsetX);
        for (Empire* empire : game.empires()) {
            if (empire->countLegionsIn(*province) <= 0) continue;
            const bool greyed = empire->isRomans() && empire->allLegionsMovedIn(*province);
            pictures.icon(empire->isRomans() ? (greyed ? RomanMoved : RomanActive) : empire->legionIcon)
                .drawTransparent(p, corner.x(), corner.y(), false);
        }
    }
    const qreal scale = p.deviceTransform().m11();
    for (Province* province : order) {
        for (Empire* empire : game.empires()) {
            if (empire->countLegionsIn(*province) <= 0) continue;
            const QString text = QString::fromStdString(countLabel(game, *empire, *province));
            const bool marching = empire->isRomans() && romanStack(game, *province).marching > 0;
            const QRectF plaque = countPlaque(*province, text, scale).translated(screenOffsetX + MapLeft, MapTop);
            drawCountBadge(p, plaque, text, marching);
        }
    }
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

void drawLegend(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    const int o = screenOffsetX;
    drawFrame(p, MapFrame, o);

    for (const ScreenPicture& picture : legendPictures(o)) {
        if (picture.picture == 185)
            pictures.graphic(picture.picture).draw(p, picture.x, picture.y);
        else
            pictures.sprite(picture.picture).drawTransparent(p, picture.x, picture.y, false);
    }
    // The legend's column is too narrow for larger words; a reader finds
    // all it says in the legend's text.
    for (const ScreenTextLine& l : legendLines(o))
        drawTextAt(p, fontSlot(), l.x, l.y, screenText(l), QColor(QRgb(l.colour)));
    // Beside each foreign power's figure, a sample of its land's tint and
    // mark; free land's under the rebels'.
    for (const LegendMark& m : legendMarks(o)) {
        const int tint = !m.holder ? 3 : *m.holder == Power::Barbarians ? 1 : *m.holder == Power::Sassanids ? 2 : 3;
        drawMarkSample(p, QRect(m.x, m.y, m.w, m.h), tintColour(tint), holderMark(m.holder));
    }
}

QString screenText(const char* form, const std::vector<ScreenTextArg>& args) {
    QString text = QCoreApplication::translate("ScreenText", form);
    for (const ScreenTextArg& word : args) text = text.arg(QString::fromStdString(shownWord(word)));
    return text;
}

QString screenText(const ScreenTextLine& line) { return screenText(line.form, line.args); }

}  // namespace view
