#include "game/src/MessageCatalogue.h"

#include <QCoreApplication>

QString translatedText(const Message& message) {
    // The table marks its places %1, %2, ... as Qt does, so a translation may
    // put them in another order.
    QString text = QCoreApplication::translate("Messages", englishSource(message.id));
    for (const std::string& param : message.params) text = text.arg(QString::fromStdString(param));
    return text;
}
