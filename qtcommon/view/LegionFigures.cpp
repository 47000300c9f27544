#include "qtcommon/view/LegionFigures.h"

#include <QPainterPath>

#include "client/MarchLines.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace view {

namespace {

// Counts are read in a serif with lining figures: the map's serif has
// old-style figures, whose 3, 4, 5, 7 and 9 hang below the line. The text is
// made smaller where a font is wider than the plaque allows.
QFont badgeFont(int pixels, const QString& text, qreal width) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman")});
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    for (f.setPixelSize(pixels); pixels > 6 && QFontMetricsF(f).horizontalAdvance(text) > width - 4;)
        f.setPixelSize(--pixels);
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

QRectF countPlaque(const Province& province, const QString& text, qreal scale) {
    const LayoutRect r = countPlaqueBox(province, text.toStdString(), countFontPixels(scale));
    return QRectF(r.x, r.y, r.w, r.h);
}

QRectF pennantOver(const QRectF& plaque) {
    const auto corners = pennant(plaque.left(), plaque.top());
    return QRectF(QPointF(corners[1].x, corners[1].y), QPointF(corners[2].x, corners[0].y));
}

QRect pickUpBox(const Province& province) { return QRect(figureSpot(province), QSize(PickUpBoxWidth, PickUpBoxHeight)); }

void drawCountBadge(QPainter& p, const QRectF& plaque, const QString& text, bool marching) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(badgeFont(countFontPixels(p.deviceTransform().m11()), text, plaque.width()));
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
    // Within any clip the painter already has: a screen redrawing a part.
    p.setClipRect(QRect(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight), Qt::IntersectClip);
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
