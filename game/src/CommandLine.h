#pragma once
#include <QString>
#include <QStringList>

// The saved game or scenario named on the game's command line (the arguments
// as QCoreApplication::arguments() gives them, the program first): the first
// argument that is not an option or an option's value; empty when none is.
QString fileArgument(const QStringList& arguments);
