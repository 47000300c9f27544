#pragma once
// The holders' marks (client/HolderMarks.h) drawn: over a province's tint on
// the map, and as a sample beside the holder's name in the legend.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <optional>

#include "client/HolderMarks.h"

namespace view {

class Sprite;

// Fills `area` (layout pixels) with the mark in `ink`. The lines and dots
// stand on a grid fixed to the layout, so neighbouring lands of one holder
// read as one patterned field.
void drawMarkPattern(QPainter& p, const QRect& area, const HolderMark& mark, const QColor& ink);

// The mark over a tint drawn at (x, y), only where the tint covers the map.
void drawMarkOverTint(QPainter& p, const Sprite& tint, int x, int y, const HolderMark& mark);

// The legend's sample of a holder's land: its tint, framed, with its mark.
void drawMarkSample(QPainter& p, const QRect& box, const QColor& tint, const HolderMark& mark);

// The ink of the marks: dark enough to stand out on every tint.
QColor markInk();

}  // namespace view
