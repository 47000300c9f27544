#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "client/Catalogue.h"

struct FileResult;
struct Message;

#include "model/TranslationMarks.h"

// The language a person chose for the plain terminal: gettext's variables
// (LC_ALL, then LC_MESSAGES, then LANG), "en" when they name none of ours.
std::string environmentLanguage();
// Whether the code is a language the terminal speaks ("en", "de", ...).
bool terminalSpeaks(std::string_view code);

// What the plain terminal says, in its language: the compiled-in catalogue
// of that language, through the reader the page uses. In English every text
// is the terminal's own, letter for letter.
class TerminalWords {
public:
    explicit TerminalWords(std::string_view language = "en");

    const Catalogue& catalogue() const { return catalogue_; }
    bool speaksEnglish() const { return catalogue_.speaksEnglish(); }

    // A form of the "Terminal" context, translated and filled.
    std::string operator()(const char* form, const std::vector<std::string>& words = {}) const;
    // A %n form of the "Terminal" context for n (plain digits, as Qt writes %n).
    std::string counted(const char* form, long long n) const;
    // A sum or a count: "16,000" in English as the terminal has always written it, else the language's way.
    std::string number(long long n) const;
    // A name of the game (a province, a power) in the language; English keeps the rules' own.
    std::string name(const std::string& name) const;
    // A message of the rules; English keeps the rules' own words.
    std::string message(const Message& message) const;
    // Why a file could not be read or written, safe to print: English keeps the
    // reader's and the writer's own sentence; what the file wrote shows only
    // printable ASCII in every language.
    std::string fileMessage(const FileResult& result) const;
    // A line of the year's log, told in the language where a news message wrote it.
    std::string news(const std::string& line) const;

private:
    Catalogue catalogue_;
};
