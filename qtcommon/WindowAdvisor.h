#pragma once
#include <QString>
#include <functional>
#include <string>

#include "qtcommon/PrefectDialog.h"
#include "rules/Presenter.h"

class QWidget;
namespace view { class Pictures; }

// The Praetorian Prefect's dialogs, owned by the program's main window: what
// the game window's presenter says and asks, and the editor's whole presenter
// (there only the advisor speaks).
class WindowAdvisor : public Presenter {
public:
    WindowAdvisor(QWidget* owner, const view::Pictures& pictures) : owner_(owner), pictures_(pictures) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    // Tests answer the dialogs themselves: called with each dialog before it runs.
    std::function<void(AdvisorDialog&)> beforeExec;

    void tell(const std::string& text) override;
    bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override;
    // The rules' messages in the window's language.
    using Presenter::ask;
    void tell(const Message& message) override;
    bool ask(const Message& message) override;
    bool askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) override;
    // Whether to throw the game in progress away; Escape and the close box mean No, as for any question.
    bool askDiscard(const QString& text);
    // A message of the program's own (a file saved or refused), already in
    // the window's language.
    void inform(const QString& text) { showMessage(text); }
    bool question(const QString& text) { return showQuestion(text, {}, {}); }

private:
    int run(AdvisorDialog& d);
    void showMessage(const QString& text);
    bool showQuestion(const QString& text, const QString& yesLabel, const QString& noLabel);

    QWidget* owner_;
    const view::Pictures& pictures_;
};
