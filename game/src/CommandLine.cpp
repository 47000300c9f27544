#include "game/src/CommandLine.h"

#include <QCommandLineParser>

namespace {

struct Options {
    QCommandLineOption seed{QStringLiteral("seed"), CommandLine::tr("Play the game of seed <N>."), QStringLiteral("N")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                CommandLine::tr("Speak the language <code>: en, de, fr, it or es."),
                                QStringLiteral("code")};
    QCommandLineOption platform{QStringLiteral("platform"), CommandLine::tr("The Qt platform."), QStringLiteral("name")};

    void addTo(QCommandLineParser& parser) {
        platform.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({seed, language, help, platform});
        parser.addPositionalArgument(QStringLiteral("FILE.avn"), CommandLine::tr("A saved game or scenario to open."));
        // Qt's own options are spelled with one dash.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
};

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    Options o;
    o.addTo(parser);
    CommandLine line;
    // Unknown options are Qt's own (-style, -geometry...); the application object reads them.
    parser.parse(arguments);
    line.language = parser.value(o.language);
    if (parser.isSet(o.help)) {
        line.help = true;
        return line;
    }
    if (parser.isSet(o.seed)) {
        bool ok = false;
        const uint v = parser.value(o.seed).toUInt(&ok);
        if (!ok) {
            line.error = tr("The seed must be a whole number from 0 to 4294967295.");
            return line;
        }
        line.seed = std::uint32_t(v);
    }
    line.platform = parser.value(o.platform);
    if (!parser.positionalArguments().isEmpty()) line.file = parser.positionalArguments().front();
    return line;
}

QString CommandLine::usage() {
    QCommandLineParser parser;
    Options o;
    o.addTo(parser);
    parser.setApplicationDescription(tr("Aurovane, a strategy game of the late Roman Empire (235-476 AD)."));
    return parser.helpText();
}

QString CommandLine::noDisplay() {
    return tr("no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game window cannot "
              "open. The terminal edition, aurovane-cli, plays the same game without a window.");
}
