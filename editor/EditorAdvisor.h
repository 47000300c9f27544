#pragma once
#include <QDialog>
#include <QPixmap>

#include "rules/Presenter.h"

class QPlainTextEdit;
class QWidget;

namespace view {
class Graphic;
}

namespace editor {

// The Prefect's portrait (picture 182) as the dialog shows it, or its marked
// placeholder while the picture is missing.
QPixmap portraitFrom(const view::Graphic& picture);

// The Praetorian Prefect's message dialog as the editor shows it: portrait,
// the text in a read-only box, and OK (or two answer buttons for a question,
// which no editor command asks but the model may).
class AdvisorDialog : public QDialog {
public:
    AdvisorDialog(const std::string& text, const QPixmap& portrait, const std::string& yesLabel,
                  const std::string& noLabel, bool question, QWidget* parent);
    QPlainTextEdit* textBox() const { return text_; }

private:
    QPlainTextEdit* text_;
};

inline constexpr const char* AdvisorCaption = "Message from the Praetorian Prefect";

// What the game would show, in the editor: only the advisor speaks.
class EditorAdvisor : public Presenter {
public:
    explicit EditorAdvisor(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setPortrait(const QPixmap& portrait) { portrait_ = portrait; }

    void tell(const std::string& text) override;
    bool askWithLabels(const std::string& text, const std::string& yesLabel,
                       const std::string& noLabel) override;

private:
    QWidget* owner_;
    QPixmap portrait_;
};

}  // namespace editor
