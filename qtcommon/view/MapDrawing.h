#pragma once
// The map drawing shared by the game and the map editor: the pictures of the
// map screen and the routines that paint the map, the province tints, the
// legions and the legend onto a painter in layout coordinates.
//
// Layout coordinates are the pixels of the screen composition, laid out for a
// 1366-pixel-wide screen; a wider composition centres it with `screenOffsetX`
// added to every x (never to a y). The map picture sits at (screenOffsetX + 180,
// 30), so a map point (mx, my) is at layout (mx + 180 + screenOffsetX, my + 30).
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qtcommon/view/Graphic.h"
#include "client/ScreenLayout.h"
#include "client/ScreenText.h"
#include "qtcommon/view/Surface.h"

class Game;
class Province;
struct ScreenTextLine;

namespace view {

// (width − 1366) / 2 for a composition wider than 1366 pixels, else 0.
int screenOffsetFor(int layoutWidth);

// The kinds of legion figure.
enum LegionIcon { RomanActive = 0, BarbarianIcon = 1, UnsupportedIcon = 2, SassanidIcon = 3, RebelIcon = 4, RomanMoved = 5 };

// Every picture of the map screen, loaded once.
class Pictures {
public:
    Pictures();
    // Loads every picture found under `root`; the others draw placeholders.
    void load(const QString& root = DefaultPictureRoot);

    // A picture by id (any id of the screen, the lessons and the dialogs);
    // an unknown id gets a placeholder of the given size, made on demand.
    const Graphic& graphic(int id) const;
    // The picture as drawn for a language ("<root>/<language>/<id>.png": the
    // lessons with their words in it), the plain one where there is none.
    const Graphic& graphic(int id, const QString& language) const;
    const Sprite& sprite(int id) const;
    const Sprite& icon(int kind) const;  // by LegionIcon; throws InternalError for 2 and unknown kinds
    const ProvinceSprites& tints() const { return tints_; }

    // A soldier walking on his own spot, carried along by a march: the walk
    // a march plan names.
    const Animation& walk(std::string_view name) const;
    const Animation& romanDefeat() const { return *romanDefeat_; }
    const Animation& barbarianDefeat() const { return *barbarianDefeat_; }
    const Animation& sassanidDefeat() const { return *sassanidDefeat_; }
    const Animation& rebelDefeat() const { return *rebelDefeat_; }

    // How many times the pictures were loaded: a screen keeping what it drew
    // from them draws again after another load.
    int loads() const { return loads_; }

private:
    std::map<int, std::unique_ptr<Graphic>> graphics_;
    // The pictures of other languages found so far, by (language, id).
    std::map<std::pair<QString, int>, std::unique_ptr<Graphic>> translated_;
    ProvinceSprites tints_;
    std::unique_ptr<Animation> romanWalk_, barbarianWalk_, sassanidWalk_;
    std::unique_ptr<Animation> romanDefeat_, barbarianDefeat_, sassanidDefeat_, rebelDefeat_;
    QString root_;
    int loads_ = 0;
};

// How much larger the words are than drawn for a 1366-pixel screen: the
// desktop's font scaling and the player's "Larger Text" (1 for neither).
qreal textScale();
void setTextScale(qreal scale);
// A pixel size of the words, enlarged by textScale().
int textPixels(int pixelSize);

// The font of every text of the screen, at textScale().
QFont screenFont();
void setScreenFont(const QFont& font);
// A bold serif whose figures all stand on the line at one height, for counts.
QFont figuresFont(int pixelSize);

// Writes `text` with the top-left corner of its line at (x, y), as the game's
// screens place their texts. With `opaque`, the line's cell is first filled
// with `background`.
void drawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& colour,
                bool opaque = false, const QColor& background = Qt::white);
// The same in a font of the caller's.
void drawTextAt(QPainter& p, const QFont& font, int x, int y, const QString& text, const QColor& colour,
                bool opaque = false, const QColor& background = Qt::white);

// The font a line is written in to stay within `width` pixels: the given
// one where the line fits (or no width is given), else a size smaller until
// it fits or reaches `least` pixels.
QFont fittedFont(QFont font, const QString& text, int width, int least = 9);

// A whole sentence wrapped into its box, in a smaller size where the box
// is too small for it at the screen's.
void drawTextBlock(QPainter& p, const QFont& font, const ScreenTextBlock& block);

// The map picture (id 111) at (screenOffsetX + 180, 30). Until the artwork
// exists, a marked stand-in map is drawn from the provinces' hit rectangles so
// that the game stays playable.
void drawMapPicture(QPainter& p, const Pictures& pictures, const Game& game, int screenOffsetX);

// Tints every province Rome does not hold with its holder's map colour (plain
// for none); frontier provinces have no tint.
void drawOwnership(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX);

// The CONSTANTINOPLE label (251), drawn from 313 AD on.
void drawConstantinopleLabel(QPainter& p, const Pictures& pictures, int screenOffsetX);

// One thing drawn on the map screen: the layout area it may touch, what it
// shows (everything its drawing depends on but the area and the pictures),
// and its drawing. A screen that keeps what it drew compares the pieces of
// two frames and draws again only where they differ.
struct ScenePiece {
    QRect area;
    QString look;
    std::function<void(QPainter&)> draw;
};
void drawPieces(QPainter& p, const std::vector<ScenePiece>& pieces);

// The layout area a line written by drawTextAt may touch, in the screen's
// font fitted to `width` (none: any width), and a picture drawn with its
// corner at (x, y).
QRect textArea(int x, int y, const QString& text, int width = 0);
QRect pictureArea(const Graphic& picture, int x, int y);
// A line of the screen's words as a piece, fitted to `width` as textArea.
ScenePiece textPiece(int x, int y, const QString& text, const QColor& colour, int width = 0);

// Every empire's legions in every province, with the counts, over the routes
// of the marching Roman legions; the Roman icon is greyed when every Roman
// legion there has moved, and its count reads ready/total when they differ.
// The pieces are for a painter of `deviceScale` device pixels per layout pixel.
std::vector<ScenePiece> legionPieces(const Pictures& pictures, Game& game, int screenOffsetX, qreal deviceScale);
void drawLegions(QPainter& p, const Pictures& pictures, Game& game, int screenOffsetX);

// A white frame whose lines run from (x, y) to (x + w, y + h), moved right
// by the screen offset.
void drawFrame(QPainter& p, const LayoutRect& frame, int screenOffsetX);

// The legend column and the white frame around the map.
std::vector<ScenePiece> legendPieces(const Pictures& pictures, int screenOffsetX);
void drawLegend(QPainter& p, const Pictures& pictures, int screenOffsetX);
// A line of the screen's words as the window shows it: its form translated
// (context "ScreenText"), then its words put in.
QString screenText(const char* form, const std::vector<ScreenTextArg>& args, long long count = -1);
QString screenText(const ScreenTextLine& line);

// Layout point of the corner of a province's figures (LegionFigures.h).
QPoint legionSpot(const Province& province, int screenOffsetX);

// Map coordinates of a layout point.
QPoint layoutToMap(QPoint layout, int screenOffsetX);

}  // namespace view
