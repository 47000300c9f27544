#include "qtcommon/MessageCatalogue.h"

#include <QCoreApplication>
#include <string>

#include "qtcommon/RulesText.h"
#include "qtcommon/view/ShownNames.h"

QString translatedText(const Message& message) {
    const char* english = englishSource(message.id);
    QString text = QCoreApplication::translate("Messages", english);
    // The table marks its places %1, %2, ... as Qt does, so a translation may
    // put them in another order.
    const bool translated = text != QString::fromUtf8(english);
    // A translation takes the names in its language and the numbers in its way.
    for (const std::string& param : message.params) {
        text = text.arg(view::speaksEnglish()          ? QString::fromStdString(param)
                        : view::isPlainNumber(param) ? view::shownNumber(std::stoll(param))
                                                     : view::shownName(param));
    }
    // The untranslated English is the rules' own, mended like every rules text the window shows.
    if (!translated) return fromRulesText(text.toStdString());
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
