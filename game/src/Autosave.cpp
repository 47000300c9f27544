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
// the file system's time stamps decide which one is the newest.
const QRegularExpression& autosaveName() {
    static const QRegularExpression re(QStringLiteral("^autosave-(\\d{1,18})\\.avn$"));
    return re;
}

// (number, file name) of every autosave in the folder, newest first.
std::vector<std::pair<qint64, QString>> numbered(const QString& folder) {
    std::vector<std::pair<qint64, QString>> out;
    if (folder.isEmpty()) return out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = autosaveName().match(name);
        if (m.hasMatch()) out.emplace_back(m.captured(1).toLongLong(), name);
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return out;
}

}  // namespace

QString Autosave::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("autosave"));
}

FileResult Autosave::save(Game& game) const {
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) return {false, "Unable to open file: the folder for kept games cannot be made."};
    const auto existing = numbered(folder_);
    const qint64 next = existing.empty() ? 1 : existing.front().first + 1;
    const QString name = QStringLiteral("autosave-%1.avn").arg(next, 6, 10, QLatin1Char('0'));
    const FileResult r = game.saveToFile(QFile::encodeName(QDir(folder_).filePath(name)).toStdString());
    if (!r.ok) return r;
    // Only once the new file is complete do the oldest go.
    const auto all = numbered(folder_);
    for (std::size_t i = Kept; i < all.size(); ++i) QFile::remove(QDir(folder_).filePath(all[i].second));
    return r;
}

QStringList Autosave::files() const {
    QStringList out;
    for (const auto& [number, name] : numbered(folder_)) out << QDir(folder_).filePath(name);
    return out;
}

QString Autosave::newest() const {
    const QStringList all = files();
    return all.isEmpty() ? QString() : all.front();
}
