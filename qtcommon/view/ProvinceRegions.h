#pragma once
// The provinces' painted shapes in the window: the lookup of the province a
// map point shows (PaintedProvinces), fed from the loaded tint pictures, and
// the shapes themselves for the highlight of a drag's target.
#include <QImage>
#include <QPoint>
#include <QPainter>
#include <QRect>
#include <map>
#include <tuple>
#include <vector>

#include "client/PaintedProvinces.h"

class Game;
class Province;

namespace view {

class ProvinceSprites;

class ProvinceRegions {
public:
    // Its lookup paints itself on the first question: it stays where it was built.
    ProvinceRegions() = default;
    ProvinceRegions(const ProvinceRegions&) = delete;
    ProvinceRegions& operator=(const ProvinceRegions&) = delete;

    // Builds the lookup picture from the loaded tints when it is first
    // asked about; tints that were not found leave their provinces to the
    // rectangles. The tints and the game must outlive the regions.
    void build(const ProvinceSprites& tints, const Game& game);

    // The province painted at a map point: its painted shape where one lies
    // there, else the rules' rectangles (Game::provinceAt); nullptr for the sea.
    Province* at(const Game& game, QPoint mapPoint) const;
    // The lookup itself, for the drops (DropTarget.h).
    const PaintedProvinces& painted() const { return painted_; }
    // Whether a province is known by its painted shape (not only by rectangles).
    bool hasShape(const Game& game, const Province& province) const;

    // Rims the province's painted shape (or its rectangles) in `colour` and,
    // when `filled`, washes it with the colour too; on a painter in layout pixels.
    void highlight(QPainter& p, const Game& game, const Province& province, const QColor& colour, int screenOffsetX,
                   bool filled = true) const;

    // The layout area a highlight of the province may touch.
    QRect highlightArea(const Game& game, const Province& province, int screenOffsetX) const;

private:
    void buildNow();
    const ProvinceSprites* tints_ = nullptr;
    const Game* game_ = nullptr;
    PaintedProvinces painted_;
    struct Shape {
        int tableIndex;
        QPoint mapTopLeft;
        QImage mask;  // the tint's alpha: opaque on the province
    };
    std::vector<Shape> shapes_;
    // The highlights drawn so far, by province, colour and whether it is the
    // wash or the rim: a drag draws its target's again at every step.
    const QImage& highlightPicture(const Shape& shape, const QColor& colour, bool rim) const;
    mutable std::map<std::tuple<int, QRgb, bool>, QImage> highlights_;
};

}  // namespace view
