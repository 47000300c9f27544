#include "game/view/MapDrawing.h"

#include <QCoreApplication>

#include "engine/Game.h"
#include "game/view/LegionFigures.h"
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

struct PictureSpec { int id; int mask; int w; int h; };

// Every picture of the game's screens with the size it is drawn in; mask 0
// marks a plain picture, any other value a picture with transparency.
constexpr PictureSpec pictureSpecs[] = {
    {111, 0, 800, 548},  {264, 265, 355, 664}, {185, 0, 162, 57},   {251, 0, 100, 15},
    {234, 0, 254, 38},   {168, 169, 35, 65},   {170, 169, 35, 65},  {179, 180, 43, 60},
    {114, 119, 40, 60},  {183, 184, 35, 65},   {229, 230, 23, 23},  {268, 0, 20, 20},
    {269, 0, 20, 20},    {231, 0, 25, 25},     {232, 0, 25, 25},    {160, 0, 600, 400},
    {161, 0, 600, 400},  {162, 0, 600, 400},   {163, 0, 600, 400},  {164, 0, 600, 400},
    {187, 0, 600, 400},  {233, 0, 600, 400},   {235, 0, 600, 400},  {248, 0, 600, 400},
    {249, 0, 600, 400},  {266, 0, 600, 400},   {165, 0, 640, 480},  {267, 0, 600, 400},
    {250, 0, 600, 400},  {182, 0, 68, 78},
};

QColor tintColour(int colour) {
    switch (colour) {
        case 1: return QColor(240, 220, 40);   // yellow
        case 2: return QColor(200, 40, 200);   // magenta
        default: return QColor(250, 250, 250); // plain white
    }
}

}  // namespace

int screenOffsetFor(int layoutWidth) { return layoutWidth > LayoutWidth ? (layoutWidth - LayoutWidth) / 2 : 0; }

QFont screenFont() { return fontSlot(); }
void setScreenFont(const QFont& font) { fontSlot() = font; }

Pictures::Pictures() {
    for (const PictureSpec& s : pictureSpecs) {
        if (s.mask)
            graphics_[s.id] = std::make_unique<Sprite>(s.id, s.mask, s.w, s.h);
        else
            graphics_[s.id] = std::make_unique<Graphic>(s.id, s.w, s.h);
    }
    romanMarch_ = std::make_unique<Animation>(270, 9, 279, 87, 65, 50);
    barbarianMarch_ = std::make_unique<Animation>(302, 3, 305, 63, 60, 100);
    sassanidMarch_ = std::make_unique<Animation>(308, 4, 312, 40, 60, 75);
    romanDefeat_ = std::make_unique<Animation>(288, 3, 291, 87, 65, 150);
    barbarianDefeat_ = std::make_unique<Animation>(294, 4, 298, 54, 60, 100);
    sassanidDefeat_ = std::make_unique<Animation>(316, 6, 322, 49, 60, 100);
    // The rebel defeat's frames are not consecutive: 260 and 262, masks 261 and 263.
    rebelDefeat_ = std::make_unique<Animation>(std::vector<std::pair<int, int>>{{260, 261}, {262, 263}}, 46, 60, 100);
}

void Pictures::load(const QString& root) {
    root_ = root;
    for (auto& [id, g] : graphics_) g->load(root);
    tints_.load(root);
    for (Animation* a : {romanMarch_.get(), barbarianMarch_.get(), sassanidMarch_.get(), romanDefeat_.get(),
                         barbarianDefeat_.get(), sassanidDefeat_.get(), rebelDefeat_.get()})
        a->load(root);
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
    switch (kind) {
        case RomanActive: return sprite(168);
        case BarbarianIcon: return sprite(179);
        case UnsupportedIcon: throw InternalError("barbarians 2 graphics not implemented yet!");
        case SassanidIcon: return sprite(114);
        case RebelIcon: return sprite(183);
        case RomanMoved: return sprite(170);
        default: throw InternalError("drawLegion() can't draw unsupported icon");
    }
}

int Pictures::loadedCount() const {
    int n = 0;
    for (const auto& [id, g] : graphics_) n += g->isLoaded();
    for (const auto& e : tints_.entries())
        for (const auto& s : e.sprites) n += s->isLoaded();
    for (const Animation* a : {romanMarch_.get(), barbarianMarch_.get(), sassanidMarch_.get(), romanDefeat_.get(),
                               barbarianDefeat_.get(), sassanidDefeat_.get(), rebelDefeat_.get()})
        for (const auto& f : a->frames()) n += f->isLoaded();
    return n;
}

int Pictures::pictureCount() const {
    int n = int(graphics_.size()) + int(tints_.entries().size()) * 3;
    for (const Animation* a : {romanMarch_.get(), barbarianMarch_.get(), sassanidMarch_.get(), romanDefeat_.get(),
                               barbarianDefeat_.get(), sassanidDefeat_.get(), rebelDefeat_.get()})
        n += int(a->frames().size());
    return n;
}

void drawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& colour, bool opaque,
                const QColor& background) {
    p.save();
    p.setFont(screenFont());
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
        if (sprite->isLoaded()) {
            sprite->drawTransparent(p, entry->x + screenOffsetX, entry->y, false);
            continue;
        }
        // Stand-in tint: the province's own rectangles, hatched in the colour.
        p.save();
        QColor c = tintColour(colour);
        c.setAlpha(210);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(c, Qt::Dense3Pattern));
        for (const MapRect& r : province->hitRects)
            p.drawRect(QRect(screenOffsetX + MapLeft + r.left, MapTop + r.top, r.right - r.left, r.bottom - r.top));
        p.restore();
    }
}

void drawConstantinopleLabel(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    pictures.graphic(251).draw(p, screenOffsetX + 724, 294);
}

void drawLegion(QPainter& p, const Pictures& pictures, QPoint spot, int kind, const QString& count, bool marching,
                int screenOffsetX) {
    const Sprite& icon = pictures.icon(kind);
    const QPoint corner(spot.x() + screenOffsetX + MapLeft, spot.y() + MapTop);
    icon.drawTransparent(p, corner.x(), corner.y(), false);
    if (!count.isEmpty()) drawCountBadge(p, corner, count, marching);
}

void drawLegions(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX) {
    drawMarches(p, game, screenOffsetX);
    for (Province* province : game.provinceTable) {
        if (!province) continue;
        for (Empire* empire : game.empires()) {
            const int count = empire->countLegionsIn(*province);
            if (count <= 0) continue;
            if (empire->isRomans()) {
                const RomanStack stack = romanStack(game, *province);
                const int kind = empire->allLegionsMovedIn(*province) ? RomanMoved : RomanActive;
                drawLegion(p, pictures, figureSpot(*province), kind, stackCountText(stack), stack.marching > 0,
                           screenOffsetX);
            } else {
                drawLegion(p, pictures, figureSpot(*province), empire->legionIcon, QString::number(count), false,
                           screenOffsetX);
            }
        }
    }
}

void drawLegend(QPainter& p, const Pictures& pictures, int screenOffsetX) {
    const int o = screenOffsetX;
    p.save();
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(o + 175, 25, o + 175, 583);
    p.drawLine(o + 175, 583, o + 985, 583);
    p.drawLine(o + 985, 25, o + 985, 583);
    p.drawLine(o + 175, 25, o + 985, 25);
    p.restore();

    pictures.icon(RomanActive).drawTransparent(p, o + 50, 110, false);
    drawTextAt(p, o + 20, 180, QCoreApplication::translate("view", "Roman Legion"), Qt::white);
    pictures.icon(BarbarianIcon).drawTransparent(p, o + 50, 210, false);
    drawTextAt(p, o + 30, 270, QCoreApplication::translate("view", "Barbarians"), Qt::white);
    pictures.icon(SassanidIcon).drawTransparent(p, o + 50, 300, false);
    drawTextAt(p, o + 20, 370, QCoreApplication::translate("view", "Sassanids"), Qt::white);
    pictures.icon(RebelIcon).drawTransparent(p, o + 50, 410, false);
    drawTextAt(p, o + 20, 475, QCoreApplication::translate("view", "Rebelling Legion"), Qt::white);
    drawTextAt(p, o + 10, 530, QCoreApplication::translate("view", "The number next to an"), Qt::white);
    drawTextAt(p, o + 10, 550, QCoreApplication::translate("view", "icon indicates how many"), Qt::white);
    drawTextAt(p, o + 10, 570, QCoreApplication::translate("view", "legions are in that"), Qt::white);
    drawTextAt(p, o + 10, 590, QCoreApplication::translate("view", "province"), Qt::white);

    pictures.graphic(185).draw(p, o, 40);
}

}  // namespace view
