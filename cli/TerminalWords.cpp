#include "cli/TerminalWords.h"

#include <cstdlib>
#include <iostream>

#include "client/BuiltInCatalogues.h"
#include "english/CorrectedEnglish.h"
#include "model/PrintableText.h"
#include "model/SavedPosition.h"
#include "rules/Messages.h"

// English, and every language whose catalogue is compiled in: adding a
// catalogue is all a new language needs here.
bool terminalSpeaks(std::string_view code) { return code == "en" || !builtInCatalogue(code).empty(); }

std::string environmentLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        // "de_DE.UTF-8", "fr", "it_IT@euro"; the first variable set decides, as gettext has it.
        const std::string_view v(value);
        const std::string_view code = v.substr(0, 2);
        const bool whole = v.size() == 2 || v[2] == '_' || v[2] == '.' || v[2] == '@';
        return whole && terminalSpeaks(code) ? std::string(code) : std::string("en");
    }
    return "en";
}

TerminalWords::TerminalWords(std::string_view language) {
    const std::string_view plain = builtInCatalogue(language);
    if (plain.empty()) return;
    std::string problem;
    catalogue_ = Catalogue::read(plain, problem);
    if (!problem.empty()) std::cerr << "aurovane-cli: " << problem << "; speaking English\n";
}

std::string TerminalWords::operator()(const char* form, const std::vector<std::string>& words) const {
    return catalogue_.filled("Terminal", form, words);
}

std::string TerminalWords::counted(const char* form, long long n) const {
    return catalogue_.counted("Terminal", form, n);
}

std::string TerminalWords::number(long long n) const {
    return speaksEnglish() ? groupedThousands(n) : catalogue_.number(n);
}

std::string TerminalWords::name(const std::string& name) const {
    return speaksEnglish() ? name : catalogue_.word(name);
}

std::string TerminalWords::message(const Message& message) const {
    return speaksEnglish() ? englishText(message) : catalogue_.message(message);
}

std::string TerminalWords::news(const std::string& line) const { return catalogue_.news(line); }

std::string TerminalWords::fileMessage(const FileResult& result) const {
    if (speaksEnglish() || result.message.text == nullptr) return printableText(result.error);
    FileMessage message = result.message;
    for (std::string& value : message.args) value = printableText(value);
    return catalogue_.fileMessage(message);
}
