// A person at a terminal: the terminal edition is driven through a
// pseudo-terminal, as a player's shell would run it.
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

class Terminal {
public:
    // A terminal of `columns` columns; 0 leaves its size unknown.
    explicit Terminal(std::vector<std::string> args, unsigned short columns = 0) {
        winsize size{24, columns, 0, 0};
        pid_ = forkpty(&fd_, nullptr, nullptr, columns ? &size : nullptr);
        if (pid_ == 0) {
            unsetenv("COLUMNS");
            setenv("LC_ALL", "C", 1);  // English, whatever the machine's locale
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0) {
            close(fd_);
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    void type(const std::string& line) {
        const std::string text = line + "\n";
        ASSERT_EQ(write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // Everything printed until `marker` appears (or ten seconds pass).
    std::string readUntil(const std::string& marker) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (seen_.find(marker, consumed_) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(fd_, &set);
            timeval wait{0, 100000};
            if (select(fd_ + 1, &set, nullptr, nullptr, &wait) <= 0) continue;
            char buf[4096];
            const ssize_t n = read(fd_, buf, sizeof buf);
            if (n <= 0) break;
            seen_.append(buf, static_cast<std::size_t>(n));
        }
        const std::size_t end = seen_.find(marker, consumed_);
        const std::size_t stop = end == std::string::npos ? seen_.size() : end + marker.size();
        std::string out = seen_.substr(consumed_, stop - consumed_);
        consumed_ = stop;
        return out;
    }

    int exitStatus() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int fd_ = -1;
    pid_t pid_ = -1;
    std::string seen_;
    std::size_t consumed_ = 0;
};

TEST(TerminalPlay, APersonPlaysWithPromptsPagesAndTypedAnswers) {
    Terminal t({AUROVANE_CLI, "--seed", "42"});
    EXPECT_NE(t.readUntil("235 AD > ").find("Type help"), std::string::npos);

    t.type("help");
    EXPECT_NE(t.readUntil("235 AD > ").find("drop FROM TO"), std::string::npos);

    t.type("map");
    const std::string map = t.readUntil("235 AD > ");
    EXPECT_NE(map.find("Upper Rhine"), std::string::npos);
    EXPECT_NE(map.find("5 Roman legions (5 ready)"), std::string::npos);

    // Names in any case, by a unique beginning; an ambiguous one is explained.
    t.type("drop ITAL raet");
    EXPECT_EQ(t.readUntil("235 AD > ").find("Nothing happened"), std::string::npos);
    t.type("drop ital l");
    EXPECT_NE(t.readUntil("235 AD > ").find("could be Lower Rhine, Lower Danube, Lusitania"), std::string::npos);

    // The opening of the worked example: its questions are answered by typing,
    // and the messages come as paragraphs, not protocol lines.
    t.type("drop Italia Pannonia");
    t.readUntil("235 AD > ");
    t.type("drop Aegyptus Mauretania");
    t.readUntil("235 AD > ");
    t.type("drop Raetia Upper_Rhine");
    const std::string refused = t.readUntil("235 AD > ");
    EXPECT_NE(refused.find("All the units in the province have already moved."), std::string::npos);
    EXPECT_EQ(refused.find("tell \""), std::string::npos);
    EXPECT_EQ(refused.find("\\r\\n"), std::string::npos);

    // The Franks offer peace in the third end of turn.
    t.type("end");
    const std::string firstYear = t.readUntil("236 AD > ");
    EXPECT_NE(firstYear.find("News: Belgica has been overrun."), std::string::npos);
    // The lesson of 236 is told in words where there is no picture to show.
    EXPECT_NE(firstYear.find("History lesson: Maximinus Thrax"), std::string::npos);
    EXPECT_NE(firstYear.find("Severus Alexander"), std::string::npos);
    t.type("end");
    t.readUntil("237 AD > ");
    t.type("end");
    const std::string offer = t.readUntil("Answer y (yes) or n (no): ");
    EXPECT_NE(offer.find("offering peace"), std::string::npos);
    t.type("maybe");
    EXPECT_NE(t.readUntil("Please answer y or n: ").size(), 0u);
    t.type("y");
    EXPECT_NE(t.readUntil("Yes.").find("Yes."), std::string::npos);
    t.readUntil(" AD > ");

    t.type("status");
    EXPECT_NE(t.readUntil(" AD > ").find("Treasury"), std::string::npos);
    t.type("quit");
    EXPECT_NE(t.readUntil("Vale").find("Vale"), std::string::npos);
    EXPECT_EQ(t.exitStatus(), 0);
}

TEST(TerminalPlay, ParagraphsFitTheTerminalAndEveryOrderTellsItsOutcome) {
    Terminal t({AUROVANE_CLI, "--seed", "1"}, 50);
    const std::string opening = t.readUntil("235 AD > ");
    EXPECT_NE(opening.find("Type end to end the year."), std::string::npos);
    EXPECT_EQ(opening.find("mouse"), std::string::npos);
    std::istringstream lines(opening);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        EXPECT_LE(line.size(), 50u) << line;
    }

    t.type("drop Italia Raetia");
    EXPECT_NE(t.readUntil("235 AD > ").find("A legion moved from Italia to Raetia."), std::string::npos);
    t.type("end");
    t.readUntil("236 AD > ");
    t.type("drop Raetia Pannonia");
    EXPECT_NE(t.readUntil("236 AD > ").find("Our attack on Pannonia failed: one legion lost."), std::string::npos);
    t.type("quit");
    EXPECT_NE(t.readUntil("Vale").find("Vale"), std::string::npos);
    EXPECT_EQ(t.exitStatus(), 0);
}

TEST(TerminalPlay, ProtocolLinesCanBeForcedAtATerminal) {
    Terminal t({AUROVANE_CLI, "--seed", "1", "--protocol"});
    t.type("dump");
    EXPECT_NE(t.readUntil("\"eventLog\":[]}").find("{\"turn\":0,"), std::string::npos);
}

}  // namespace
