#pragma once
// The bookkeeping of a screen drawn in layers: which parts of two surfaces
// differ, and copying only those parts.
#include <QRegion>

#include "qtcommon/view/Surface.h"

namespace screenareas {

// The tiles (layout pixels) in which two surfaces of one size and scale
// differ; everything when their sizes differ.
QRegion differingTiles(const view::Surface& a, const view::Surface& b);

// Copies the parts of `from` in `area` to the same places on `to`.
void copyArea(view::Surface& to, const view::Surface& from, const QRegion& area);

// Device pixels of a layout area, for clipping a painter of the surface.
QRegion devicePixels(const view::Surface& surface, const QRegion& area);

}  // namespace screenareas
