#pragma once
#include <QCoreApplication>
#include <QString>

class QWidget;

// The choice of a saved game or scenario, as both programs offer it.
class GameFiles {
    Q_DECLARE_TR_FUNCTIONS(GameFiles)
public:
    // Saved games and scenarios get this extension; the reader takes any case.
    static constexpr const char* Extension = "avn";

    // Where the file dialogs open: "Aurovane" in the user's documents folder,
    // or "saves" in the program's data folder where there is no documents
    // folder. Created when missing.
    static QString savesFolder();

    // The game opens and saves games; the editor opens and saves scenarios.
    enum class Purpose { Open, Save, OpenScenario, SaveScenario };
    // Asks with the game's own file dialog, opening in `folder` (the saves folder
    // when empty); empty when cancelled. A name saved without an extension
    // gets ".avn".
    static QString choose(QWidget* parent, Purpose purpose, const QString& folder = {});
};
