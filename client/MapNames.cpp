#include "client/MapNames.h"

#include <algorithm>

#include "client/MapNamePlaces.h"
#include "model/PrintableText.h"

const std::vector<MapNamePlace>& mapNamePlaces() {
    static const std::vector<MapNamePlace> places(MapNamePlaces.begin(), MapNamePlaces.end());
    return places;
}

namespace {

// The blanks where `name` may be parted, best first: the longest of the two
// parts shortest.
std::vector<std::size_t> partings(const std::string& name) {
    std::vector<std::size_t> blanks;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] == ' ') blanks.push_back(i);
    const auto longer = [&](std::size_t at) {
        return std::max(characterCount(name.substr(0, at)), characterCount(name.substr(at + 1)));
    };
    std::stable_sort(blanks.begin(), blanks.end(), [&](std::size_t a, std::size_t b) { return longer(a) < longer(b); });
    return blanks;
}

}  // namespace

std::vector<MapNameLine> mapNameLines(const MapNamePlace& place, const std::string& name) {
    const int centreX = (place.box.left + place.box.right) / 2;
    const int top = place.box.top + 1;
    const std::vector<std::size_t> blanks = partings(name);
    if (place.lines > 1 && !blanks.empty())
        return {{name.substr(0, blanks.front()), centreX, top}, {name.substr(blanks.front() + 1), centreX, top + place.linePitch}};
    return {{name, centreX, top + (place.lines - 1) * place.linePitch / 2}};
}
