#include "model/ProvinceMap.h"

#include <deque>

#include "model/InternalError.h"
#include "model/MapData.h"
#include "model/Random.h"

ProvinceMap::~ProvinceMap() {
    for (Province* p : provinceTable) delete p;
}

void ProvinceMap::buildMap(Random& random) {
    for (std::size_t i = 0; i < mapdata::provinces.size(); ++i)
        provinceTable[i] = new Province(mapdata::provinces[i].name, random.draw() % 3);
    for (std::size_t i = 0; i < mapdata::provinces.size(); ++i) {
        const auto& entry = mapdata::provinces[i];
        Province& p = *provinceTable[i];
        for (const char* n : entry.neighbours) {
            if (n != nullptr) p.addNeighbour(findProvince(n));
        }
        p.setLegionSpot(entry.legionX, entry.legionY);
        for (const auto& r : entry.rects) {
            if (r.width > 0) p.addHitRect(r.left, r.top, r.width, r.height);
        }
    }
    for (const auto& t : mapdata::traits) {
        Province& p = findProvince(t.name);
        p.description = t.description;
        p.taxValue = t.taxValue;
        p.hostility = t.hostility;
    }
}

Province* ProvinceMap::provinceNamed(const std::string& name) const {
    for (Province* p : provinceTable) {
        if (p != nullptr && p->name() == name) return p;
    }
    return nullptr;
}

Province& ProvinceMap::findProvince(const std::string& name) const {
    if (Province* p = provinceNamed(name)) return *p;
    throw InternalError("province " + name + " not found!");
}

int ProvinceMap::indexOf(const Province& province) const {
    for (std::size_t i = 0; i < provinceTable.size(); ++i) {
        if (provinceTable[i] != nullptr && provinceTable[i]->sameAs(province)) return static_cast<int>(i);
    }
    return -1;
}

Province* ProvinceMap::provinceAtIndex(int index) const {
    return index >= 0 && index < ProvinceCount ? provinceTable[static_cast<std::size_t>(index)] : nullptr;
}

Province* ProvinceMap::provinceAt(int x, int y) const {
    for (Province* p : provinceTable) {
        for (const MapRect& r : p->hitRects) {
            if (r.contains(x, y)) return p;
        }
    }
    return nullptr;
}

bool ProvinceMap::pointIn(const Province& province, int& x, int& y) const {
    // The centre of a rectangle first: where a player would aim the mouse.
    for (const MapRect& r : province.hitRects) {
        const int cx = (r.left + r.right) / 2;
        const int cy = (r.top + r.bottom) / 2;
        if (provinceAt(cx, cy) == &province) {
            x = cx;
            y = cy;
            return true;
        }
    }
    for (const MapRect& r : province.hitRects) {
        for (int py = r.top + 1; py < r.bottom; ++py) {
            for (int px = r.left + 1; px < r.right; ++px) {
                if (provinceAt(px, py) == &province) {
                    x = px;
                    y = py;
                    return true;
                }
            }
        }
    }
    return false;
}

Province* ProvinceMap::legionBoxAt(int x, int y) const {
    for (Province* p : provinceTable) {
        const int left = p->legionX();
        const int top = p->legionY();
        if (x >= left && x <= left + LegionBoxWidth && y >= top && y <= top + LegionBoxHeight) return p;
    }
    return nullptr;
}

Route ProvinceMap::findRoute(Province& from, Province& to) const {
    return searchRoute(from, [&to](const Province& p) { return p.sameAs(to); });
}

// A province reached once is never worth reaching again by a later, no
// shorter path, so the visited set gives the same first route as a search over
// whole paths (refusing only repeats within a path), without its blow-up.
Route ProvinceMap::searchRoute(Province& start, const std::function<bool(const Province&)>& isGoal) {
    std::array<const Province*, ProvinceCount> visited{};
    std::size_t visitedCount = 0;
    auto seen = [&](const Province* p) {
        for (std::size_t i = 0; i < visitedCount; ++i) {
            if (visited[i]->sameAs(*p)) return true;
        }
        return false;
    };
    std::deque<Route> queue;
    queue.push_back({&start});
    visited[visitedCount++] = &start;
    while (!queue.empty()) {
        const Route path = std::move(queue.front());
        queue.pop_front();
        const Province& last = *path.back();
        for (int i = 0; i < last.neighbourCount; ++i) {
            Province* n = last.neighbours[static_cast<std::size_t>(i)];
            if (n == nullptr || seen(n)) continue;
            Route extended = path;
            extended.push_back(n);
            if (isGoal(*n)) return extended;
            visited[visitedCount++] = n;
            queue.push_back(std::move(extended));
        }
    }
    return {};
}
