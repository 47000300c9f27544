#pragma once
// What Continue Last Game says when kept games do not load, forms of the
// "ScreenText" context with %1 places: the window translates them, the page
// fills them. Each skipped game is named on a line of its own after the first
// form, with the reader's reason.
#include <cstddef>

// Before the games skipped on the way to the one that loaded.
const char* skippedGamesForm(std::size_t skipped);
// After them: the year the game goes on from.
const char* goesOnForm();
// When none of the kept games loads; the current game goes on.
const char* noneLoadsForm(std::size_t kept);
