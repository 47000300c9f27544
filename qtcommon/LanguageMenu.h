#pragma once
#include <QString>
#include <functional>

class QMenu;

// Options > Language in both programs: every language with how much of it is
// translated, the one spoken ticked. A choice is kept for the next start
// (every window and text would have to be made again to change at once), and
// `tell` says so to the player.
QMenu* addLanguageMenu(QMenu* options, const std::function<void(const QString&)>& tell);

// What a choice in the menu tells the player: when it takes effect.
QString languageChosenText(const QString& code);
