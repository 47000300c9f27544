#pragma once
// Which province a map point shows. The rules' hit rectangles only roughly
// follow the coasts and borders painted on the map; a player aims at the
// painted land, so every front end reads the painted shapes themselves: a
// byte per map pixel, filled from the alpha of the tint pictures, which are
// exactly the provinces' painted shapes. The seven frontier lands have no
// tint and keep their rectangles. Plain C++: the page's engine has no Qt.
#include <string_view>
#include <vector>

class ProvinceMap;
class Province;

namespace view {

// A tint pixel counts as the province's land from half opacity on.
constexpr int OpaqueFrom = 128;

class PaintedProvinces {
public:
    PaintedProvinces();

    // Marks as the province of `tableIndex` every pixel of a tint laid with
    // its top-left corner at map point (mapX, mapY): `alpha` holds width x
    // height opacities, row by row. Parts off the map are left out.
    void paint(int tableIndex, int mapX, int mapY, int width, int height, const unsigned char* alpha);
    // The same from the tint table's place and size of the province's tint;
    // false (and nothing painted) for a name without a tint or bytes of
    // another size, as a page may hand over.
    bool paintTint(const ProvinceMap& map, std::string_view province, const std::vector<unsigned char>& alpha);
    // The province painted at a map point, else the rules' rectangles
    // (provinceAt); nullptr for the sea.
    Province* at(const ProvinceMap& map, int mapX, int mapY) const;

    // Puts the painting off until the first question: `paintAll(context)`
    // runs once, then. Reading every tint costs a window's first frame more
    // than the frame itself, and no question comes before the player moves.
    // (A plain function: the page's engine, which never puts it off, counts
    // its bytes.)
    void paintWhenAsked(void (*paintAll)(void* context), void* context) {
        pending_ = paintAll;
        context_ = context;
    }
    // Runs the painting put off, if any.
    void paintNow() const;

private:
    std::vector<unsigned char> lookup_;  // 0 for none, else 1 + the province's table index
    mutable void (*pending_)(void*) = nullptr;
    void* context_ = nullptr;
};

}  // namespace view
