#pragma once
// The bookkeeping of a screen drawn in layers: copying only the parts that
// changed.
#include <QRegion>

#include "qtcommon/view/Surface.h"

namespace screenareas {

// Copies the parts of `from` in `area` to the same places on `to`.
void copyArea(view::Surface& to, const view::Surface& from, const QRegion& area);

// Device pixels of a layout area, for clipping a painter of the surface.
QRegion devicePixels(const view::Surface& surface, const QRegion& area);

}  // namespace screenareas
