#pragma once
#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "client/Catalogue.h"

// A window in a catalogue of the plain form the page and the terminal read
// (tools/catalogue/plain_catalogue.py): how a tester sees the window in its
// pseudo language, every text marked and 40 % longer, from the very rule the
// page's and the terminal's pseudo runs use. A text the catalogue lacks goes
// on to the next translator (Qt's own words, for one).
class CatalogueTranslator : public QTranslator {
public:
    explicit CatalogueTranslator(Catalogue catalogue, QObject* parent = nullptr);
    // The catalogue in a file; untrusted: on a missing or broken file,
    // `problem` says why and the translator is null.
    static std::unique_ptr<CatalogueTranslator> fromFile(const QString& path, QString& problem, QObject* parent = nullptr);

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override;

private:
    Catalogue catalogue_;
};

// A tester's catalogue over the chosen language's, named by the environment
// (AUROVANE_CATALOGUE) so that no player meets it in a menu or an option; a
// file that cannot be read is told on the error stream under `program`.
void installTesterCatalogue(QCoreApplication& app, const char* program);
