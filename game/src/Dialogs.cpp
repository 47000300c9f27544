#include "game/src/Dialogs.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "qtcommon/PrefectDialog.h"
#include "rules/LessonTable.h"

namespace {
const QRect PlayButton(75, 18, 25, 25);
const QRect NoSoundNote(106, 18, 290, 25);
}  // namespace

PictureDialog::PictureDialog(QWidget* parent, const view::Pictures& pictures, int pictureId, QSize size,
                             const QString& caption, bool borderless, int timeoutMs)
    : QDialog(parent), pictures_(pictures), picture_(pictureId), size_(size), borderless_(borderless),
      scale_(borderless ? 1.0 : dialogScaleFor(parent)) {
    setWindowTitle(caption);
    if (borderless) setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    else setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    int strip = 0;
    if (!borderless) {
        close_ = new QPushButton(pictureId == IntroductionPicture ? tr("Continue") : tr("Close"), this);
        close_->setStyleSheet(parchmentButtonStyle(scale_));
        QFont f = view::screenFont();
        f.setPixelSize(int(18 * scale_ + 0.5));
        close_->setFont(f);
        close_->setDefault(true);
        close_->resize(close_->sizeHint());
        strip = close_->height() + int(16 * scale_);
        connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    }
    const QRect picture = pictureRect();
    setFixedSize(picture.width(), picture.height() + strip);
    if (close_) close_->move((width() - close_->width()) / 2, picture.bottom() + 1 + (strip - close_->height()) / 2);
    if (timeoutMs > 0) QTimer::singleShot(timeoutMs, this, [this] { accept(); });
}

QRect PictureDialog::pictureRect() const {
    return QRect(0, 0, int(size_.width() * scale_ + 0.5), int(size_.height() * scale_ + 0.5));
}

QPoint PictureDialog::toPicture(QPoint p) const {
    return QPoint(int(std::floor(p.x() / scale_)), int(std::floor(p.y() / scale_)));
}

void PictureDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centreOver(this, parentWidget());
}

void PictureDialog::paintEvent(QPaintEvent*) {
    if (close_) paintParchment(this, scale_);
    QPainter p(this);
    const QRect area = pictureRect();
    p.fillRect(area, Qt::black);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto& g = pictures_.graphic(picture_);
    p.save();
    p.scale(double(area.width()) / g.width(), double(area.height()) / g.height());
    g.draw(p, 0, 0);
    p.restore();
    if (overlay) {
        p.scale(scale_, scale_);
        overlay(p);
    }
}

void PictureDialog::repaintPicture(QRect pictureArea) {
    update(QRectF(pictureArea.x() * scale_, pictureArea.y() * scale_, pictureArea.width() * scale_,
                  pictureArea.height() * scale_)
               .toAlignedRect());
}

void PictureDialog::mousePressEvent(QMouseEvent* e) {
    if (borderless_) accept();
    else QDialog::mousePressEvent(e);
}

void PictureDialog::keyPressEvent(QKeyEvent* e) {
    if (borderless_ || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) accept();
    else QDialog::keyPressEvent(e);
}

LessonDialog::LessonDialog(QWidget* parent, const view::Pictures& pictures, GameSounds& sounds, int picture)
    : PictureDialog(parent, pictures, picture, QSize(600, 400), QString(), false, 0), sounds_(sounds),
      picture_(picture) {
    if (picture_ == IntroductionPicture) {
        sounds_.backend().play(QString::fromUtf8(IntroductionMusic), SoundBackend::Mode::Loop);
        return;
    }
    setWindowTitle(tr("History Lesson"));
    overlay = [this, &pictures](QPainter& p) {
        pictures.graphic(narrationPlaying_ ? StopPicture : PlayPicture).draw(p, PlayButton.x(), PlayButton.y());
        if (!silenceShown_) return;
        // The button cannot play on this machine: it says so beside itself.
        QFont f = view::screenFont();
        f.setPixelSize(14);
        p.setFont(f);
        const QRect note = NoSoundNote;
        p.fillRect(note, QColor(246, 234, 204, 235));
        p.setPen(QColor(110, 20, 20));
        p.drawText(note.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, tr("No sound device: the narration cannot play"));
    };
}

void LessonDialog::clickAt(QPoint pt) {
    // The introduction has no button and no narration.
    if (picture_ == IntroductionPicture) return;
    if (!PlayButton.contains(pt)) return;
    if (narrationPlaying_) {
        sounds_.backend().stop();
        narrationPlaying_ = false;
    } else {
        const QString name = GameSounds::narrationFor(picture_);
        if (!name.isEmpty()) sounds_.backend().play(name, SoundBackend::Mode::Async);
        // Without an audio output nothing plays: the button stays at play.
        narrationPlaying_ = sounds_.backend().hasOutput();
        if (!narrationPlaying_) {
            sounds_.tellNoAudioOnce();
            silenceShown_ = true;
            repaintPicture(NoSoundNote);
        }
    }
    repaintPicture(PlayButton);
}

void LessonDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) clickAt(toPicture(e->position().toPoint()));
}

void LessonDialog::done(int r) {
    narrationPlaying_ = false;
    sounds_.backend().stop();
    QDialog::done(r);
}
