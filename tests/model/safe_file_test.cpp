#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/SafeFile.h"
#include "tests/support/FileContents.h"

namespace {

namespace fs = std::filesystem;

// The writer's reason in English, "" when the file was written.
std::string written(const std::string& path, const std::string& text) {
    return englishFileMessage(writeFileDurably(path, text));
}

class SafeFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("aurovane-safe-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::vector<std::string> folderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

TEST_F(SafeFile, OnlyRegularFilesAreReadAndNothingBlocks) {
    ASSERT_EQ(::mkfifo(path("pipe.avn").c_str(), 0600), 0);
    fs::create_symlink(path("pipe.avn"), path("link-to-pipe.avn"));
    fs::create_directory(path("folder.avn"));
    std::ofstream(path("big.avn")) << std::string(5000, 'x');
    std::ofstream(path("small.avn")) << "0   # turn\n";

    const std::string notOrdinary = "Unable to open file: it is not an ordinary file (a pipe, a device or a socket).";
    EXPECT_EQ(englishFileMessage(readRegularFile(path("pipe.avn"), 4096).error), notOrdinary);
    EXPECT_EQ(englishFileMessage(readRegularFile(path("link-to-pipe.avn"), 4096).error), notOrdinary);
    EXPECT_EQ(englishFileMessage(readRegularFile("/dev/zero", 4096).error), notOrdinary);
    EXPECT_EQ(englishFileMessage(readRegularFile(path("folder.avn"), 4096).error), "Unable to open file: a folder has that name.");
    EXPECT_EQ(englishFileMessage(readRegularFile(path("missing.avn"), 4096).error), "Unable to open file");
    EXPECT_EQ(englishFileMessage(readRegularFile(path("big.avn"), 4096).error), "Unable to open file: it is far too large to be a saved game.");
    const FileText small = readRegularFile(path("small.avn"), 4096);
    EXPECT_TRUE(small.ok);
    EXPECT_EQ(small.text, "0   # turn\n");
}

TEST_F(SafeFile, SavingReplacesOnlyRegularFilesAndKeepsTheirPermissions) {
    std::ofstream(path("game.avn")) << "older\n";
    ::chmod(path("game.avn").c_str(), 0600);
    EXPECT_EQ(written(path("game.avn"), "newer\n"), "");
    EXPECT_EQ(fileContents(path("game.avn")), "newer\n");
    EXPECT_EQ(fs::status(path("game.avn")).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_EQ(::mkfifo(path("pipe.avn").c_str(), 0600), 0);
    EXPECT_EQ(written(path("pipe.avn"), "x\n"),
              "Unable to open file: it is not an ordinary file (a pipe, a device or a socket).");
    EXPECT_TRUE(fs::is_fifo(path("pipe.avn")));
    fs::create_directory(path("folder.avn"));
    EXPECT_EQ(written(path("folder.avn"), "x\n"), "Unable to open file: a folder has that name.");
    EXPECT_EQ(written(path("no-folder/game.avn"), "x\n"), "Unable to open file: the folder does not exist.");
    EXPECT_EQ(written(path(std::string(256, 'n')), "x\n"), "Unable to open file: the name is too long.");
    // Every name the folder takes can be saved, twice over (the second time
    // beside a file of that long name), and no temporary is left.
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(written(path(std::string(255, 'n')), "long\n"), "");
        EXPECT_EQ(written(path(std::string(251, 'm') + ".avn"), "long\n"), "");
    }
    EXPECT_EQ(fileContents(path(std::string(255, 'n'))), "long\n");
    fs::remove(path(std::string(255, 'n')));
    fs::remove(path(std::string(251, 'm') + ".avn"));
    // A file the player made read-only stays as it was.
    std::ofstream(path("kept.avn")) << "kept\n";
    ::chmod(path("kept.avn").c_str(), 0444);
    EXPECT_EQ(written(path("kept.avn"), "x\n"), "Unable to open file: the file is read-only; save under another name.");
    EXPECT_EQ(fileContents(path("kept.avn")), "kept\n");
    fs::remove(path("kept.avn"));
    EXPECT_EQ(written("/dev/null", "x\n"),
              "Unable to open file: it is not an ordinary file (a pipe, a device or a socket).");
    EXPECT_EQ(folderContents(), (std::vector<std::string>{"folder.avn", "game.avn", "pipe.avn"}));
}

TEST_F(SafeFile, TemporariesAreOursAloneAndStaleOnesAreCleanedUp) {
    // A link where a temporary might be created, pointing at a file to spoil;
    // a file of the player's that merely looks like a temporary.
    std::ofstream(path("victim")) << "precious\n";
    fs::create_symlink(path("victim"), path("game.avn.saving-" + std::to_string(::getpid()) + "-0"));
    std::ofstream(path("game.avn.saving")) << "the player's own\n";
    // A temporary left by a program that died in the middle of a save.
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    std::ofstream(path("game.avn.saving-" + std::to_string(dead) + "-7")) << "half a sa";

    for (int i = 0; i < 3; ++i) EXPECT_EQ(written(path("game.avn"), "saved\n"), "");
    EXPECT_EQ(fileContents(path("victim")), "precious\n");
    EXPECT_EQ(fileContents(path("game.avn")), "saved\n");
    EXPECT_EQ(folderContents(), (std::vector<std::string>{"game.avn", "game.avn.saving",
                                                          "game.avn.saving-" + std::to_string(::getpid()) + "-0",
                                                          "victim"}));
}

TEST_F(SafeFile, ConcurrentSavesLeaveOneCompleteFile) {
    const std::string target = path("shared.avn");
    const std::string texts[] = {std::string(20000, 'a') + "\n", std::string(30000, 'b') + "\n",
                                 std::string(10000, 'c') + "\n"};
    ASSERT_EQ(written(target, texts[0]), "");
    std::vector<pid_t> writers;
    for (const std::string& text : texts) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < 150; ++i) {
                if (!written(target, text).empty()) ::_exit(1);
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    int broken = 0;
    for (int i = 0; i < 1500; ++i) {
        const FileText seen = readRegularFile(target, 1 << 20);
        if (!seen.ok || std::find(std::begin(texts), std::end(texts), seen.text) == std::end(texts)) ++broken;
    }
    for (pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(folderContents(), std::vector<std::string>{"shared.avn"});
}

}  // namespace
