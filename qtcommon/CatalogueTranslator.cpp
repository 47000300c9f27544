#include "qtcommon/CatalogueTranslator.h"

#include <QFile>
#include <cstdio>
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

void installTesterCatalogue(QCoreApplication& app, const char* program) {
    const QString tester = qEnvironmentVariable("AUROVANE_CATALOGUE");
    if (tester.isEmpty()) return;
    QString problem;
    if (auto t = CatalogueTranslator::fromFile(tester, problem, &app)) QCoreApplication::installTranslator(t.release());
    else std::fprintf(stderr, "%s: %s: %s\n", program, tester.toUtf8().constData(), problem.toUtf8().constData());
}
