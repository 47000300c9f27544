// Feeds arbitrary bytes to the saved-game reader through the file functions
// the front ends call. Whatever the file, the reader must either refuse it with
// its message and leave the game as it was, or load a position that saves and
// loads again to the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "engine/Game.h"

namespace {

std::string savedText(Game& game) {
    std::ostringstream text;
    game.saveToStream(text);
    return text.str();
}

// A folder in memory where there is one: on a disk, rewriting the same file
// thousands of times a second makes the file system write each one back.
std::string scratchFolder() {
    struct stat st {};
    return ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : "/tmp";
}

// One game and one file for the whole run: setting either up again for every
// input would cost more than reading the input.
struct Bench {
    Bench() : file(scratchFolder() + "/aurovane-reader-fuzzer-" + std::to_string(::getpid()) + ".avn") {
        Game::newInstance(1).startNewGame();
    }
    ~Bench() { std::remove(file.c_str()); }
    std::string file;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Bench bench;
    Game& game = Game::instance();
    std::FILE* out = std::fopen(bench.file.c_str(), "wb");
    if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) std::abort();

    const std::string before = savedText(game);
    const FileResult result = game.loadFromFile(bench.file);
    if (!result.ok) {
        if (result.error.rfind("Unable to load file: ", 0) != 0 && result.error.rfind("Unable to open file: ", 0) != 0)
            std::abort();
        if (savedText(game) != before) std::abort();
        return 0;
    }
    for (Empire* e : game.empires()) {
        for (const auto& l : e->legions) {
            if (l->hasRoute && (l->route.size() < 2 || l->route.front() != l->province)) std::abort();
        }
    }
    const std::string once = savedText(game);
    if (!game.loadFromText(once).ok || savedText(game) != once) std::abort();
    return 0;
}
