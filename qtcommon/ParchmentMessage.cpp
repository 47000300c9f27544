#include "qtcommon/ParchmentMessage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "qtcommon/PrefectDialog.h"
#include "qtcommon/view/MapDrawing.h"

ParchmentMessage::ParchmentMessage(QWidget* parent, const QString& title, const QString& text)
    : QDialog(parent), scale_(dialogScaleFor(parent)) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setStyleSheet(parchmentButtonStyle(scale_) + QStringLiteral("QLabel { color: #2b1d0e; }"));

    QFont heading = view::screenFont();
    heading.setPixelSize(int(26 * scale_ + 0.5));
    heading.setBold(true);
    auto* title_ = new QLabel(title, this);
    title_->setFont(heading);
    title_->setAlignment(Qt::AlignHCenter);
    title_->setStyleSheet(QStringLiteral("color: #6e1414;"));

    QFont body = view::screenFont();
    body.setPixelSize(int(18 * scale_ + 0.5));
    text_ = new QLabel(text, this);
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(body);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignHCenter);
    // Wide enough for the title in the window frame too, and for a line of text.
    const int width = std::max({QFontMetrics(heading).horizontalAdvance(title), int(360 * scale_),
                                QFontMetrics(font()).horizontalAdvance(title) + int(160 * scale_)});
    text_->setMinimumWidth(width);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setFont(body);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    const int margin = int(28 * scale_);
    layout->setContentsMargins(margin, margin, margin, int(20 * scale_));
    layout->setSpacing(int(14 * scale_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(title_);
    layout->addWidget(text_);
    layout->addLayout(buttons);
}

QString ParchmentMessage::text() const { return text_->text(); }

void ParchmentMessage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centreOver(this, parentWidget());
    ok_->setFocus();
}

void ParchmentMessage::paintEvent(QPaintEvent*) { paintParchment(this, scale_); }
