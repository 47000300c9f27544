#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include <unistd.h>

#include "client/Json.h"
#include "cli/PlainEnglish.h"
#include "cli/Session.h"
#include "cli/TerminalWords.h"
#include "client/PlaySession.h"
#include "model/InternalError.h"

namespace {

int usage(const TerminalWords& words) {
    std::cerr << "usage: aurovane-cli [--seed N] [--skill 0|1|2] [--answers STRING] [--plain|--protocol]"
                 " [--lang de|fr|it|es|en]\n"
              << "  --plain     "
              << words(QT_TRANSLATE_NOOP("Terminal", "paragraphs and prompts for a person (the default at a terminal)"))
              << "\n  --protocol  "
              << words(QT_TRANSLATE_NOOP("Terminal", "one line per event, for scripts (the default otherwise)"))
              << "\n  --lang      "
              << words(QT_TRANSLATE_NOOP("Terminal",
                                         "the language of --plain (the default: LC_ALL, LC_MESSAGES or LANG); "
                                         "--protocol is always English"))
              << '\n';
    return 2;
}

// The --lang option's value among the arguments; the environment's language without one.
std::string chosenLanguage(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--lang") return argv[i + 1];
    return environmentLanguage();
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
    options.language = chosenLanguage(argc, argv);
    const TerminalWords words(terminalSpeaks(options.language) ? options.language : environmentLanguage());
    if (!terminalSpeaks(options.language)) return usage(words);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--plain" || arg == "--protocol") {
            options.plain = arg == "--plain";
            continue;
        }
        if (arg == "--help" || i + 1 >= argc) return usage(words);
        const std::string value = argv[++i];
        try {
            if (arg == "--seed")
                seed = static_cast<std::uint32_t>(std::stoul(value));
            else if (arg == "--skill" && (value == "0" || value == "1" || value == "2"))
                skill = value[0] - '0';
            else if (arg == "--answers")
                options.answers = value;
            else if (arg != "--lang")
                return usage(words);
        } catch (const std::exception&) {
            return usage(words);
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
