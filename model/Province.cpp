#include "model/Province.h"

#include "model/InternalError.h"

Province::Province(std::string name, int raiseCounter) : raiseCounter(raiseCounter), name_(std::move(name)) {}

int Province::legionX() const {
    if (legionX_ == -1) throw InternalError("legionX not initialized");
    return legionX_;
}

int Province::legionY() const {
    if (legionY_ == -1) throw InternalError("legionY not initialized");
    return legionY_;
}

void Province::addNeighbour(Province& p) {
    if (neighbourCount >= MaxNeighbours) throw InternalError("too many neighbours for " + name_);
    neighbours[static_cast<std::size_t>(neighbourCount++)] = &p;
}

void Province::addHitRect(int left, int top, int width, int height) {
    hitRects.push_back({left, top, left + width, top + height});
}

bool Province::isNeighbour(const Province& candidate, const Province& from) {
    for (int i = 0; i < from.neighbourCount; ++i) {
        if (from.neighbours[static_cast<std::size_t>(i)]->sameAs(candidate)) return true;
    }
    return false;
}

bool Province::isFrontierName(const std::string& name) {
    return name == "Upper Rhine" || name == "Upper Danube" || name == "Sarmatia" || name == "Lower Rhine" ||
           name == "Lower Danube" || name == "Armenia" || name == "Mesopotamia";
}

bool Province::isFrontier() const { return isFrontierName(name_); }

std::string Province::attributesText() const {
    switch (hostility) {
    case None: return description;
    case Friendly: return description + " (friendly)";
    case Hostile: return description + " (hostile)";
    default: throw InternalError("invalid hostility flag");
    }
}
