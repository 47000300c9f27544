#include "qtcommon/Language.h"

#include <QFileInfo>
#include <QLocale>

#include "qtcommon/Languages.h"

const QStringList& gameLanguages() {
    static const QStringList codes = [] {
        QStringList list;
        for (const Language& language : languages()) list << language.code;
        return list;
    }();
    return codes;
}

QString uiLanguage() {
    for (const QString& tag : QLocale().uiLanguages()) {
        // "de-AT" or "de_AT": the language is what stands before the region
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (gameLanguages().contains(language)) return language;
    }
    return QStringLiteral("en");
}

QString inLanguage(const QString& folder, const QString& name, const QString& language) {
    if (language != QLatin1String("en")) {
        const QString translated = folder + QLatin1Char('/') + language + QLatin1Char('/') + name;
        if (QFileInfo::exists(translated)) return translated;
    }
    return folder + QLatin1Char('/') + name;
}
