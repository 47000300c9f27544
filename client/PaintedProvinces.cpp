#include "client/PaintedProvinces.h"

#include <string>

#include "client/ScreenLayout.h"
#include "client/TintTable.h"
#include "model/ProvinceMap.h"

namespace view {

PaintedProvinces::PaintedProvinces() : lookup_(std::size_t(MapWidth) * MapHeight, 0) {}

void PaintedProvinces::paint(int tableIndex, int mapX, int mapY, int width, int height,
                             const unsigned char* alpha) {
    if (tableIndex < 0 || tableIndex >= 255 || width <= 0 || height <= 0) return;
    for (int y = 0; y < height; ++y) {
        const int my = mapY + y;
        if (my < 0 || my >= MapHeight) continue;
        const unsigned char* row = alpha + std::size_t(y) * std::size_t(width);
        unsigned char* line = lookup_.data() + std::size_t(my) * MapWidth;
        for (int x = 0; x < width; ++x) {
            const int mx = mapX + x;
            if (mx >= 0 && mx < MapWidth && row[x] >= OpaqueFrom) line[mx] = static_cast<unsigned char>(1 + tableIndex);
        }
    }
}

bool PaintedProvinces::paintTint(const ProvinceMap& map, std::string_view province,
                                 const std::vector<unsigned char>& alpha) {
    const Province* p = map.provinceNamed(std::string(province));
    if (!p) return false;
    for (const TintSpec& t : TintTable) {
        if (t.name != province) continue;
        if (alpha.size() != std::size_t(t.width) * std::size_t(t.height)) return false;
        paint(map.indexOf(*p), t.mapX(), t.mapY(), t.width, t.height, alpha.data());
        return true;
    }
    return false;
}

void PaintedProvinces::paintNow() const {
    if (!pending_) return;
    // Taken first: the painting paints on this very lookup.
    void (*const paintAll)(void*) = pending_;
    pending_ = nullptr;
    paintAll(context_);
}

Province* PaintedProvinces::at(const ProvinceMap& map, int x, int y) const {
    paintNow();
    if (x >= 0 && y >= 0 && x < MapWidth && y < MapHeight) {
        const int value = lookup_[std::size_t(y) * MapWidth + std::size_t(x)];
        if (value > 0 && value <= int(map.provinceTable.size())) return map.provinceTable[std::size_t(value - 1)];
    }
    return map.provinceAt(x, y);
}

}  // namespace view
