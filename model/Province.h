#pragma once
#include "model/TranslationMarks.h"
#include <array>
#include <string>
#include <vector>

constexpr int ProvinceCount = 30;
constexpr int MaxNeighbours = 6;
// The box, from a province's legion spot, in which its legion icon is drawn and
// picked up: both ends included, so it spans 74 x 60 map pixels.
constexpr int LegionBoxWidth = 73;
constexpr int LegionBoxHeight = 59;

enum Hostility { None = 0, Friendly = 1, Hostile = 2 };

struct MapRect {
    int left, top, right, bottom;
    // Strictly inside: a point on an edge belongs to no rectangle.
    bool contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

// One of the 30 fixed map regions. Owned by the Game's table and never copied;
// everything else refers to it by reference, files by name.
class Province {
public:
    Province(std::string name, int raiseCounter);
    Province(const Province&) = delete;
    Province& operator=(const Province&) = delete;

    std::string description = QT_TRANSLATE_NOOP("Names", "Supports 1 legion");
    int raiseCounter = 0;
    std::array<Province*, MaxNeighbours> neighbours{};
    int neighbourCount = 0;
    std::vector<MapRect> hitRects;
    int taxValue = 2;
    int hostility = None;

    const std::string& name() const { return name_; }
    int legionX() const;
    int legionY() const;
    void setLegionSpot(int x, int y) { legionX_ = x; legionY_ = y; }
    void addNeighbour(Province& p);
    void addHitRect(int left, int top, int width, int height);

    // Whether a legion standing in `from` may step to `candidate` (links are directed).
    static bool isNeighbour(const Province& candidate, const Province& from);
    bool isFrontier() const;
    static bool isFrontierName(const std::string& name);
    std::string attributesText() const;

    bool sameAs(const Province& other) const { return name_ == other.name_; }

private:
    std::string name_;
    int legionX_ = -1;
    int legionY_ = -1;
};
