#include "qtcommon/RulesText.h"

QString fromRulesText(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
