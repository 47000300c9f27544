#include "qtcommon/view/Graphic.h"

#include <QFile>

#include "client/TintTable.h"

namespace view {

namespace {

QImage readPicture(const QString& root, const QString& stem) {
    const QString path = root + QLatin1Char('/') + stem + QStringLiteral(".png");
    if (!QFile::exists(path)) return {};
    QImage image(path);
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

Graphic::Graphic(int id, int width, int height)
    : id_(id), stem_(QString::number(id)), width_(width), height_(height) {}

bool Graphic::load(const QString& root) {
    image_ = readPicture(root, stem_);
    sharp_ = image_.isNull() ? QImage() : readPicture(root, stem_ + QStringLiteral("@2x"));
    return !image_.isNull();
}

bool Graphic::wantsSharp(const QPainter& target) { return target.deviceTransform().m11() > 1.5; }

const QImage& Graphic::imageFor(const QPainter& target) const {
    return !sharp_.isNull() && wantsSharp(target) ? sharp_ : image_;
}

void Graphic::draw(QPainter& target, int x, int y) const {
    if (image_.isNull()) {
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
    const bool ok = Graphic::load(root);
    mirrored_ = ok ? image_.mirrored(true, false) : QImage();
    sharpMirrored_ = sharp_.isNull() ? QImage() : sharp_.mirrored(true, false);
    return ok;
}

void Sprite::drawTransparent(QPainter& target, int x, int y, bool mirror) const {
    if (image_.isNull()) {
        drawPlaceholder(target, x, y, true);
        return;
    }
    const bool sharp = !sharp_.isNull() && wantsSharp(target);
    const QImage& picture = mirror ? (sharp ? sharpMirrored_ : mirrored_) : (sharp ? sharp_ : image_);
    target.drawImage(QRect(x, y, width(), height()), picture);
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
