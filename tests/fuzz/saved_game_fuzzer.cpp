// Feeds arbitrary bytes to the saved-game reader. Whatever the file, the reader
// must either refuse it and leave the game as it was, or load a position that
// is consistent and that saves and reloads unchanged.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/StateLine.h"
#include "engine/Game.h"

namespace {

Game& freshGame() {
    static bool ready = false;
    if (!ready) {
        Game::newInstance(1).startNewGame();
        ready = true;
    }
    return Game::instance();
}

std::string savedText(Game& game) {
    std::ostringstream text;
    game.saveToStream(text);
    return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Game& game = freshGame();
    game.startNewGame();
    const std::string before = stateLine(game);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const FileResult result = game.loadFromStream(in);
    if (!result.ok) {
        if (result.error.rfind("Unable to load file", 0) != 0 || stateLine(game) != before) std::abort();
        return 0;
    }
    // Loaded files may hand out any province, so only the rules that every
    // loaded position keeps are checked here.
    for (Empire* e : game.empires()) {
        for (const auto& l : e->legions) {
            if (l->hasRoute && (l->route.size() < 2 || l->route.front() != l->province)) std::abort();
        }
    }
    const std::string once = savedText(game);
    std::istringstream again(once);
    if (!game.loadFromStream(again).ok || savedText(game) != once) std::abort();
    return 0;
}
