#include "game/src/ScreenAreas.h"

#include <cstring>

namespace screenareas {

namespace {

// Small enough that a moved figure or a changed count costs little to show,
// large enough that a whole changed screen stays a few hundred rectangles.
constexpr int Tile = 64;

bool sameDevicePixels(const QImage& a, const QImage& b, const QRect& r) {
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        if (std::memcmp(a.constScanLine(y) + r.left() * 4, b.constScanLine(y) + r.left() * 4, bytes) != 0)
            return false;
    return true;
}

}  // namespace

QRegion differingTiles(const view::Surface& a, const view::Surface& b) {
    const QRect all(QPoint(0, 0), a.layoutSize());
    if (a.layoutSize() != b.layoutSize() || a.image().size() != b.image().size() ||
        a.image().format() != b.image().format())
        return QRegion(all);
    const QRect pixels = a.image().rect();
    QRegion differing;
    for (int y = 0; y < all.height(); y += Tile)
        for (int x = 0; x < all.width(); x += Tile) {
            const QRect tile = QRect(x, y, Tile, Tile).intersected(all);
            const QRect device = a.toPixels(tile).intersected(pixels);
            if (!device.isEmpty() && !sameDevicePixels(a.image(), b.image(), device)) differing += tile;
        }
    return differing;
}

void copyArea(view::Surface& to, const view::Surface& from, const QRegion& area) {
    for (const QRect& r : area) to.copyFrom(from, r, r.topLeft());
}

QRegion devicePixels(const view::Surface& surface, const QRegion& area) {
    QRegion device;
    for (const QRect& r : area) device += surface.toPixels(r);
    return device;
}

}  // namespace screenareas
