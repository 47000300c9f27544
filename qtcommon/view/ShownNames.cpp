#include "qtcommon/view/ShownNames.h"

#include <QCoreApplication>
#include <QLocale>

#include "english/CorrectedEnglish.h"

namespace view {

bool speaksEnglish() { return QLocale().language() == QLocale::English || QLocale().language() == QLocale::C; }

QString shownName(const std::string& name) {
    // The catalogue's sources are the rules' own spellings.
    const QString translated = QCoreApplication::translate("Names", name.c_str());
    if (translated != QString::fromStdString(name)) return translated;
    return QString::fromStdString(correctedEnglish(name));
}

QString shownNumber(long long n) { return speaksEnglish() ? QString::number(n) : QLocale().toString(n); }

bool isPlainNumber(const std::string& word) {
    if (word.empty() || word.size() > 15) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace view
