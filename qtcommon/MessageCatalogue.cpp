#include "qtcommon/MessageCatalogue.h"

#include <QCoreApplication>

#include "qtcommon/RulesText.h"

QString translatedText(const Message& message) {
    const char* english = englishSource(message.id);
    QString text = QCoreApplication::translate("Messages", english);
    // The table marks its places %1, %2, ... as Qt does, so a translation may
    // put them in another order.
    const bool translated = text != QString::fromUtf8(english);
    for (const std::string& param : message.params) text = text.arg(QString::fromStdString(param));
    // The untranslated English is the rules' own, mended like every rules text the window shows.
    if (!translated) return fromRulesText(text.toStdString());
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
