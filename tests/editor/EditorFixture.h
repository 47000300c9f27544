#pragma once
#include <string>
#include <vector>

#include <QApplication>
#include <gtest/gtest.h>

#include "client/EditorSession.h"
#include "editor/Messages.h"
#include "engine/Game.h"
#include "rules/Presenter.h"

namespace editor::test {

// One application for a test program's windows; never destroyed: tearing Qt
// down during the program's exit crashes.
inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "editor-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Records what the game would have told the designer.
class RecordingAdvisor : public Presenter {
public:
    std::vector<std::string> told;

    void tell(const std::string& text) override { told.push_back(text); }
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override {
        told.push_back(text);
        return false;
    }
};

struct Box {
    std::string caption;
    std::string text;
};

// Every test starts from the editor's start position in a fresh Game, with
// the message boxes and the Advisor recorded instead of shown.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Game::destroyInstance();
        Game::instance().setPresenter(&advisor);
        setMessageBoxHandler([this](QWidget*, const std::string& caption, const std::string& text) {
            boxes.push_back({caption, text});
        });
        session = std::make_unique<EditorSession>(Game::instance());
        session->setUpStartPosition();
    }

    void TearDown() override {
        session.reset();
        setMessageBoxHandler({});
        Game::destroyInstance();
    }

    Game& game() { return Game::instance(); }
    Province& province(const std::string& name) { return game().findProvince(name); }

    // A window point inside the named province's first hit rectangle.
    static std::pair<int, int> windowPointIn(Province& p) {
        const MapRect& r = p.hitRects.front();
        return {MapLeft + (r.left + r.right) / 2, MapTop + (r.top + r.bottom) / 2};
    }

    RecordingAdvisor advisor;
    std::vector<Box> boxes;
    std::unique_ptr<EditorSession> session;
};

}  // namespace editor::test
