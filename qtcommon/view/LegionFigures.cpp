#include "qtcommon/view/LegionFigures.h"

#include <QPainterPath>
#include <cmath>

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

QPointF centreOf(const Province& province, int screenOffsetX) {
    const QPoint s = figureSpot(province);
    return QPointF(screenOffsetX + MapLeft + s.x() + 17.5, MapTop + s.y() + 40);
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

QRectF pennantOver(const QRectF& plaque) { return QRectF(plaque.left() + 3, plaque.top() - 14, 12, 14); }

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
        const QRectF pole = pennantOver(plaque);
        QPainterPath flag;
        flag.moveTo(pole.bottomLeft());
        flag.lineTo(pole.topLeft());
        flag.lineTo(pole.right(), pole.top() + 4);
        flag.lineTo(pole.left(), pole.top() + 8);
        p.setPen(QPen(QColor(90, 10, 10), 1.5));
        p.setBrush(QColor(200, 30, 30));
        p.drawPath(flag);
    }
    p.restore();
}

void drawMarches(QPainter& p, const Game& game, int screenOffsetX) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(QRect(screenOffsetX + MapLeft, MapTop, MapWidth, MapHeight));
    const QColor ink(150, 20, 20);
    for (const auto& l : game.romans.legions) {
        if (!l->hasRoute) continue;
        QPolygonF line;
        line << centreOf(*l->province, screenOffsetX);
        for (std::size_t i = std::size_t(l->routeIndex) + 1; i < l->route.size(); ++i)
            line << centreOf(*l->route[i], screenOffsetX);
        if (line.size() < 2) continue;
        p.setPen(QPen(QColor(255, 245, 220, 200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        p.setPen(QPen(ink, 2.5, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        // The arrowhead at the destination.
        const QPointF tip = line.back();
        const QPointF d = tip - line[line.size() - 2];
        const qreal length = std::hypot(d.x(), d.y());
        if (length < 1) continue;
        const QPointF u = d / length;
        const QPointF n(-u.y(), u.x());
        QPolygonF head;
        head << tip << tip - u * 14 + n * 7 << tip - u * 14 - n * 7;
        p.setPen(QPen(QColor(255, 245, 220), 1.5));
        p.setBrush(ink);
        p.drawPolygon(head);
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
