#pragma once
#include <QString>
#include <QStringList>
#include <vector>

class QCoreApplication;

// The languages both programs speak, English first (the source of every text).
struct Language {
    QString code;        // "de"
    QString nativeName;  // "Deutsch"
    int percentDone;     // of the catalogue's entries translated and finished
};
const std::vector<Language>& languages();

// The value of a --lang option among raw arguments ("--lang de", "--lang=de"), or empty.
QString languageArgument(const QStringList& arguments);

// The language to speak: the command line's, else the one chosen in Options >
// Language, else the desktop's when it is one of ours, else English.
QString chosenLanguage(const QString& commandLine);

// The choice of Options > Language, kept for the next start.
void rememberLanguage(const QString& code);
QString rememberedLanguage();

// Installs the chosen language: the game's catalogue (":/i18n/aurovane_<lang>.qm"),
// Qt's own (the buttons and dialogs Qt draws) and the locale the numbers are
// written in. English has a catalogue of its own plural forms.
void installTranslations(QCoreApplication& app, const QString& commandLine = {});

// The language the windows speak: the locale's (installTranslations sets it
// to the chosen language) when it is one of ours, English otherwise. The
// catalogue and every translated resource follow it.
QString uiLanguage();

// "<folder>/<language>/<name>" where that file exists, else "<folder>/<name>":
// a resource in the given language with the English one as its fallback.
QString inLanguage(const QString& folder, const QString& name, const QString& language = uiLanguage());
