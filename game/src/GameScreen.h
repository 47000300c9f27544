#pragma once
#include <QCoreApplication>
#include <QRect>
#include <QRegion>
#include <QColor>
#include <QSize>
#include <QString>
#include <vector>
#include <functional>
#include <string>
#include <utility>

#include "qtcommon/view/MapDrawing.h"
#include "client/Choreography.h"
#include "qtcommon/view/NewsPanel.h"
#include "qtcommon/view/ProvinceRegions.h"
#include "qtcommon/view/Surface.h"
#include "game/src/SceneKey.h"
#include "rules/YearNews.h"

class Game;
class Province;

// The game's whole screen: the composition of every frame in one back buffer,
// the map cache the animations take their backgrounds from, and the picture
// the window shows (`front`). Nothing here touches a widget: the window is
// told which part of `front` changed and does the showing and the pausing.
//
// A paint composes only what changed. Under everything lies the ground: black,
// with the tinted map kept as a layer (`mapCache`) and drawn again only when a
// province changes hands. Over it the scene (the scroll, the legions, the
// legend and the frame, the reports and the information line) is made of
// pieces, each with the area it may touch and what it shows; when what the
// scene is drawn from changes, only where its pieces differ from the last
// composition is drawn again, ground first. What is drawn over the scene (the
// keyboard's highlight, a drag, the year's news) is wiped the same way at the
// next paint; the instructions are drawn last, on `front` only. Only the
// parts of the screen that changed are copied to `front` and shown. The
// surfaces are made at the first paint after a change of layout: a window
// settling its size composes once, at the size it settles on.
class GameScreen {
    Q_DECLARE_TR_FUNCTIONS(GameScreen)
public:
    GameScreen(Game& game, const view::Pictures& pictures);

    // The composition size in layout pixels (1366 wide or more) and the
    // number of device pixels per layout pixel.
    void setLayout(QSize layoutSize, qreal scale);
    QSize layoutSize() const { return layoutSize_; }
    qreal scale() const { return scale_; }
    int screenOffsetX() const { return offsetX_; }

    // Shows the changed parts of `front` on the window at once.
    std::function<void(const QRegion& changed)> present;
    // A timed pause that keeps the window drawn and refuses input.
    std::function<void(int ms)> pause;
    // The sound hook (the battle sound of an animated move).
    std::function<void(int kind)> playSound;
    // Drawn over the composed map after the legions (the keyboard's
    // highlight); gives back the layout area it drew in.
    std::function<QRect(QPainter& p)> decorate;

    // The painted provinces, read from the tints once the pictures are loaded.
    void buildRegions() { regions_.build(pictures_.tints(), game_); }
    const view::ProvinceRegions& regions() const { return regions_; }

    // A drag in progress: the province picked up, the one it would land on,
    // and the pointer (layout pixels) the carried figure follows.
    struct Drag {
        const Province* source = nullptr;
        const Province* target = nullptr;
        QPoint pointer;
        bool carrying = false;
    };
    void setDrag(const Drag& drag) { drag_ = drag; }
    const Drag& drag() const { return drag_; }

    // Why the last order was refused, in the information line until the
    // pointer moves on to another province; empty for none.
    void setNotice(const QString& notice) { notice_ = notice; }
    const QString& notice() const { return notice_; }

    // The year's news over the map (empty: none) and the provinces flashed.
    void setNewsPanel(const view::NewsPanel& panel) { newsPanel_ = panel; }
    const view::NewsPanel& newsPanel() const { return newsPanel_; }
    void setFlashed(std::vector<const Province*> provinces) { flashed_ = std::move(provinces); }

    // The reign's news for the military report (nullptr: the rules' last lines
    // without years), and how many lines it is scrolled back.
    void setChronicle(const std::vector<ChronicleLine>* chronicle) { chronicle_ = chronicle; }
    void scrollChronicle(int lines);
    int chronicleScroll() const { return chronicleScroll_; }

    // Brings the screen up to date with the game and shows what changed.
    void paintScreen();
    // Redraws the scroll with both reports and shows it.
    void refreshReports();
    // The information line of the province under the pointer, on the window.
    void showProvinceInfo(const Province* province);
    void setHoveredProvince(const Province* province) { hovered_ = province; }
    const Province* hoveredProvince() const { return hovered_; }

    // Plays the steps of the turn's choreography (client/Choreography.h) as
    // they are given: each drawn, shown and held for its pause.
    void play(const std::vector<view::ScreenStep>& steps);

    // The rules' hooks, played from the client's choreography.
    void animateMove(Province& from, Province& to);
    void animateDefeat(Power loser, Province& province) { play(view::defeatSteps(loser, province)); }
    void forgetAnimatedMoves() { moves_.forgetMoves(); }
    bool wasAnimated(const std::string& from, const std::string& to) const { return moves_.wasShown(from, to); }
    void showTurnBanner() { play(view::bannerSteps()); }
    void zoomToLesson(const Lesson& lesson, bool inTurn) {
        play(view::lessonZoomSteps(lesson, inTurn, layoutSize_.height()));
    }

    // One text of the screen: where its line starts, what it says, its
    // colour and how wide its box is (it is set a size smaller where a
    // language's words would leave it).
    struct TextLine {
        int x, y;
        QString text;
        QColor colour;
        int width = 0;
    };
    // The reports' lines for the game as it stands.
    std::vector<TextLine> economicReportLines() const;
    std::vector<TextLine> militaryReportLines() const;
    // The information line: its texts and the coin places (x, picture id), at y 595.
    struct InfoLine {
        std::vector<TextLine> texts;
        std::vector<std::pair<int, int>> coins;
    };
    InfoLine provinceInfo(const Province* province) const;

    // The text drawing of the reports and the information line, on any painter.
    static void drawLines(QPainter& p, const std::vector<TextLine>& lines);
    void drawEconomicReport(QPainter& p) const;
    void drawMilitaryReport(QPainter& p) const;
    void drawProvinceInfo(QPainter& p, const Province* province) const;

    const view::Surface& backBuffer() const { return back_; }
    const view::Surface& mapCache() const { return mapCache_; }
    const view::Surface& front() const { return front_; }

private:
    // Shows a part of `front` drawn outside a paint; the next paint puts the
    // composition back there.
    void show(const QRect& r);
    void wait(int ms) { if (pause) pause(ms); }
    SceneKey sceneKey() const;
    // Makes the surfaces for the layout where a change of layout dropped them.
    void makeSurfaces(view::Surface::Start start = view::Surface::Start::Black);
    QRect mapArea() const;
    // The font and the pictures' load every piece is drawn with.
    QString drawnWith() const;
    // Brings the map layer and the scene's pieces up to date; each gives back
    // the area it changed.
    QRegion composeMap();
    QRegion composeScene();
    std::vector<view::ScenePiece> scenePieces() const;
    // The ground within `area` of a surface: black, and the map layer pixel
    // for pixel.
    void drawGround(view::Surface& to, const QRegion& area) const;
    // Draws the scene afresh on `back_` within `area`: the ground, then every
    // piece that reaches into it.
    void drawScene(const QRegion& area);
    // The instructions under the information line, drawn on `front` within `area`.
    void drawInstructions(const QRegion& area);
    // The legions being carried; gives back the layout area it drew in.
    QRect drawOrdersInProgress(QPainter& p) const;
    // Draws a step's picture; the area it covers.
    QRect drawStepPicture(const view::ScreenStep& step);
    const view::Sprite* animationFrame(int picture) const;

    Game& game_;
    const view::Pictures& pictures_;
    QSize layoutSize_{view::LayoutWidth, view::LayoutHeight};
    qreal scale_ = 1.0;
    int offsetX_ = 0;
    view::Surface back_;
    view::Surface mapCache_;
    view::Surface front_;
    // What the scene was last composed from, its pieces and how they were
    // drawn. The scene is kept on `back_` alone: where something was drawn
    // over it, it is drawn again from its pieces.
    SceneKey sceneKey_;
    bool sceneComposed_ = false;
    std::vector<view::ScenePiece> pieces_;
    struct DrawnPiece {
        QRect area;
        std::size_t identity;  // its look, area and the pieces under it
        bool operator<(const DrawnPiece& o) const { return identity < o.identity; }
    };
    std::vector<DrawnPiece> drawnPieces_;
    QString drawnWith_;
    // What the map layer was drawn from.
    std::vector<std::uintptr_t> mapKey_;
    // Where `back_` or `front_` may differ from the composition (drawn on
    // outside a paint), and where the last paint drew over the scene.
    QRegion stale_;
    QRegion drawnOver_;
    const Province* hovered_ = nullptr;
    view::MoveChoreography moves_;
    view::ProvinceRegions regions_;
    Drag drag_;
    QString notice_;
    view::NewsPanel newsPanel_;
    std::vector<const Province*> flashed_;
    const std::vector<ChronicleLine>* chronicle_ = nullptr;
    int chronicleScroll_ = 0;
};
