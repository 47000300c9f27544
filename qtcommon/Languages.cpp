#include "qtcommon/Languages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "qtcommon/CatalogueLanguages.h"

namespace {

const QString LanguageKey = QStringLiteral("language");

bool known(const QString& code) {
    for (const Language& l : languages())
        if (l.code == code) return true;
    return false;
}

// "de_AT", "de-AT" or "de" to "de"; empty for a language we do not speak.
QString ours(const QString& name) {
    const QString code = name.left(2).toLower();
    return known(code) ? code : QString();
}

}  // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> all = [] {
        std::vector<Language> each;
        for (const CatalogueLanguage& l : CatalogueLanguages)
            each.push_back({QString::fromLatin1(l.code), QString::fromUtf8(l.nativeName), l.percentDone});
        return each;
    }();
    return all;
}

QString languageArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if ((a == QLatin1String("--lang") || a == QLatin1String("-lang")) && i + 1 < arguments.size())
            return arguments[i + 1];
        if (a.startsWith(QLatin1String("--lang="))) return a.mid(7);
    }
    return {};
}

void rememberLanguage(const QString& code) { QSettings().setValue(LanguageKey, code); }

QString rememberedLanguage() { return ours(QSettings().value(LanguageKey).toString()); }

QString chosenLanguage(const QString& commandLine) {
    if (const QString code = ours(commandLine); !code.isEmpty()) return code;
    if (const QString code = rememberedLanguage(); !code.isEmpty()) return code;
    for (const QString& name : QLocale::system().uiLanguages())
        if (const QString code = ours(name); !code.isEmpty()) return code;
    return QStringLiteral("en");
}

void installTranslations(QCoreApplication& app, const QString& commandLine) {
    const QString code = chosenLanguage(commandLine);
    // Numbers, lists and Qt's own words follow the language spoken, not the
    // desktop's region; English keeps the rules' own figures.
    const QLocale locale(code == QLatin1String("en") ? QStringLiteral("en_US") : code);
    QLocale::setDefault(locale);
    if (code != QLatin1String("en")) {
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    // English too: its catalogue holds the plural forms of the English sources.
    auto* game = new QTranslator(&app);
    if (game->load(locale, QStringLiteral("aurovane"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(game);
    else
        delete game;
}

QString uiLanguage() {
    const QString code = ours(QLocale().name());
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString inLanguage(const QString& folder, const QString& name, const QString& language) {
    if (language != QLatin1String("en")) {
        const QString translated = folder + QLatin1Char('/') + language + QLatin1Char('/') + name;
        if (QFileInfo::exists(translated)) return translated;
    }
    return folder + QLatin1Char('/') + name;
}
