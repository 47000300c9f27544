#include "qtcommon/GameFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QStandardPaths>
#include <algorithm>

#include "qtcommon/PrefectDialog.h"

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
    // Qt's own dialog rather than the desktop's, so that it can wear the
    // game's parchment and look the same on every desktop.
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setStyleSheet(parchmentButtonStyle(dialogScaleFor(parent)) + QStringLiteral(
        "QFileDialog { background: #ecdcb4; }"
        "QLabel, QCheckBox { color: #2b1d0e; }"
        "QListView, QTreeView, QLineEdit, QComboBox { background: #f8efd8; color: #2b1d0e;"
        " border: 1px solid #a8823c; selection-background-color: #7a4f24; selection-color: #f6e7c8; }"
        "QHeaderView::section { background: #d9c08a; color: #2b1d0e; border: 0; padding: 2px 6px; }"
        "QToolButton { background: #d9c08a; border: 1px solid #a8823c; border-radius: 3px; }"));
    d.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt sizes the details' columns for what they list, which may cut a
    // longer language's column name short.
    for (QHeaderView* header : d.findChildren<QHeaderView*>())
        for (int i = 0; i < header->count(); ++i)
            header->resizeSection(i, std::max(header->sectionSize(i), header->sectionSizeHint(i)));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().front();
}
