#include "qtcommon/view/ProvinceRegions.h"

#include "qtcommon/view/Graphic.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace view {

namespace {

// The border pixels of a shape: opaque, with a see-through 4-neighbour.
QImage rimOf(const QImage& mask) {
    QImage rim(mask.size(), QImage::Format_Alpha8);
    rim.fill(0);
    auto opaque = [&mask](int x, int y) {
        return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && qAlpha(mask.pixel(x, y)) >= OpaqueFrom;
    };
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (opaque(x, y) && !(opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)))
                rim.setPixel(x, y, 255);
    return rim;
}

QImage coloured(const QImage& alpha, const QColor& colour) {
    QImage out(alpha.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawImage(0, 0, alpha);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

}  // namespace

void ProvinceRegions::build(const ProvinceSprites& tints, const Game& game) {
    painted_ = PaintedProvinces();
    shapes_.clear();
    highlights_.clear();
    tints_ = &tints;
    game_ = &game;
    painted_.paintWhenAsked([](void* self) { static_cast<ProvinceRegions*>(self)->buildNow(); }, this);
}

void ProvinceRegions::buildNow() {
    const ProvinceSprites& tints = *tints_;
    const Game& game = *game_;
    for (const ProvinceSprites::Entry& e : tints.entries()) {
        const Sprite& plain = *e.sprites[0];
        const Province* province = game.provinceNamed(e.province);
        if (!plain.isLoaded() || !province) continue;
        const int index = game.indexOf(*province);
        if (index < 0) continue;
        // The tint is drawn in its table size whatever the file's size.
        const QImage mask = plain.image().scaled(e.width, e.height).convertToFormat(QImage::Format_ARGB32);
        const QPoint topLeft(e.x - MapLeft, e.y - MapTop);
        std::vector<unsigned char> alpha;
        alpha.reserve(std::size_t(mask.width()) * std::size_t(mask.height()));
        for (int y = 0; y < mask.height(); ++y) {
            const QRgb* source = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            for (int x = 0; x < mask.width(); ++x) alpha.push_back(static_cast<unsigned char>(qAlpha(source[x])));
        }
        painted_.paint(index, topLeft.x(), topLeft.y(), mask.width(), mask.height(), alpha.data());
        shapes_.push_back({index, topLeft, mask});
    }
}

const QImage& ProvinceRegions::highlightPicture(const Shape& shape, const QColor& colour, bool rim) const {
    const auto key = std::make_tuple(shape.tableIndex, colour.rgba(), rim);
    auto it = highlights_.find(key);
    if (it == highlights_.end()) {
        if (highlights_.size() > 64) highlights_.clear();
        it = highlights_.emplace(key, coloured(rim ? rimOf(shape.mask) : shape.mask, colour)).first;
    }
    return it->second;
}

Province* ProvinceRegions::at(const Game& game, QPoint m) const { return painted_.at(game, m.x(), m.y()); }

bool ProvinceRegions::hasShape(const Game& game, const Province& province) const {
    painted_.paintNow();
    const int index = game.indexOf(province);
    for (const Shape& s : shapes_)
        if (s.tableIndex == index) return true;
    return false;
}

void ProvinceRegions::highlight(QPainter& p, const Game& game, const Province& province, const QColor& colour,
                                int screenOffsetX, bool filled) const {
    painted_.paintNow();
    QColor fill = colour;
    fill.setAlpha(filled ? 90 : 0);
    const int index = game.indexOf(province);
    for (const Shape& s : shapes_) {
        if (s.tableIndex != index) continue;
        const QPoint at(screenOffsetX + MapLeft + s.mapTopLeft.x(), MapTop + s.mapTopLeft.y());
        if (filled) p.drawImage(at, highlightPicture(s, fill, false));
        p.drawImage(at, highlightPicture(s, colour, true));
        return;
    }
    p.save();
    p.setPen(QPen(colour, 2));
    p.setBrush(fill);
    for (const MapRect& r : province.hitRects)
        p.drawRect(QRect(screenOffsetX + MapLeft + r.left, MapTop + r.top, r.right - r.left, r.bottom - r.top));
    p.restore();
}

QRect ProvinceRegions::highlightArea(const Game& game, const Province& province, int screenOffsetX) const {
    painted_.paintNow();
    const int index = game.indexOf(province);
    const QPoint map(screenOffsetX + MapLeft, MapTop);
    for (const Shape& s : shapes_)
        if (s.tableIndex == index) return QRect(map + s.mapTopLeft, s.mask.size()).adjusted(-2, -2, 2, 2);
    QRect area;
    for (const MapRect& r : province.hitRects)
        area |= QRect(map.x() + r.left, map.y() + r.top, r.right - r.left, r.bottom - r.top);
    // The rim's pen is two pixels wide, half of it outside.
    return area.adjusted(-3, -3, 3, 3);
}

}  // namespace view
