#include "qtcommon/RulesText.h"

#include "english/CorrectedEnglish.h"

QString fromRulesText(const std::string& text) {
    const std::string corrected = correctedEnglish(text);
    QString s = QString::fromUtf8(corrected.data(), qsizetype(corrected.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
