#pragma once
// What Continue Last Game says when kept games do not load, forms of the
// "ScreenText" context. Each skipped game is named on a line of its own after
// the first form, with the reader's reason.

// Plural entries of the catalogue (%n: how many), whose sources are the
// English plurals: the window picks each language's form, English's among them.
// Before the games skipped on the way to the one that loaded:
const char* skippedGamesForm();
// When none of the kept games loads; the current game goes on:
const char* noneLoadsForm();
// After the skipped games: the year (%1) the game goes on from.
const char* goesOnForm();
