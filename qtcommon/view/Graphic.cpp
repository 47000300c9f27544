#include "qtcommon/view/Graphic.h"

#include <QFile>

#include "client/TintTable.h"

namespace view {

namespace {

QString picturePath(const QString& root, const QString& stem) {
    const QString path = root + QLatin1Char('/') + stem + QStringLiteral(".png");
    return QFile::exists(path) ? path : QString();
}

}  // namespace

Graphic::Graphic(int id, int width, int height)
    : id_(id), stem_(QString::number(id)), width_(width), height_(height) {}

const QImage& Graphic::Density::get() const {
    if (!decoded) {
        decoded = true;
        if (!path.isEmpty()) {
            // Converted where it was decoded: a second copy of a large
            // picture costs as much memory as the first.
            QImage read(path);
            if (!read.isNull()) {
                read.convertTo(QImage::Format_ARGB32_Premultiplied);
                image = std::move(read);
            }
        }
    }
    return image;
}

bool Graphic::load(const QString& root) {
    plain_ = Density{picturePath(root, stem_)};
    sharp_ = Density{plain_.path.isEmpty() ? QString() : picturePath(root, stem_ + QStringLiteral("@2x"))};
    return !plain_.path.isEmpty();
}

const QImage& Graphic::image() const { return plain_.get(); }

// A twin stands only beside a picture that reads.
const QImage& Graphic::sharp() const {
    static const QImage none;
    return image().isNull() ? none : sharp_.get();
}

bool Graphic::wantsSharp(const QPainter& target) { return target.deviceTransform().m11() > 1.5; }

const QImage& Graphic::imageFor(const QPainter& target) const {
    if (wantsSharp(target) && !sharp().isNull()) return sharp();
    return image();
}

void Graphic::draw(QPainter& target, int x, int y) const {
    if (image().isNull()) {
        drawPlaceholder(target, x, y, false);
        return;
    }
    target.drawImage(QRect(x, y, width_, height_), imageFor(target));
}

// Magenta frame, a cross and the picture's name: nobody mistakes it for art,
// and the layout keeps the picture's exact place and size.
void Graphic::drawPlaceholder(QPainter& target, int x, int y, bool seeThrough) const {
    target.save();
    const QRect r(x, y, width_, height_);
    target.fillRect(r, seeThrough ? QColor(255, 0, 255, 60) : QColor(64, 64, 64));
    QPen pen(QColor(255, 0, 255));
    pen.setWidth(1);
    target.setPen(pen);
    target.setBrush(Qt::NoBrush);
    target.drawRect(r.adjusted(0, 0, -1, -1));
    target.drawLine(r.topLeft(), r.bottomRight());
    target.drawLine(r.topRight(), r.bottomLeft());
    if (width_ >= 18 && height_ >= 10) {
        QFont f = target.font();
        f.setPixelSize(qBound(8, height_ / 4, 14));
        f.setBold(true);
        target.setFont(f);
        target.setPen(Qt::white);
        target.drawText(r, Qt::AlignCenter, QStringLiteral("[%1]").arg(stem_));
    }
    target.restore();
}

Sprite::Sprite(int id, int maskId, int width, int height) : Graphic(id, width, height), maskId_(maskId) {}


bool Sprite::load(const QString& root) {
    mirrored_ = sharpMirrored_ = QImage();
    return Graphic::load(root);
}

const QImage& Sprite::mirroredFor(const QImage& picture) const {
    QImage& mirrored = &picture == &image() ? mirrored_ : sharpMirrored_;
    if (mirrored.isNull()) mirrored = picture.mirrored(true, false);
    return mirrored;
}

void Sprite::drawTransparent(QPainter& target, int x, int y, bool mirror) const {
    if (image().isNull()) {
        drawPlaceholder(target, x, y, true);
        return;
    }
    const QImage& picture = imageFor(target);
    target.drawImage(QRect(x, y, width(), height()), mirror ? mirroredFor(picture) : picture);
}

Animation::Animation(const std::vector<std::pair<int, int>>& frames, int width, int height) {
    for (const auto& [id, mask] : frames) frames_.push_back(std::make_unique<Sprite>(id, mask, width, height));
}

void Animation::load(const QString& root) {
    for (auto& f : frames_) f->load(root);
}

ProvinceSprites::ProvinceSprites() {
    entries_.reserve(TintTable.size());
    for (const TintSpec& t : TintTable) {
        Entry e{std::string(t.name), t.plainId, t.yellowId, t.blueId, t.maskId, t.width, t.height, t.windowX,
                t.windowY, {}};
        e.sprites[0] = std::make_unique<Sprite>(t.plainId, t.maskId, t.width, t.height);
        e.sprites[1] = std::make_unique<Sprite>(t.yellowId, t.maskId, t.width, t.height);
        e.sprites[2] = std::make_unique<Sprite>(t.blueId, t.maskId, t.width, t.height);
        entries_.push_back(std::move(e));
    }
}

void ProvinceSprites::load(const QString& root) {
    for (auto& e : entries_)
        for (auto& s : e.sprites) s->load(root);
}

const ProvinceSprites::Entry* ProvinceSprites::find(const std::string& province) const {
    for (const auto& e : entries_)
        if (e.province == province) return &e;
    return nullptr;
}

const Sprite* ProvinceSprites::spriteFor(const std::string& province, int colour) const {
    const Entry* e = find(province);
    if (!e) return nullptr;
    switch (colour) {
        case 1: return e->sprites[1].get();
        case 2: return e->sprites[2].get();
        case 3: return e->sprites[0].get();
        default: return nullptr;
    }
}

}  // namespace view
