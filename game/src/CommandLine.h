#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The game's command line: aurovane [--seed N] [--lang CODE] [FILE.avn]. Read before the
// application object exists (it decides whether a window can open at all),
// so Qt's own options (-platform and the like) are let through.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    std::optional<std::uint32_t> seed;  // a reproducible game
    QString file;                       // a saved game or scenario to open
    QString platform;                   // Qt's -platform, for the display check
    QString language;                   // "de", "fr"...: the language to speak
    bool help = false;
    QString error;  // what was wrong; the rest is then unset

    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    // Why no window opens where no display is named.
    static QString noDisplay();
};
