#include "editor/BriefingDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "client/EditorSession.h"
#include "editor/Messages.h"
#include "qtcommon/PrefectDialog.h"

namespace editor {

BriefingDialog::BriefingDialog(EditorSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setWindowTitle(tr("Title and Briefing"));
    setStyleSheet(parchmentButtonStyle(1.0));
    setModal(true);
    title_ = new QLineEdit(QString::fromStdString(session.title()), this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setMaxLength(MaxTitleLength);
    briefing_ = new QPlainTextEdit(QString::fromStdString(session.briefing()), this);
    briefing_->setObjectName(QStringLiteral("briefing"));
    // Tab leaves the field, as in every other form of the editor.
    briefing_->setTabChangesFocus(true);
    briefing_->setMinimumSize(420, 200);

    auto* form = new QFormLayout;
    auto* titleLabel = new QLabel(tr("&Title:"), this);
    titleLabel->setBuddy(title_);
    form->addRow(titleLabel, title_);
    auto* briefingLabel = new QLabel(tr("&Briefing:"), this);
    briefingLabel->setBuddy(briefing_);
    form->addRow(briefingLabel, briefing_);
    auto* note = new QLabel(tr("The Prefect reads the briefing to the player when the scenario is opened in the "
                               "game. Leave it empty for none."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void BriefingDialog::paintEvent(QPaintEvent*) { paintParchment(this, 1.0); }

void BriefingDialog::done(int result) {
    if (result == QDialog::Accepted) {
        const QString briefing = briefing_->toPlainText().trimmed();
        if (briefing.size() > MaxBriefingLength) {
            showMessageBox(this, tr("Error").toStdString(),
                           tr("The briefing is %1 characters long; it may hold at most %2.")
                               .arg(briefing.size())
                               .arg(MaxBriefingLength)
                               .toStdString());
            return;
        }
        session_.setTitleAndBriefing(title_->text().trimmed().toStdString(), briefing.toStdString());
    }
    QDialog::done(result);
}

}  // namespace editor
