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

Province* ProvinceRegions::at(const Game& game, QPoint m) const { return painted_.at(game, m.x(), m.y()); }

bool ProvinceRegions::hasShape(const Game& game, const Province& province) const {
    const int index = game.indexOf(province);
    for (const Shape& s : shapes_)
        if (s.tableIndex == index) return true;
    return false;
}

void ProvinceRegions::highlight(QPainter& p, const Game& game, const Province& province, const QColor& colour,
                                int screenOffsetX, bool filled) const {
    QColor fill = colour;
    fill.setAlpha(filled ? 90 : 0);
    const int index = game.indexOf(province);
    for (const Shape& s : shapes_) {
        if (s.tableIndex != index) continue;
        const QPoint at(screenOffsetX + MapLeft + s.mapTopLeft.x(), MapTop + s.mapTopLeft.y());
        if (filled) p.drawImage(at, coloured(s.mask, fill));
        p.drawImage(at, coloured(rimOf(s.mask), colour));
        return;
    }
    p.save();
    p.setPen(QPen(colour, 2));
    p.setBrush(fill);
    for (const MapRect& r : province.hitRects)
        p.drawRect(QRect(screenOffsetX + MapLeft + r.left, MapTop + r.top, r.right - r.left, r.bottom - r.top));
    p.restore();
}

}  // namespace view
