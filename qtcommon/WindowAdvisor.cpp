#include "qtcommon/WindowAdvisor.h"

#include "qtcommon/MessageCatalogue.h"
#include "qtcommon/RulesText.h"

int WindowAdvisor::run(AdvisorDialog& d) {
    if (beforeExec) beforeExec(d);
    d.exec();
    return d.answer();
}

bool WindowAdvisor::askDiscard(const QString& text) { return showQuestion(text, {}, {}); }

void WindowAdvisor::showMessage(const QString& text) {
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Message, text);
    run(d);
}

bool WindowAdvisor::showQuestion(const QString& text, const QString& yesLabel, const QString& noLabel) {
    // Labels apply to this one question only (at most 55 characters each);
    // the next plain one shows Yes and No.
    const QString yes = yesLabel.left(55);
    const QString no = yes.isEmpty() ? QString() : noLabel.left(55);
    AdvisorDialog d(owner_, pictures_, AdvisorDialog::Question, text, yes, no);
    return run(d) == AdvisorDialog::Yes;
}

// The Prefect's lines flow in his dialog, which wraps them, rather than
// keeping the rules' hard line breaks.
void WindowAdvisor::tell(const std::string& text) { showMessage(flowingText(fromRulesText(text))); }

bool WindowAdvisor::askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    return showQuestion(flowingText(fromRulesText(text)), fromRulesText(yesLabel), fromRulesText(noLabel));
}

void WindowAdvisor::tell(const Message& message) { showMessage(flowingText(translatedText(message))); }

bool WindowAdvisor::ask(const Message& message) { return showQuestion(flowingText(translatedText(message)), {}, {}); }

bool WindowAdvisor::askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) {
    return showQuestion(flowingText(translatedText(text)), translatedText(yesLabel), translatedText(noLabel));
}
