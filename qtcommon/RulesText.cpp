#include "qtcommon/RulesText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "client/FileProblem.h"
#include "english/CorrectedEnglish.h"
#include "qtcommon/view/ShownNames.h"

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

QString fileMessageText(const FileMessage& message) {
    if (message.text == nullptr) return {};
    if (view::speaksEnglish()) return fromRulesText(englishFileMessage(message));
    std::vector<std::string> args = message.args;
    const auto name = static_cast<std::size_t>(message.nameArgument);
    if (name > 0 && name <= args.size()) args[name - 1] = view::shownName(args[name - 1]).toStdString();
    const QString sentence = QCoreApplication::translate("FileMessages", message.text);
    return QString::fromStdString(filledPlaceholders(sentence.toStdString(), args));
}

QString fileProblemText(const FileResult& result) {
    return QCoreApplication::translate("ScreenText", plainFileProblem(result.problem)) + QStringLiteral("\n\n") +
           fileMessageText(result.message);
}
