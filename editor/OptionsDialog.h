#pragma once
#include <QCoreApplication>
#include <QDialog>

#include "client/EditorSession.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace editor {

// The Scenario Options dialog: year, treasury and plague of the position.
// Only OK stores; Cancel, Escape and the close box leave the position as it
// was. Invalid values keep the dialog open with the "Error" messages.
class OptionsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(editor::OptionsDialog)
public:
    OptionsDialog(EditorSession& session, QWidget* parent = nullptr);

    QLineEdit* treasuryField() const { return treasury_; }
    QLineEdit* yearField() const { return year_; }
    QCheckBox* plagueBox() const { return plague_; }
    // The plague's remaining years; in use only while asksPlagueYears holds.
    QSpinBox* plagueYearsField() const { return plagueYears_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    OptionsForm form() const;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updatePlagueYears();

    EditorSession& session_;
    QLineEdit* treasury_;
    QLineEdit* year_;
    QCheckBox* plague_;
    QSpinBox* plagueYears_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace editor
