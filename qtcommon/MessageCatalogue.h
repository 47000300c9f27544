#pragma once
#include <QString>

#include "rules/Messages.h"

// A message of the rules in the window's language. The "Messages" context of
// the translation catalogue takes its source texts from the rules' English
// table; a message nobody has translated shows that English text, in
// corrected English with plain line feeds.
QString translatedText(const Message& message);
