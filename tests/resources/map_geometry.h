// The game's own geometry, seen the way the map pictures are checked: the
// provinces' legion spots and hit rectangles from the model's table, the tint
// boxes from the map view's table. No number is repeated here.
#pragma once

#include <array>
#include <string_view>

#include "client/TintTable.h"
#include "model/MapData.h"
#include "model/Province.h"

namespace mapgeo {

constexpr int MapWidth = 800;
constexpr int MapHeight = 548;
constexpr int LegionBoxWidth = ::LegionBoxWidth;
constexpr int LegionBoxHeight = ::LegionBoxHeight;
constexpr int ProvinceCount = ::ProvinceCount;

// The colour of a province's land on the bare map.
enum class Side { Roman, Barbarian, Sassanid };

struct ProvinceView {
    std::string_view name;
    Side side;
    int legionX, legionY;
};

inline Side sideOf(std::string_view name) {
    if (name == "Armenia" || name == "Mesopotamia") return Side::Sassanid;
    return Province::isFrontierName(std::string(name)) ? Side::Barbarian : Side::Roman;
}

inline const std::array<ProvinceView, ProvinceCount> provinces = [] {
    std::array<ProvinceView, ProvinceCount> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto& p = mapdata::provinces[i];
        out[i] = {p.name, sideOf(p.name), p.legionX, p.legionY};
    }
    return out;
}();

inline constexpr const auto& tints = TintTable;

// The province the game selects at map point (x, y): the first in table
// order with a rectangle strictly containing the point, or -1.
inline int mapProvinceAt(int x, int y) {
    for (std::size_t i = 0; i < mapdata::provinces.size(); ++i)
        for (const auto& r : mapdata::provinces[i].rects)
            if (r.width > 0 && r.left < x && x < r.left + r.width && r.top < y && y < r.top + r.height)
                return static_cast<int>(i);
    return -1;
}

constexpr int ConstantinopleWindowX = ::ConstantinopleWindowX;
constexpr int ConstantinopleWindowY = ::ConstantinopleWindowY;

}  // namespace mapgeo
