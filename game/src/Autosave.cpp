#include "game/src/Autosave.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// autosave-000042.avn: the number orders the files, so neither the clock nor
// the file system's time stamps decide which one is the newest. Numbers of
// any length are read (a folder may come from elsewhere) and compared as the
// digits they are.
const QRegularExpression& autosaveName() {
    static const QRegularExpression re(QStringLiteral("^autosave-0*(\\d+)\\.avn$"));
    return re;
}

struct KeptFile {
    QString number;  // digits, without leading zeros
    QString name;
};

bool newer(const KeptFile& a, const KeptFile& b) {
    return a.number.size() != b.number.size() ? a.number.size() > b.number.size() : a.number > b.number;
}

QString fileName(const QString& number) {
    return QStringLiteral("autosave-%1.avn").arg(number, 6, QLatin1Char('0'));
}

QString plusOne(QString number) {
    for (int i = number.size() - 1; i >= 0; --i) {
        if (number[i] != QLatin1Char('9')) {
            number[i] = QChar(number[i].unicode() + 1);
            return number;
        }
        number[i] = QLatin1Char('0');
    }
    return QStringLiteral("1") + number;
}

// Every autosave in the folder, newest first.
std::vector<KeptFile> numbered(const QString& folder) {
    std::vector<KeptFile> out;
    if (folder.isEmpty()) return out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = autosaveName().match(name);
        if (m.hasMatch()) out.push_back({m.captured(1), name});
    }
    std::sort(out.begin(), out.end(), newer);
    return out;
}

// Numbers that would no longer fit a short name start again from 1, the
// oldest file first: at every step each file that got a new number is older
// than each that has not, so a save cut short anywhere keeps the order.
std::vector<KeptFile> renumbered(const QString& folder, std::vector<KeptFile> files) {
    constexpr int LongestNumber = 18;
    if (files.empty() || plusOne(files.front().number).size() <= LongestNumber) return files;
    QDir dir(folder);
    QString number = QStringLiteral("0");
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        number = plusOne(number);
        if (dir.rename(it->name, fileName(number))) *it = {number, fileName(number)};
    }
    std::sort(files.begin(), files.end(), newer);
    return files;
}

}  // namespace

QString Autosave::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("autosave"));
}

FileResult Autosave::save(Game& game) const {
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) return refusedFile({fileopen::NoKeptGamesFolder, {}}, FileProblem::Unwritten);
    const auto existing = renumbered(folder_, numbered(folder_));
    const QString name = fileName(plusOne(existing.empty() ? QStringLiteral("0") : existing.front().number));
    const FileResult r = game.saveToFile(QFile::encodeName(QDir(folder_).filePath(name)).toStdString());
    if (!r.ok) return r;
    // Only once the new file is complete do the oldest go.
    const auto all = numbered(folder_);
    for (std::size_t i = Kept; i < all.size(); ++i) QFile::remove(QDir(folder_).filePath(all[i].name));
    return r;
}

QStringList Autosave::files() const {
    QStringList out;
    for (const KeptFile& f : numbered(folder_)) out << QDir(folder_).filePath(f.name);
    return out;
}

QString Autosave::newest() const {
    const QStringList all = files();
    return all.isEmpty() ? QString() : all.front();
}
