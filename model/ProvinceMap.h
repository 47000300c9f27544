#pragma once
#include <array>
#include <functional>
#include <string>

#include "model/Legion.h"
#include "model/Province.h"

class Random;

// The 30 provinces of the map and what is asked of the map alone: names,
// the screen geometry shared by the window, the editor and the mouse's orders,
// and the searches along its links.
class ProvinceMap {
public:
    ProvinceMap() = default;
    ProvinceMap(const ProvinceMap&) = delete;
    ProvinceMap& operator=(const ProvinceMap&) = delete;
    ~ProvinceMap();

    std::array<Province*, ProvinceCount> provinceTable{};

    // Builds the provinces, their links, spots and rectangles; every province
    // draws its raise counter, in table order.
    void buildMap(Random& random);

    Province& findProvince(const std::string& name) const;
    // The same lookup for untrusted names: nullptr instead of an error.
    Province* provinceNamed(const std::string& name) const;
    int indexOf(const Province& province) const;
    // The province at a place of the table, for untrusted indices: nullptr off the table.
    Province* provinceAtIndex(int index) const;

    // The screen geometry, in map pixels.
    Province* provinceAt(int x, int y) const;
    // A map point that provinceAt resolves to the province, for orders given
    // without a pointer; false for a province that owns no point of its own.
    bool pointIn(const Province& province, int& x, int& y) const;
    // The first province, in table order, whose legion box holds the map point
    // (both ends of the box included).
    Province* legionBoxAt(int x, int y) const;

    // The shortest route along the links; empty when there is none.
    Route findRoute(Province& from, Province& to) const;
    // Breadth-first from `start` to the first province, in the order the links
    // are stored, that `isGoal` accepts; only provinces it refuses are passed
    // through. Empty when none is reached.
    static Route searchRoute(Province& start, const std::function<bool(const Province&)>& isGoal);
};
