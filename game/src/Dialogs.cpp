#include "game/src/Dialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "rules/LessonTable.h"
#include "game/src/Sound.h"
#include "game/view/MapDrawing.h"

namespace {

QRect screenOf(const QWidget* reference) {
    QScreen* s = reference ? reference->screen() : nullptr;
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, view::LayoutWidth, view::LayoutHeight);
}

// Draws a picture, or a marked placeholder, scaled into the widget's area.
void paintPicture(QWidget* w, const view::Pictures& pictures, int id, QPainter& p) {
    const view::Graphic& g = pictures.graphic(id);
    p.save();
    p.scale(double(w->width()) / g.width(), double(w->height()) / g.height());
    g.draw(p, 0, 0);
    p.restore();
}

}  // namespace

QPoint advisorDialogCorner(const QWidget* reference) {
    const QRect s = screenOf(reference);
    return QPoint(s.x() + s.width() / 2 - 300, s.y() + s.height() / 2 - 200);
}

void centreOnScreen(QWidget* dialog, const QWidget* reference) {
    const QRect s = screenOf(reference);
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(s.center());
    dialog->move(frame.topLeft());
}

PictureDialog::PictureDialog(QWidget* parent, const view::Pictures& pictures, int pictureId, QSize size,
                             const QString& caption, bool borderless, int timeoutMs)
    : QDialog(parent), pictures_(pictures), picture_(pictureId), borderless_(borderless), reference_(parent) {
    setWindowTitle(caption);
    if (borderless) setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(size);
    if (timeoutMs > 0) QTimer::singleShot(timeoutMs, this, [this] { accept(); });
}

void PictureDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centreOnScreen(this, reference_);
}

void PictureDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    paintPicture(this, pictures_, picture_, p);
    if (overlay) overlay(p);
}

void PictureDialog::mousePressEvent(QMouseEvent* e) {
    if (borderless_) accept();
    else QDialog::mousePressEvent(e);
}

void PictureDialog::keyPressEvent(QKeyEvent* e) {
    // Enter is OK, as Escape is Cancel: a picture has no buttons of its own.
    if (borderless_ || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) accept();
    else QDialog::keyPressEvent(e);
}

AdvisorDialog::AdvisorDialog(QWidget* parent, const view::Pictures& pictures, Kind kind, const QString& text,
                             const QString& yesLabel, const QString& noLabel)
    : QDialog(parent), kind_(kind) {
    setWindowTitle(QStringLiteral("Message from the Praetorian Prefect"));
    auto* portrait = new QLabel(this);
    const view::Graphic& g = pictures.graphic(182);
    QPixmap pm(g.width(), g.height());
    pm.fill(Qt::transparent);
    {
        QPainter pp(&pm);
        g.draw(pp, 0, 0);
    }
    portrait->setPixmap(pm);
    edit_ = new QPlainTextEdit(this);
    edit_->setReadOnly(true);
    edit_->setPlainText(text);
    edit_->setFocusPolicy(Qt::NoFocus);
    QFont f = font();
    f.setPixelSize(12);
    edit_->setFont(f);
    // The layout of the dialog templates, widened so that the advisor's
    // longest lines fit without wrapping.
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (kind == Message) {
        setFixedSize(560, 190);
        portrait->setGeometry(10, 13, 68, 78);
        edit_->setGeometry(90, 12, 458, 132);
        ok_ = new QPushButton(QStringLiteral("OK"), this);
        ok_->setGeometry(242, 154, 75, 24);
        ok_->setDefault(true);
        connect(ok_, &QPushButton::clicked, this, [this] {
            answer_ = 2;
            QDialog::done(2);
        });
    } else {
        setFixedSize(560, 190);
        portrait->setGeometry(18, 13, 68, 78);
        edit_->setGeometry(100, 10, 448, 130);
        yes_ = new QPushButton(yesLabel.isEmpty() ? QStringLiteral("Yes") : yesLabel, this);
        no_ = new QPushButton(noLabel.isEmpty() ? QStringLiteral("No") : noLabel, this);
        yes_->setGeometry(18, 150, 110, 24);
        no_->setGeometry(438, 152, 110, 24);
        yes_->setDefault(true);
        connect(yes_, &QPushButton::clicked, this, [this] {
            answer_ = 3;
            QDialog::done(3);
        });
        connect(no_, &QPushButton::clicked, this, [this] {
            answer_ = 4;
            QDialog::done(4);
        });
    }
}

QString AdvisorDialog::text() const { return edit_->toPlainText(); }

void AdvisorDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    move(advisorDialogCorner(parentWidget()));
    if (kind_ == Message) ok_->setFocus();
    else yes_->setFocus();
}

void AdvisorDialog::reject() {
    // A question can only be answered; a message is answered by any means.
    if (kind_ == Question) return;
    answer_ = 2;
    QDialog::done(2);
}

void AdvisorDialog::closeEvent(QCloseEvent* e) {
    if (kind_ == Question && answer_ == 0) {
        e->ignore();
        return;
    }
    if (kind_ == Message && answer_ == 0) answer_ = 2;
    QDialog::closeEvent(e);
}

QString WindowAdvisor::displayText(const std::string& text) {
    QString s = QString::fromLatin1(text.data(), qsizetype(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

void WindowAdvisor::tell(const std::string& text) {
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Message, displayText(text));
    if (beforeExec) beforeExec(d);
    d.exec();
}

bool WindowAdvisor::askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    // Labels apply to this one question only; the next plain one shows Yes and No.
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Question, displayText(text),
                    QString::fromLatin1(yesLabel.substr(0, 55).c_str()),
                    QString::fromLatin1(yesLabel.empty() ? "" : noLabel.substr(0, 55).c_str()));
    if (beforeExec) beforeExec(d);
    d.exec();
    return d.answer() == 3;
}

LessonDialog::LessonDialog(QWidget* parent, const view::Pictures& pictures, GameSounds& sounds, int picture)
    : QDialog(parent), pictures_(pictures), sounds_(sounds), picture_(picture), reference_(parent) {
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(600, 400);
    if (picture_ == IntroductionPicture)
        sounds_.backend().play(QString::fromLatin1(IntroductionMusic), SoundBackend::Mode::Loop);
}

void LessonDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    move(advisorDialogCorner(reference_));
}

void LessonDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    pictures_.graphic(picture_).draw(p, 0, 0);
    if (picture_ != IntroductionPicture) pictures_.graphic(narrationPlaying_ ? 232 : 231).draw(p, 75, 18);
}

void LessonDialog::clickAt(QPoint pt) {
    // The introduction has no button and no narration.
    if (picture_ == IntroductionPicture) return;
    if (pt.x() < 75 || pt.x() > 99 || pt.y() < 18 || pt.y() > 42) return;
    if (narrationPlaying_) {
        sounds_.backend().stop();
        narrationPlaying_ = false;
    } else {
        narrationPlaying_ = true;
        const QString name = GameSounds::narrationFor(picture_);
        if (!name.isEmpty()) sounds_.backend().play(name, SoundBackend::Mode::Async);
    }
    update(QRect(75, 18, 25, 25));
}

void LessonDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) clickAt(e->position().toPoint());
}

void LessonDialog::done(int r) {
    narrationPlaying_ = false;
    sounds_.backend().stop();
    QDialog::done(r);
}
