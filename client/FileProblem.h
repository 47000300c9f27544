#pragma once
// What a player is told when a file cannot be read or written: one plain
// sentence (a form of the "ScreenText" context) above the reader's or the
// writer's own detail, which says where and why for whoever wants to mend it.
#include "model/SafeFile.h"

const char* plainFileProblem(FileProblem problem);
