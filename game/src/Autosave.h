#pragma once
#include <QString>
#include <QStringList>

#include "engine/Game.h"

// The games kept for "Continue Last Game": one file per finished turn in a
// folder of the player's data, the newest few kept. The files are ordinary
// saved games, so the reader that loads them checks them like any other.
// Skill level and sound are not part of a saved game and are not touched.
class Autosave {
public:
    static constexpr int Kept = 10;

    // The folder the game uses: "autosave" in the player's data folder.
    static QString defaultFolder();

    Autosave() = default;
    explicit Autosave(QString folder) : folder_(std::move(folder)) {}
    const QString& folder() const { return folder_; }

    // Writes the position as the newest autosave (the writer replaces files
    // only once they are complete) and removes all but the newest `Kept`.
    FileResult save(Game& game) const;
    // The autosaves, newest first.
    QStringList files() const;
    // The newest autosave, or an empty string when there is none.
    QString newest() const;

private:
    QString folder_;
};
