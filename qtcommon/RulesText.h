#pragma once
#include <QString>
#include <string>

// Text that comes from the rules and the file reader (UTF-8, with "\r\n" line
// breaks) as the window programs show it: in corrected English (the terminal
// protocol keeps the original words), UTF-8 decoded, plain line feeds.
QString fromRulesText(const std::string& text);
