#include "game/view/LegionFigures.h"

#include <QPainterPath>
#include <cmath>
#include <cstring>

#include "game/view/MapDrawing.h"
#include "engine/Game.h"

namespace view {

namespace {

// Figures the rules place mostly over a neighbour or over a name painted on
// the map, moved (in map pixels) onto their own land, and the badges that
// would touch a name or a neighbour's figure moved to another side. Where a
// province is too small for a figure between the names (Belgica, the Lower
// Rhine, Pontus), the figure keeps clear of the names and stands on its own
// land as far as it can.
struct Placement {
    const char* province;
    FigurePlace place;
};
constexpr Placement placements[] = {
    {"Terraconensis", {0, -3, false, false}},
    {"Upper Rhine", {0, -57, false, true}},     // above its name
    {"Mauretania", {-63, 19, true, false}},     // west of its name
    {"Africa", {-2, 2, false, false}},
    {"Dalmatia", {0, 0, true, true}},
    {"Macedonia", {0, -6, false, false}},       // above its name
    {"Pontus", {-35, 0, true, false}},         // on its coast, west of its name
    {"Palestina", {1, -6, false, false}},
    {"Armenia", {7, 0, true, false}},
    {"Syria", {1, -6, false, false}},
    {"Dacia", {-17, 3, false, true}},
    {"Pannonia", {-24, 0, true, false}},
    {"Britannia", {0, -6, false, false}},
    {"Thracia", {-31, 0, false, true}},         // off Dacia, west of its name
    {"Belgica", {12, 60, false, false}},        // under its name
    {"Lower Rhine", {20, 30, true, true}},      // between Belgica's name and the Upper Rhine's
    {"Lugdunensis", {0, 6, false, false}},
    {"Narbonensis", {0, -6, false, false}},
    {"Raetia", {0, -6, false, false}},
    {"Lydia", {28, 2, false, false}},
    {"Mesopotamia", {-5, 0, false, false}},
    {"Phrygia", {0, -6, false, false}},
    {"Cappadocia", {-18, 1, true, false}},
};

// The widest legion icon and the tallest.
constexpr int FigureWidth = 43;
constexpr int FigureHeight = 65;

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

FigurePlace figurePlace(std::string_view province) {
    for (const Placement& p : placements)
        if (province == p.province) return p.place;
    return {};
}

QPoint figureSpot(const Province& province) {
    const FigurePlace place = figurePlace(province.name());
    return QPoint(province.legionX() + place.dx, province.legionY() + place.dy);
}

QRectF countPlaque(QPoint figure, const FigurePlace& place, const QString& text, qreal scale) {
    const QFontMetrics fm(badgeFont(scale));
    const int w = std::max(fm.horizontalAdvance(text) + 8, fm.height() + 2);
    const int h = fm.height() + 1;
    // Beside the figure's feet, as the old count was, or beside its head
    // under room for the pennant.
    const qreal x = place.badgeLeft ? figure.x() + 4 - w : figure.x() + 34;
    const qreal y = place.badgeHigh ? figure.y() + 15 : figure.y() + 64 - h;
    return QRectF(x, y, w, h);
}

QRectF pennantOver(const QRectF& plaque) { return QRectF(plaque.left() + 3, plaque.top() - 14, 12, 14); }

QRect pickUpBox(const Province& province) { return QRect(figureSpot(province), QSize(74, 60)); }

Province* pickUpBoxAt(const Game& game, QPoint m) {
    for (Province* p : game.provinceTable)
        if (p && pickUpBox(*p).contains(m)) return p;
    return nullptr;
}

Province* figureAt(const Game& game, QPoint m) {
    for (Province* p : game.provinceTable) {
        if (!p) continue;
        bool anyone = false;
        for (const Empire* e : {static_cast<const Empire*>(&game.romans), static_cast<const Empire*>(&game.barbarians),
                                static_cast<const Empire*>(&game.sassanids), static_cast<const Empire*>(&game.rogueRomans)})
            anyone = anyone || e->countLegionsIn(*p) > 0;
        // The icon, and the count badge at its feet.
        const QPoint s = figureSpot(*p);
        const QRect icon(s, QSize(FigureWidth, FigureHeight));
        const QRect badge = countPlaque(s, figurePlace(p->name()), QStringLiteral("00"), 1).toAlignedRect();
        if (anyone && (icon.contains(m) || badge.contains(m))) return p;
    }
    return nullptr;
}

RomanStack romanStack(const Game& game, const Province& province) {
    RomanStack s;
    for (const auto& l : game.romans.legions) {
        if (!l->province->sameAs(province)) continue;
        ++s.total;
        if (l->hasRoute) ++s.marching;
        else if (!l->moved) ++s.ready;
    }
    return s;
}

QString stackCountText(const RomanStack& stack) {
    if (stack.ready == stack.total) return QString::number(stack.total);
    return QStringLiteral("%1/%2").arg(stack.ready).arg(stack.total);
}

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
