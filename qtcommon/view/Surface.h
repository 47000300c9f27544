#pragma once
#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>

namespace view {

// An off-screen drawing surface addressed in layout pixels. Its image may hold
// more device pixels than layout pixels (a window scaled up, a high-DPI
// screen): painters it hands out are scaled so that every drawing routine keeps
// working in layout coordinates, and copies between surfaces of the same scale
// are exact pixel copies.
class Surface {
public:
    // What a new image holds. Black, unless whoever makes it draws every
    // layout pixel at once: then only the part device pixels past the layout's
    // right and bottom edges, which no layout rectangle reaches, are made black.
    enum class Start { Black, Unfilled };

    Surface() = default;
    Surface(QSize layoutSize, qreal scale) { reset(layoutSize, scale); }

    void reset(QSize layoutSize, qreal scale, Start start = Start::Black);
    QSize layoutSize() const { return size_; }
    qreal scale() const { return scale_; }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    bool isNull() const { return image_.isNull(); }

    // Device pixels covered by a layout rectangle.
    QRect toPixels(const QRect& layoutRect) const;

    // A painter in layout coordinates (antialiasing off, smooth picture scaling on).
    std::unique_ptr<QPainter> painter();

    // Copies the layout rectangle `from` of `source` to `to` on this surface,
    // replacing what was there (no blending).
    void copyFrom(const Surface& source, const QRect& from, QPoint to);

private:
    QSize size_;
    qreal scale_ = 1.0;
    QImage image_;
};

}  // namespace view
