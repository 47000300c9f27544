#include "qtcommon/view/HolderPatterns.h"

#include <QImage>
#include <cmath>

#include "qtcommon/view/Graphic.h"

namespace view {

namespace {

// The first grid line at or before `from` of lines `spacing` apart through 0.
int gridStart(int from, int spacing) { return from - (((from % spacing) + spacing) % spacing); }

}  // namespace

QColor markInk() { return QColor(40, 28, 20, 200); }

void drawMarkPattern(QPainter& p, const QRect& area, const HolderMark& mark, const QColor& ink) {
    if (mark.pattern == MarkPattern::None || mark.spacing <= 0 || area.isEmpty()) return;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int s = mark.spacing;
    QPen pen(ink, mark.thickness, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const int left = area.left() - s, right = area.right() + s, top = area.top() - s, bottom = area.bottom() + s;
    const int h = bottom - top;
    switch (mark.pattern) {
        case MarkPattern::None: break;
        case MarkPattern::Dots: {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            const qreal r = mark.thickness / 2.0 + 0.5;
            for (int y = gridStart(top, s); y <= bottom; y += s) {
                // Every other row half a step along: a staggered field, not a grid of lines.
                const int shift = ((y / s) % 2 != 0) ? s / 2 : 0;
                for (int x = gridStart(left, s) + shift; x <= right; x += s) p.drawEllipse(QPointF(x, y), r, r);
            }
            break;
        }
        case MarkPattern::Horizontal:
            for (int y = gridStart(top, s); y <= bottom; y += s) p.drawLine(left, y, right, y);
            break;
        case MarkPattern::Cross:
            // Falling lines: x - y constant.
            for (int k = gridStart(left - bottom, s); k <= right - top; k += s)
                p.drawLine(k + top, top, k + bottom, bottom);
            [[fallthrough]];
        case MarkPattern::Diagonal:
            // Rising lines: x + y constant.
            for (int k = gridStart(left + top, s); k <= right + bottom; k += s)
                p.drawLine(k - bottom, bottom, k - bottom + h, top);
            break;
    }
    p.restore();
}

void drawMarkOverTint(QPainter& p, const Sprite& tint, int x, int y, const HolderMark& mark) {
    if (mark.pattern == MarkPattern::None || !tint.isLoaded()) return;
    // The marks are drawn at the painter's sharpness, then kept only where
    // the tint is opaque.
    const qreal scale = std::max<qreal>(1.0, p.deviceTransform().m11());
    const QSize size(int(std::ceil(tint.width() * scale)), int(std::ceil(tint.height() * scale)));
    QImage marks(size, QImage::Format_ARGB32_Premultiplied);
    marks.fill(Qt::transparent);
    {
        QPainter m(&marks);
        m.scale(scale, scale);
        m.translate(-x, -y);
        drawMarkPattern(m, QRect(x, y, tint.width(), tint.height()), mark, markInk());
        m.resetTransform();
        m.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        m.setRenderHint(QPainter::SmoothPixmapTransform, true);
        m.drawImage(QRect(QPoint(0, 0), size), tint.image());
    }
    p.drawImage(QRectF(x, y, tint.width(), tint.height()), marks);
}

void drawMarkSample(QPainter& p, const QRect& box, const QColor& tint, const HolderMark& mark) {
    p.save();
    p.fillRect(box, tint);
    drawMarkPattern(p, box, mark, markInk());
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.restore();
}

}  // namespace view
