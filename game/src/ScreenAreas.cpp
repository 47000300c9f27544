#include "game/src/ScreenAreas.h"

namespace screenareas {

void copyArea(view::Surface& to, const view::Surface& from, const QRegion& area) {
    for (const QRect& r : area) to.copyFrom(from, r, r.topLeft());
}

QRegion devicePixels(const view::Surface& surface, const QRegion& area) {
    QRegion device;
    for (const QRect& r : area) device += surface.toPixels(r);
    return device;
}

}  // namespace screenareas
