#pragma once
#include <string>

class Game;
struct Page;

// What the page's other parts (its editor) reach of a page (PagePlay.cpp).
Game& pageGame(Page& page);
// Hands the position to the page to draw.
void pageShowGame(Page& page);
// Keeps `text` until the page's next call and returns it to the page.
const char* pageReply(Page& page, std::string text);
