#pragma once
class SavedLineReader;
class TextBuilder;
struct SavedPosition;

// The section that follows the legions in the game's own files: the reign's
// tallies, last year's accounts, the news log and a scenario's title and
// briefing. A reader that knows only the position stops before it.
inline constexpr const char* ExtrasHeader = "Aurovane-extras";
inline constexpr int ExtrasVersion = 1;

void writeExtras(TextBuilder& out, const SavedPosition& position);
// Reads the section if the file goes on after the legions; a file that ends
// there leaves the position's extras as they are.
void readExtras(SavedLineReader& reader, SavedPosition& position);
