#pragma once
#include <QCoreApplication>
#include <QDialog>

class QTextBrowser;

namespace editor {

// The editor's help page, shown in the editor itself: how to select, give
// provinces away, place legions, set the year and the briefing, save and try
// the scenario. Escape or Close puts it away.
class HelpDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(editor::HelpDialog)
public:
    explicit HelpDialog(QWidget* parent = nullptr);

    QTextBrowser* page() const { return page_; }
    // The page's text, for the dialog and for tests.
    static QString pageText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTextBrowser* page_;
};

}  // namespace editor
