#pragma once
#include <cstddef>
#include <string>

#include "model/FileMessage.h"

// Saved games live in folders other people can write to and arrive from other
// machines, so the files are opened as carefully as any untrusted input: only
// regular files, never blocking on a pipe or a device, never more than a
// saved game's worth in memory.

// What went wrong with a file, in the plain terms a player is told it.
enum class FileProblem {
    None,
    Unopened,       // missing, unreadable, not a regular file, far too large
    NotASavedGame,  // refused on its first line, or not text at all
    CutShort,       // it ends before a saved game does
    Damaged,        // refused further on
    Unwritten,      // a save that failed
};

struct FileText {
    bool ok = true;
    std::string text;
    // For the player, beginning "Unable to open file".
    FileMessage error;
};

// The whole of the regular file at `path`, refused when it is longer than
// `maxBytes`.
FileText readRegularFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `text` so that, whatever happens (a full
// disk, a crash, a power cut, another program saving to the same path), the
// path holds either the old file or the whole new one. Keeps the old file's
// permissions. Returns no message (a null text) on success, otherwise the
// reason for the player, beginning "Unable to open file".
FileMessage writeFileDurably(const std::string& path, const std::string& text);
