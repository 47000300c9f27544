#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include <unistd.h>

#include "client/Json.h"
#include "cli/PlainEnglish.h"
#include "cli/Session.h"
#include "client/PlaySession.h"
#include "model/InternalError.h"

namespace {

int usage() {
    std::cerr << "usage: aurovane-cli [--seed N] [--skill 0|1|2] [--answers STRING] [--plain|--protocol]\n"
                 "  --plain     paragraphs and prompts for a person (the default at a terminal)\n"
                 "  --protocol  one line per event, for scripts (the default otherwise)\n";
    return 2;
}

// Wall clock mixed with the system's entropy: two games started in the same
// second still differ.
std::uint32_t freshSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<std::uint32_t>(now) ^ device();
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::uint32_t> seed;
    std::optional<int> skill;
    Session::Options options;
    options.plain = ::isatty(STDIN_FILENO) != 0;
    options.width = terminalWidth();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--plain" || arg == "--protocol") {
            options.plain = arg == "--plain";
            continue;
        }
        if (arg == "--help" || i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        try {
            if (arg == "--seed")
                seed = static_cast<std::uint32_t>(std::stoul(value));
            else if (arg == "--skill" && (value == "0" || value == "1" || value == "2"))
                skill = value[0] - '0';
            else if (arg == "--answers")
                options.answers = value;
            else
                return usage();
        } catch (const std::exception&) {
            return usage();
        }
    }
    try {
        if (!seed) {
            seed = freshSeed();
            std::cout << "seed " << *seed << '\n';
        }
        PlaySession play(*seed, skill ? *skill : 1);
        Session session(play, std::cin, std::cout, options);
        session.run();
    } catch (const InternalError& e) {
        std::cout << "internal " << jsonString(e.what()) << std::endl;
        return 70;
    }
    return 0;
}
