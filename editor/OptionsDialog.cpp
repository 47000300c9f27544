#include "editor/OptionsDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/Messages.h"
#include "qtcommon/PrefectDialog.h"

namespace editor {

OptionsDialog::OptionsDialog(EditorSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Scenario Options"));
    // On the game's parchment, as the Prefect's dialogs.
    setStyleSheet(parchmentButtonStyle(1.0));
    setModal(true);

    treasury_ = new QLineEdit(QString::fromStdString(session.treasuryText()), this);
    treasury_->setObjectName(QStringLiteral("treasury"));
    year_ = new QLineEdit(QString::fromStdString(session.yearText()), this);
    year_->setObjectName(QStringLiteral("year"));
    plague_ = new QCheckBox(tr("&Plague"), this);
    plague_->setObjectName(QStringLiteral("plague"));
    plague_->setChecked(session.plague());

    plagueYears_ = new QSpinBox(this);
    plagueYears_->setObjectName(QStringLiteral("plagueYears"));
    const int counter = session.plagueCounter();
    if (counter > 0) {
        // The position already has a plague that runs out: show what is left,
        // which the dialog keeps.
        plagueYears_->setRange(MinPlagueYears, std::max(MaxPlagueYears, counter));
        plagueYears_->setValue(counter);
    } else {
        plagueYears_->setRange(MinPlagueYears, MaxPlagueYears);
        plagueYears_->setValue(DefaultPlagueYears);
    }
    auto* plagueYearsLabel = new QLabel(tr("years &left"), this);
    plagueYearsLabel->setBuddy(plagueYears_);

    auto* form = new QFormLayout;
    form->addRow(tr("&Treasury:"), treasury_);
    form->addRow(tr("&Year (%1 to %2):").arg(FirstYear).arg(LastScenarioYear), year_);
    auto* plagueRow = new QHBoxLayout;
    plagueRow->addWidget(plague_);
    plagueRow->addStretch();
    plagueRow->addWidget(plagueYears_);
    plagueRow->addWidget(plagueYearsLabel);
    form->addRow(plagueRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(plague_, &QCheckBox::toggled, this, [this] { updatePlagueYears(); });
    updatePlagueYears();
}

void OptionsDialog::paintEvent(QPaintEvent*) { paintParchment(this, 1.0); }

void OptionsDialog::updatePlagueYears() {
    plagueYears_->setEnabled(asksPlagueYears(plague_->isChecked(), session_.plagueCounter()));
}

OptionsForm OptionsDialog::form() const {
    OptionsForm f;
    f.treasury = treasury_->text().toStdString();
    f.year = year_->text().toStdString();
    f.plague = plague_->isChecked();
    f.plagueYears = plagueYears_->value();
    return f;
}

void OptionsDialog::done(int result) {
    if (result != QDialog::Accepted) {
        QDialog::done(result);
        return;
    }
    const OptionsOutcome outcome = checkOptions(form(), session_.plagueCounter());
    for (const std::string& error : outcome.errors)
        showMessageBox(this, tr("Error").toStdString(), tr(error.c_str()).toStdString());
    if (!outcome.ok()) return;
    session_.applyOptions(outcome);
    QDialog::done(result);
}

}  // namespace editor
