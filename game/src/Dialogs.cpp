#include "game/src/Dialogs.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "qtcommon/PrefectDialog.h"
#include "client/LessonTexts.h"
#include "qtcommon/Languages.h"
#include "client/PictureWords.h"
#include "rules/LessonTable.h"

namespace {
const QRect PlayButton(75, 18, 25, 25);
const QRect NoSoundNote(106, 18, 290, 25);
}  // namespace

PictureDialog::PictureDialog(QWidget* parent, const view::Pictures& pictures, int pictureId, QSize size,
                             const QString& caption, bool borderless, int timeoutMs)
    : QDialog(parent), pictures_(pictures), picture_(pictureId), size_(size), borderless_(borderless),
      scale_(borderless ? 1.0 : dialogScaleFor(parent)) {
    // The picture's words in the windows' language, where it is drawn in it.
    language_ = uiLanguage();
    setWindowTitle(caption);
    setAccessibleName(caption);
    if (pictureId == AboutPicture) setAccessibleDescription(creditsText());
    if (borderless) setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    else setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    int strip = 0;
    if (!borderless) {
        // Spelled out: lupdate files a base class's tr() under the derived class declared after it.
        close_ = new QPushButton(pictureId == IntroductionPicture ? QCoreApplication::translate("PictureDialog", "Continue")
                                                                  : QCoreApplication::translate("PictureDialog", "Close"),
                                 this);
        close_->setStyleSheet(parchmentButtonStyle(scale_));
        QFont f = view::screenFont();
        f.setPixelSize(view::textPixels(int(18 * scale_ + 0.5)));
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

QString PictureDialog::creditsText() {
    QStringList lines;
    for (const std::string& line : creditsInWords())
        lines << QCoreApplication::translate("PictureWords", line.c_str());
    return lines.join(QLatin1Char(' '));
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
    const auto& g = pictures_.graphic(picture_, language_);
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
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    // Enter presses the button that has the focus, which is Close unless
    // the player moved on to another.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && focused && focused != close_) focused->click();
    else if (borderless_ || enter) accept();
    else QDialog::keyPressEvent(e);
}

LessonDialog::LessonDialog(QWidget* parent, const view::Pictures& pictures, GameSounds& sounds, int picture)
    : PictureDialog(parent, pictures, picture, QSize(600, 400), QString(), false, 0), sounds_(sounds),
      picture_(picture) {
    // The words of the picture, for a reader who cannot see it, and its
    // narration, in the language the picture is drawn in.
    int year = 235;
    for (const Lesson& l : LessonTable)
        if (l.picture == picture) year = l.year;
    if (const LessonText* words = lessonTextOfYear(year, language_.toStdString())) {
        setAccessibleName(QString::fromUtf8(words->title));
        setAccessibleDescription(QStringLiteral("%1. %2").arg(QString::fromUtf8(words->dates), QString::fromUtf8(words->text)));
    }
    if (picture_ == IntroductionPicture) {
        sounds_.backend().play(QString::fromUtf8(IntroductionMusic), SoundBackend::Mode::Loop);
        return;
    }
    setWindowTitle(tr("History Lesson"));
    // The narration's button, for the keyboard and a screen reader, beside Close.
    narration_ = new QPushButton(this);
    narration_->setStyleSheet(closeButton()->styleSheet());
    narration_->setFont(closeButton()->font());
    connect(narration_, &QPushButton::clicked, this, [this] { clickAt(PlayButton.center()); });
    showNarrationState();
    overlay = [this, &pictures](QPainter& p) {
        pictures.graphic(narrationPlaying_ ? StopPicture : PlayPicture).draw(p, PlayButton.x(), PlayButton.y());
        if (!silenceShown_) return;
        // The button cannot play on this machine: it says so beside itself.
        QFont f = view::screenFont();
        f.setPixelSize(14);
        const QRect note = NoSoundNote.adjusted(6, 0, -6, 0);
        const QString text = tr("No sound device: the narration cannot play");
        p.setFont(view::fittedFont(f, text, note.width()));
        p.fillRect(NoSoundNote, QColor(246, 234, 204, 235));
        p.setPen(QColor(110, 20, 20));
        p.drawText(note, Qt::AlignVCenter | Qt::AlignLeft, text);
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
        const QString name = GameSounds::narrationFor(picture_, language_);
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
    showNarrationState();
}

void LessonDialog::showNarrationState() {
    if (!narration_) return;
    narration_->setText(narrationPlaying_ ? tr("&Stop narration") : tr("&Play narration"));
    narration_->setAccessibleDescription(silenceShown_ ? tr("No sound device: the narration cannot play") : QString());
    narration_->resize(narration_->sizeHint());
    QPushButton* close = closeButton();
    // Side by side, centred under the picture.
    const int gap = close->height() / 2;
    const int left = (width() - narration_->width() - gap - close->width()) / 2;
    narration_->move(left, close->y());
    close->move(left + narration_->width() + gap, close->y());
}

void LessonDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) clickAt(toPicture(e->position().toPoint()));
}

void LessonDialog::done(int r) {
    narrationPlaying_ = false;
    sounds_.backend().stop();
    QDialog::done(r);
}
