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
#include "client/ScreenLayout.h"

class Game;
class Province;

namespace view {

class Pictures;

// Map point of the top-left corner of a province's figures.
QPoint figureSpot(const Province& province);
// The count badge's plaque for a figure whose corner is at `figure`, drawn at
// `scale` device pixels per layout pixel, and the pennant a marching stack
// flies over it.
QRectF countPlaque(QPoint figure, const FigurePlace& place, const QString& text, qreal scale);
QRectF pennantOver(const QRectF& plaque);
// The box a press picks the province's legions up in, in map pixels (74 x 60,
// as the rules' legion box, moved with the figure).
QRect pickUpBox(const Province& province);

// "ready/total" when some legions cannot take an order, else the total
// (RomanStack and romanStack are in FigureCounts.h).
QString stackCountText(const RomanStack& stack);

// The count badge beside a figure whose corner is at layout point `figure`:
// lining figures on a white plaque the window scales with everything else.
void drawCountBadge(QPainter& p, QPoint figure, const FigurePlace& place, const QString& text, bool marching);
// A dashed route with an arrowhead from every marching Roman legion to its
// destination, drawn under the figures.
void drawMarches(QPainter& p, const Game& game, int screenOffsetX);
// The figure carried by the pointer during a drag, centred on `layoutPoint`.
void drawCarriedFigure(QPainter& p, const Pictures& pictures, QPoint layoutPoint);

}  // namespace view
