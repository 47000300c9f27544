#include "qtcommon/PrefectDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "qtcommon/view/Graphic.h"
#include "qtcommon/view/MapDrawing.h"

namespace {

constexpr int PortraitPicture = 182;
const QColor Ink(43, 29, 14);

QFont parchmentFont(qreal scale) {
    QFont f = view::screenFont();
    f.setPixelSize(view::textPixels(int(18 * scale + 0.5)));
    return f;
}

}  // namespace

void paintParchment(QWidget* widget, qreal scale) {
    QPainter p(widget);
    const QRectF r = widget->rect();
    QRadialGradient page(r.center(), std::max(r.width(), r.height()) * 0.7);
    page.setColorAt(0, QColor(246, 234, 204));
    page.setColorAt(1, QColor(222, 198, 150));
    p.fillRect(r, page);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal outer = 4 * scale;
    p.setPen(QPen(QColor(92, 58, 26), outer));
    p.drawRect(r.adjusted(outer / 2, outer / 2, -outer / 2, -outer / 2));
    const qreal inset = 8 * scale;
    p.setPen(QPen(QColor(168, 130, 60), std::max<qreal>(1, scale)));
    p.drawRect(r.adjusted(inset, inset, -inset, -inset));
}

QString parchmentButtonStyle(qreal scale) {
    return QStringLiteral(
               "QPushButton { color: #f6e7c8; background: #7a4f24; border: %1px solid #3d2610;"
               " border-radius: %2px; padding: %3px %4px; min-width: %5px; }"
               "QPushButton:hover { background: #8e5f2e; }"
               "QPushButton:pressed { background: #5e3b19; }"
               "QPushButton:default { border-color: #d4a94e; }"
               // The focus must be seen at a glance: a thick white ring on a dark button.
               "QPushButton:focus { border: %6px solid #ffffff; background: #2b1a0a; }"
               "QRadioButton:focus, QCheckBox:focus, QLineEdit:focus, QPlainTextEdit:focus"
               " { border: %6px solid #1a4fb4; border-radius: 3px; }")
        .arg(std::max(1, int(2 * scale)))
        .arg(int(4 * scale))
        .arg(int(4 * scale))
        .arg(int(14 * scale))
        .arg(int(70 * scale))
        .arg(std::max(3, int(3 * scale)));
}

qreal dialogScaleFor(const QWidget* owner) {
    QSize size = owner ? owner->window()->size() : QSize();
    if (size.isEmpty()) {
        const QScreen* s = QGuiApplication::primaryScreen();
        size = s ? s->availableGeometry().size() : QSize(1366, 768);
    }
    return std::clamp(std::min(size.width() / 1366.0, size.height() / 768.0), 0.75, 2.0);
}

void centreOver(QWidget* dialog, const QWidget* owner) {
    QRect area;
    if (owner && owner->window()->isVisible()) area = owner->window()->frameGeometry();
    else if (const QScreen* s = owner ? owner->screen() : QGuiApplication::primaryScreen()) area = s->availableGeometry();
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(area.center());
    dialog->move(frame.topLeft());
}

AdvisorDialog::AdvisorDialog(QWidget* parent, const view::Pictures& pictures, Kind kind, const QString& text,
                             const QString& yesLabel, const QString& noLabel)
    : QDialog(parent), kind_(kind), scale_(dialogScaleFor(parent)) {
    setWindowTitle(tr("Message from the Praetorian Prefect"));
    setAccessibleName(windowTitle());
    // Read as the dialog opens.
    setAccessibleDescription(text);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setStyleSheet(parchmentButtonStyle(scale_));
    const QFont font = parchmentFont(scale_);

    const view::Graphic& g = pictures.graphic(PortraitPicture);
    const qreal portraitScale = 1.3 * scale_ * devicePixelRatioF();
    QPixmap portrait(int(g.width() * portraitScale), int(g.height() * portraitScale));
    portrait.fill(Qt::transparent);
    {
        QPainter pp(&portrait);
        pp.setRenderHint(QPainter::SmoothPixmapTransform);
        pp.scale(portraitScale, portraitScale);
        g.draw(pp, 0, 0);
    }
    portrait.setDevicePixelRatio(devicePixelRatioF());
    auto* portraitLabel = new QLabel(this);
    portraitLabel->setPixmap(portrait);
    portraitLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    portraitLabel->setAccessibleName(tr("The Praetorian Prefect"));

    text_ = new QLabel(text, this);
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(font);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette ink = text_->palette();
    ink.setColor(QPalette::WindowText, Ink);
    text_->setPalette(ink);
    // As wide as the longest line up to a comfortable measure (about sixty
    // letters), where the text wraps; never wider than most of the screen.
    const QFontMetrics fm(font);
    int longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) longest = std::max(longest, fm.horizontalAdvance(line));
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int widest = std::min(screen ? screen->availableGeometry().width() * 2 / 3 : 900, fm.averageCharWidth() * 60);
    text_->setFixedWidth(std::clamp(longest + fm.averageCharWidth(), std::min(int(240 * scale_), widest), widest));

    auto* row = new QHBoxLayout;
    row->setSpacing(int(18 * scale_));
    row->addWidget(portraitLabel, 0, Qt::AlignTop);
    row->addWidget(text_, 1);

    auto* buttons = new QHBoxLayout;
    if (kind == Message) {
        buttons->addStretch();
        ok_ = addAnswer(tr("OK"), Ok);
        buttons->addWidget(ok_);
        buttons->addStretch();
    } else {
        yes_ = addAnswer(yesLabel.isEmpty() ? tr("Yes") : yesLabel, Yes);
        no_ = addAnswer(noLabel.isEmpty() ? tr("No") : noLabel, No);
        buttons->addWidget(yes_);
        buttons->addStretch();
        buttons->addWidget(no_);
    }
    for (QPushButton* b : {ok_, yes_, no_})
        if (b) b->setFont(font);

    auto* layout = new QVBoxLayout(this);
    const int margin = int(24 * scale_);
    layout->setContentsMargins(margin, margin, margin, int(18 * scale_));
    layout->setSpacing(int(16 * scale_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

QPushButton* AdvisorDialog::addAnswer(const QString& label, Answer answer) {
    auto* b = new QPushButton(label, this);
    // Yes is the default, but Enter presses whichever button has the focus:
    // a player who tabbed to No and pressed Enter meant No.
    b->setDefault(answer != No);
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        QDialog::done(answer);
    });
    return b;
}

QString AdvisorDialog::text() const { return text_->text(); }

void AdvisorDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centreOver(this, parentWidget());
    (kind_ == Message ? ok_ : yes_)->setFocus();
}

void AdvisorDialog::paintEvent(QPaintEvent*) { paintParchment(this, scale_); }

void AdvisorDialog::reject() {
    // Backing out of a question is the cautious answer: No.
    answer_ = kind_ == Message ? Ok : No;
    QDialog::done(answer_);
}

void AdvisorDialog::closeEvent(QCloseEvent* e) {
    if (answer_ == None) answer_ = kind_ == Message ? Ok : No;
    QDialog::closeEvent(e);
}
