#include "editor/EditorAdvisor.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/Messages.h"
#include "game/view/Graphic.h"

namespace editor {

QPixmap portraitFrom(const view::Graphic& picture) {
    QPixmap pixmap(picture.width(), picture.height());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.draw(painter, 0, 0);
    return pixmap;
}

AdvisorDialog::AdvisorDialog(const std::string& text, const QPixmap& portrait,
                             const std::string& yesLabel, const std::string& noLabel,
                             bool question, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(AdvisorCaption));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(portrait);
    picture->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setPlainText(QString::fromLocal8Bit(toDisplayText(text)));
    text_->setMinimumSize(420, 110);

    auto* buttons = new QDialogButtonBox(this);
    if (question) {
        auto* yes = buttons->addButton(
            yesLabel.empty() ? QStringLiteral("Yes") : QString::fromLocal8Bit(yesLabel),
            QDialogButtonBox::YesRole);
        buttons->addButton(noLabel.empty() ? QStringLiteral("No") : QString::fromLocal8Bit(noLabel),
                           QDialogButtonBox::NoRole);
        yes->setDefault(true);
        connect(buttons, &QDialogButtonBox::clicked, this, [this, buttons](QAbstractButton* b) {
            done(buttons->buttonRole(b) == QDialogButtonBox::YesRole ? QDialog::Accepted
                                                                     : QDialog::Rejected);
        });
    } else {
        auto* ok = buttons->addButton(QDialogButtonBox::Ok);
        ok->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    }
    buttons->setCenterButtons(true);

    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void EditorAdvisor::tell(const std::string& text) {
    AdvisorDialog dialog(text, portrait_, {}, {}, false, owner_);
    dialog.exec();
}

bool EditorAdvisor::askWithLabels(const std::string& text, const std::string& yesLabel,
                                  const std::string& noLabel) {
    AdvisorDialog dialog(text, portrait_, yesLabel, noLabel, true, owner_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace editor
