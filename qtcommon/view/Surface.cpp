#include "qtcommon/view/Surface.h"

#include <cmath>

namespace view {

void Surface::reset(QSize layoutSize, qreal scale, Start start) {
    size_ = layoutSize;
    scale_ = scale > 0 ? scale : 1.0;
    const QSize pixels(int(std::ceil(layoutSize.width() * scale_)),
                       int(std::ceil(layoutSize.height() * scale_)));
    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (start == Start::Black) {
        image_.fill(Qt::black);
        return;
    }
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& edge : QRegion(image_.rect()).subtracted(toPixels(QRect(QPoint(0, 0), layoutSize))))
        p.fillRect(edge, Qt::black);
}

QRect Surface::toPixels(const QRect& r) const {
    const int left = int(std::floor(r.x() * scale_ + 0.5));
    const int top = int(std::floor(r.y() * scale_ + 0.5));
    const int right = int(std::floor((r.x() + r.width()) * scale_ + 0.5));
    const int bottom = int(std::floor((r.y() + r.height()) * scale_ + 0.5));
    return QRect(left, top, right - left, bottom - top);
}

std::unique_ptr<QPainter> Surface::painter() {
    auto p = std::make_unique<QPainter>(&image_);
    p->setRenderHint(QPainter::SmoothPixmapTransform, scale_ != 1.0);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->scale(scale_, scale_);
    return p;
}

void Surface::copyFrom(const Surface& source, const QRect& from, QPoint to) {
    if (image_.isNull() || source.image_.isNull()) return;
    const QRect src = source.toPixels(from);
    QRect dst = toPixels(QRect(to, from.size()));
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (src.size() == dst.size())
        p.drawImage(dst.topLeft(), source.image_, src);
    else
        p.drawImage(QRectF(dst), source.image_, QRectF(src));
}

}  // namespace view
