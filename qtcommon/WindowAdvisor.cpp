#include "qtcommon/WindowAdvisor.h"

#include "qtcommon/RulesText.h"

int WindowAdvisor::run(AdvisorDialog& d) {
    if (beforeExec) beforeExec(d);
    d.exec();
    return d.answer();
}

bool WindowAdvisor::askDiscard(const QString& text) {
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::DiscardQuestion, text);
    return run(d) == AdvisorDialog::Yes;
}

void WindowAdvisor::tell(const std::string& text) {
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Message, fromRulesText(text));
    run(d);
}

bool WindowAdvisor::askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    // Labels apply to this one question only (at most 55 characters each);
    // the next plain one shows Yes and No.
    const QString yes = fromRulesText(yesLabel).left(55);
    const QString no = yes.isEmpty() ? QString() : fromRulesText(noLabel).left(55);
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Question, fromRulesText(text), yes, no);
    return run(d) == AdvisorDialog::Yes;
}
