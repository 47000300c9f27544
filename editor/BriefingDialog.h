#pragma once
#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace editor {

class EditorSession;

// The scenario's title and the briefing the Prefect reads to the player when
// the scenario starts. Only OK stores; a briefing beyond its length keeps the
// dialog open with a message.
class BriefingDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(editor::BriefingDialog)
public:
    BriefingDialog(EditorSession& session, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return title_; }
    QPlainTextEdit* briefingField() const { return briefing_; }
    QPushButton* okButton() const { return ok_; }

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditorSession& session_;
    QLineEdit* title_;
    QPlainTextEdit* briefing_;
    QPushButton* ok_;
};

}  // namespace editor
