#include "qtcommon/RulesText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "client/FileProblem.h"
#include "english/CorrectedEnglish.h"

QString flowingText(const QString& text) {
    QStringList paragraphs = text.split(QStringLiteral("\n\n"));
    for (QString& paragraph : paragraphs) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        QString flowed;
        for (const QString& raw : lines) {
            const QString line = raw.trimmed();
            const bool ownLine = line.startsWith(QLatin1Char('-')) || line.startsWith(QLatin1Char('[')) ||
                                 line.startsWith(QChar(0x2022));
            if (!flowed.isEmpty()) flowed += ownLine ? QLatin1Char('\n') : QLatin1Char(' ');
            flowed += line;
        }
        static const QRegularExpression doubleSpaces(QStringLiteral("(?<=\\S) {2,}(?=\\S)"));
        paragraph = flowed.replace(doubleSpaces, QStringLiteral(" "));
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString fromRulesText(const std::string& text) {
    const std::string corrected = correctedEnglish(text);
    QString s = QString::fromUtf8(corrected.data(), qsizetype(corrected.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QString fileProblemText(const FileResult& result) {
    return QCoreApplication::translate("ScreenText", plainFileProblem(result.problem)) + QStringLiteral("\n\n") +
           fromRulesText(result.error);
}
