#pragma once
#include <string>
#include <string_view>
#include <map>
#include <vector>

struct FileMessage;
struct Message;
struct ScreenTextArg;
struct ScreenTextLine;

// One language's translations as the page and the terminal read them: the
// window's catalogue (translations/aurovane_<lang>.ts) in the plain form
// tools/catalogue/plain_catalogue.py makes of its finished entries, looked up
// as Qt's QCoreApplication::translate looks up the window's.
class Catalogue {
public:
    // English: every text is its source.
    Catalogue() = default;

    // A catalogue in the plain form. The text is untrusted: a broken one is
    // refused with the reason in `problem`, and English stays.
    static Catalogue read(std::string_view text, std::string& problem);

    // "de"; "en" for English.
    const std::string& language() const { return language_; }
    bool speaksEnglish() const { return language_ == "en"; }

    // The translation of a source text, else the source itself.
    std::string text(std::string_view context, std::string_view source) const;
    // The form of a %n text the language's plural rule takes for n, %n still in it.
    std::string form(std::string_view context, std::string_view source, long long n) const;
    // A %n text: that form, %n as the window writes it (plain digits).
    std::string counted(std::string_view context, std::string_view source, long long n) const;
    // A form translated, then its %1-style places filled as fillForm fills them.
    std::string filled(std::string_view context, std::string_view form, const std::vector<std::string>& words) const;

    // A number as the window writes it in this language (QLocale's thousands);
    // English keeps the rules' own digits.
    std::string number(long long n) const;
    // A word put into a translated text: a number the language's way, a name
    // of the game from the "Names" context, else the name in corrected English.
    std::string word(const std::string& word) const;
    // A form of the screen ("ScreenText") with its words, as the window
    // shows it; in English the words as englishText puts them.
    std::string screenText(const char* form, const std::vector<ScreenTextArg>& args) const;
    std::string screenText(const ScreenTextLine& line) const;
    // Names, each as word() gives it, joined as QLocale joins a list ("A, B und C").
    std::string list(const std::vector<std::string>& names) const;
    // A message of the rules, translated with its words in this language; an
    // untranslated message is its English text, as the rules write it.
    std::string message(const Message& message) const;
    // Why a file could not be read or written (the "FileMessages" context),
    // the province it names as the map shows it; in English the reader's own
    // sentence, mended as a person reads it.
    std::string fileMessage(const FileMessage& message) const;
    // A line of the year's log (English, as saved games keep it): the news
    // message that wrote it translated, else the line in corrected English.
    std::string news(const std::string& line) const;

private:
    std::vector<std::string> screenWords(const std::vector<ScreenTextArg>& args) const;
    std::string language_ = "en";
    bool zeroIsSingular_ = false;
    std::string separator_;
    int leastGroup_ = 1;
    std::string lastOfList_ = " and ";
    std::map<std::string, std::vector<std::string>, std::less<>> entries_;
};
