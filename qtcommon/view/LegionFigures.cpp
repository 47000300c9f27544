#include "qtcommon/view/LegionFigures.h"

#include <QPainterPath>
#include <cmath>

#include "client/MarchLines.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace view {

namespace {

// `scale`: device pixels per layout pixel. On a small window the badge grows
// in layout pixels so that its figures stay 12 device pixels tall or more.
QFont badgeFont(qreal scale) {
    // The map's serif has old-style figures, whose 3, 4, 5, 7 and 9 hang below
    // the line; counts are read in a serif with lining figures.
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(13, int(std::ceil(12 / std::max<qreal>(scale, 0.1)))));
    f.setBold(true);
    return f;
}

QPolygonF polygonOf(const std::vector<LayoutPointF>& points, int screenOffsetX) {
    QPolygonF polygon;
    for (const LayoutPointF& point : points) polygon << QPointF(screenOffsetX + point.x, point.y);
    return polygon;
}

}  // namespace

QPoint figureSpot(const Province& province) {
    const LayoutPoint c = figureCorner(province);
    return QPoint(c.x, c.y);
}

QRectF countPlaque(QPoint figure, const FigurePlace& place, const QString& text, qreal scale) {
    const QFontMetrics fm(badgeFont(scale));
    const int w = std::max(fm.horizontalAdvance(text) + 8, fm.height() + 2);
    const int h = fm.height() + 1;
    // Beside the figure's feet, as the old count was, or beside its head
    // under room for the pennant.
    const qreal x = place.badgeLeft ? figure.x() + CountBadgeLeftEdge - w : figure.x() + CountBadgeFoot.x;
    const qreal y = place.badgeHigh ? figure.y() + CountBadgeHighTop : figure.y() + CountBadgeFoot.y - h;
    return QRectF(x, y, w, h);
}

QRectF pennantOver(const QRectF& plaque) {
    const auto corners = pennant(plaque.left(), plaque.top());
    return QRectF(QPointF(corners[1].x, corners[1].y), QPointF(corners[2].x, corners[0].y));
}

QRect pickUpBox(const Province& province) { return QRect(figureSpot(province), QSize(PickUpBoxWidth, PickUpBoxHeight)); }


QString stackCountText(const RomanStack& stack) { return QString::fromStdString(stackCountLabel(stack)); }

void drawCountBadge(QPainter& p, QPoint figure, const FigurePlace& place, const QString& text, bool marching) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal scale = p.deviceTransform().m11();
    p.setFont(badgeFont(scale));
    const QRectF plaque = countPlaque(figure, place, text, scale);
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(255, 250, 235));
    p.drawRoundedRect(plaque, 5, 5);
    p.setPen(Qt::black);
    p.drawText(plaque, Qt::AlignCenter, text);
    if (marching) {
        // A marching stack carries a red pennant over the plaque.
        const auto corners = pennant(plaque.left(), plaque.top());
        QPainterPath flag;
        flag.moveTo(corners[0].x, corners[0].y);
        for (std::size_t i = 1; i < corners.size(); ++i) flag.lineTo(corners[i].x, corners[i].y);
        p.setPen(QPen(QColor::fromRgba(PennantRim), PennantRimWidth));
        p.setBrush(QColor::fromRgba(PennantCloth));
        p.drawPath(flag);
    }
    p.restore();
}

void drawMarches(QPainter& p, const Game& game, int screenOffsetX) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(QRect(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight));
    const QColor ink = QColor::fromRgba(MarchInk);
    for (const MarchLine& march : marchLines(game)) {
        const QPolygonF line = polygonOf(march.points, screenOffsetX);
        p.setPen(QPen(QColor::fromRgba(MarchBand), MarchBandWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        // Qt's dash line is MarchDashes.
        p.setPen(QPen(ink, MarchLineWidth, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        if (march.head.empty()) continue;
        p.setPen(QPen(QColor::fromRgba(MarchHeadRim), MarchHeadRimWidth));
        p.setBrush(ink);
        p.drawPolygon(polygonOf(march.head, screenOffsetX));
    }
    p.restore();
}

void drawCarriedFigure(QPainter& p, const Pictures& pictures, QPoint at) {
    p.save();
    p.setOpacity(0.8);
    pictures.icon(RomanActive).drawTransparent(p, at.x() - 17, at.y() - 40, false);
    p.restore();
}

}  // namespace view
