#include "game/src/CommandLine.h"

#include <QCommandLineParser>

namespace {

struct Options {
    QCommandLineOption seed{QStringLiteral("seed"), CommandLine::tr("Play the game of seed <N>."), QStringLiteral("N")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help.")};
    QCommandLineOption platform{QStringLiteral("platform"), CommandLine::tr("The Qt platform."), QStringLiteral("name")};

    void addTo(QCommandLineParser& parser) {
        platform.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({seed, help, platform});
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
