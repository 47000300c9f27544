#pragma once
#include <QString>
#include <QStringList>

class QCoreApplication;

// Whether a window can open at all: with the X11 or Wayland platforms, a
// display must be named; other platforms (offscreen, vnc...) know best.
// `platformArgument` is the value of a -platform option, if any.
bool displayAvailable(const QString& platformArgument = {});

// The fonts the game is drawn in and the program's icon in every size drawn
// for it, from the bundled resources.
void loadBundledFonts();
void setBundledWindowIcon();

// The command line as given, before an application object exists to parse it.
QStringList rawArguments(int argc, char** argv);
