#include "qtcommon/GameFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString GameFiles::savesFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString folder = documents.isEmpty()
                         ? QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("saves"))
                         : QDir(documents).filePath(QStringLiteral("Aurovane"));
    if (!QDir().mkpath(folder)) folder = QDir::homePath();
    return folder;
}

QString GameFiles::choose(QWidget* parent, Purpose purpose, const QString& folder) {
    const bool saving = purpose == Purpose::Save || purpose == Purpose::SaveScenario;
    const QString title = purpose == Purpose::Save           ? tr("Save Game")
                          : purpose == Purpose::Open         ? tr("Load Game")
                          : purpose == Purpose::SaveScenario ? tr("Save Scenario")
                                                             : tr("Open Scenario");
    QFileDialog d(parent, title, folder.isEmpty() ? savesFolder() : folder);
    // Older games were saved as .AVN; the filter shows both.
    d.setNameFilters({tr("Aurovane games (*.avn *.AVN)"), tr("All files (*)")});
    d.setDefaultSuffix(QString::fromUtf8(Extension));
    d.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().front();
}
