#pragma once
// Where the legion figures of a province stand in the window and what they
// say. The rules keep their own legion spots (the terminal edition's orders
// and saved games rely on them); the window moves a few figures that would
// stand mostly on a neighbour or on a province's name, and the boxes a press
// and a drop are read in move with them.
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>

#include "client/FigureCounts.h"
#include "client/FigureStack.h"
#include "client/ScreenLayout.h"

class Game;
class Province;

namespace view {

class Pictures;

// Map point of the top-left corner of a province's figures.
QPoint figureSpot(const Province& province);
// The count badge's plaque of a province's figure in map pixels, drawn at
// `scale` device pixels per layout pixel (the box a press reads,
// FigureStack.h), and the pennant a marching stack flies over it.
QRectF countPlaque(const Province& province, const QString& text, qreal scale);
QRectF pennantOver(const QRectF& plaque);
// The frame of the keyboard's highlight in map pixels (74 x 60, as the
// rules' legion box, moved with the figure).
QRect pickUpBox(const Province& province);

// A count badge on its plaque in layout pixels: lining figures on a white
// plaque the window scales with everything else.
void drawCountBadge(QPainter& p, const QRectF& plaque, const QString& text, bool marching);
// A dashed route with an arrowhead from every marching Roman legion to its
// destination, drawn under the figures.
void drawMarches(QPainter& p, const Game& game, int screenOffsetX);
// The figure carried by the pointer during a drag, centred on `layoutPoint`.
void drawCarriedFigure(QPainter& p, const Pictures& pictures, QPoint layoutPoint);

}  // namespace view
