#pragma once
#include <QString>
#include <string>

#include "model/SavedPosition.h"

// Text that comes from the rules and the file reader (UTF-8, with "\r\n" line
// breaks) as the window programs show it: in corrected English (the terminal
// protocol keeps the original words), UTF-8 decoded, plain line feeds.
QString fromRulesText(const std::string& text);

// Text for a dialog that wraps its lines itself: the line breaks inside a
// paragraph become spaces (a blank line still parts paragraphs, and a line
// that starts a list item or a bracketed note keeps its own), and the double
// spaces after a sentence become one.
QString flowingText(const QString& text);

// The reader's or the writer's sentence in the window's language (the
// catalogue's "FileMessages" context), the province it names as the map
// shows it; in English the sentence the terminal prints, corrected.
QString fileMessageText(const FileMessage& message);

// A file that could not be read or written, as the game and the editor tell
// it: the plain sentence, then the reader's or the writer's own detail.
QString fileProblemText(const FileResult& result);

