#pragma once
#include <QString>
#include <functional>
#include <string>

#include "model/Advisor.h"
#include "qtcommon/PrefectDialog.h"

class QWidget;
namespace view { class Pictures; }

// The advisor the rules talk to in both window programs: the Prefect's
// dialogs, owned by the program's main window.
class WindowAdvisor : public Advisor {
public:
    WindowAdvisor(QWidget* owner, const view::Pictures& pictures) : owner_(owner), pictures_(pictures) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    // Tests answer the dialogs themselves: called with each dialog before it runs.
    std::function<void(AdvisorDialog&)> beforeExec;

    // Whether to throw the game in progress away; Escape and the close box mean No.
    bool askDiscard(const QString& text);

protected:
    void showMessage(const std::string& text) override;
    bool askQuestion(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override;

private:
    int run(AdvisorDialog& d);

    QWidget* owner_;
    const view::Pictures& pictures_;
};
