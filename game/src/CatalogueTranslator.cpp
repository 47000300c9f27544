#include "game/src/CatalogueTranslator.h"

#include <QFile>
#include <memory>

CatalogueTranslator::CatalogueTranslator(Catalogue catalogue, QObject* parent)
    : QTranslator(parent), catalogue_(std::move(catalogue)) {}

std::unique_ptr<CatalogueTranslator> CatalogueTranslator::fromFile(const QString& path, QString& problem,
                                                                   QObject* parent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return nullptr;
    }
    std::string why;
    // Enough to be refused as too large, never the whole of a huge file.
    Catalogue c = Catalogue::read(file.read(8 << 20).toStdString(), why);
    if (!why.empty()) {
        problem = QString::fromStdString(why);
        return nullptr;
    }
    return std::make_unique<CatalogueTranslator>(std::move(c), parent);
}

QString CatalogueTranslator::translate(const char* context, const char* source, const char*, int n) const {
    if (!context || !source) return {};
    // A plural form keeps its %n: Qt puts the count in, the language's way.
    const std::string text = n < 0 ? catalogue_.text(context, source) : catalogue_.form(context, source, n);
    return text == source ? QString() : QString::fromStdString(text);
}
