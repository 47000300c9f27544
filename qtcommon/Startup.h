#pragma once
#include <QString>

class QCoreApplication;

// Whether a window can open at all: with the X11 or Wayland platforms, a
// display must be named; other platforms (offscreen, vnc...) know best.
// `platformArgument` is the value of a -platform option, if any.
bool displayAvailable(const QString& platformArgument = {});

// The fonts the game is drawn in and the program's icon in every size drawn
// for it, from the bundled resources.
void loadBundledFonts();
void setBundledWindowIcon();

// Installs the catalogue of the windows' language (uiLanguage()) when one was
// built in (":/i18n/aurovane_<lang>.qm").
void installTranslations(QCoreApplication& app);
