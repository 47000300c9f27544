// An internal error raised inside a window handler ends the program with its
// text reported and the position saved beside the user's saves.
#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "qtcommon/FatalErrors.h"
#include "engine/Game.h"
#include "model/InternalError.h"

namespace {

QString saveFolder() {
    QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
    QCoreApplication::setApplicationName(QStringLiteral("AurovaneFatalTest"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

[[noreturn]] void runGameThatBreaks() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    saveFolder();
    static int argc = 1;
    static char name[] = "gui_fatal_tests";
    static char* argv[] = {name, nullptr};
    FatalErrorApplication app(argc, argv);
    FatalErrorApplication::showErrorBox = false;
    static Game g(5);
    FatalErrorApplication::game = &g;
    g.startNewGame();
    g.turn = 33;
    QTimer::singleShot(0, [] { throw InternalError("Empire::updateLegions() stuck in loop!"); });
    app.exec();
    std::exit(0);  // not reached: the error ends the program first
}

}  // namespace

TEST(FatalErrors, InternalErrorInAHandlerEndsTheProgramAfterSaving) {
    // The user's data folder is a temporary one of this run (the child process
    // inherits it), so that runs side by side never see each other's saves.
    // The death test's child runs this body again: it finds the parent's folder.
    std::optional<QTemporaryDir> owned;
    QString home = qEnvironmentVariable("AUROVANE_FATAL_TEST_HOME");
    if (home.isEmpty()) {
        owned.emplace();
        ASSERT_TRUE(owned->isValid());
        home = owned->path();
        qputenv("AUROVANE_FATAL_TEST_HOME", home.toLocal8Bit());
    }
    qputenv("XDG_DATA_HOME", home.toLocal8Bit());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runGameThatBreaks(), testing::ExitedWithCode(1), "stuck in loop!");
    const QStringList saves = QDir(saveFolder()).entryList({QStringLiteral("emergency-*.avn")});
    ASSERT_EQ(saves.size(), 1);
    QFile f(QDir(saveFolder()).filePath(saves.front()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(f.size(), 100);
}
