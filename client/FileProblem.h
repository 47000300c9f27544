#pragma once
// What a player is told when a file cannot be read or written: one plain
// sentence (a form of the "ScreenText" context) above the reader's or the
// writer's own detail, which says where and why for whoever wants to mend it.
#include <string>

enum class FileAccess { Load, Save };

const char* plainFileProblem(const std::string& detail, FileAccess access);
