#pragma once
#include "client/Catalogue.h"

// The language the page speaks: the plain catalogue it handed the engine
// (set_language) before it asked for anything to show; English until then.
// Every text the engine hands the page passes through it.
const Catalogue& pageWords();
