#include "model/Province.h"

#include "model/Advisor.h"
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

void Province::showFrontierRule() const {
    if (name_ == "Armenia" || name_ == "Mesopotamia") {
        Advisor::tell(
            "The Romans believed the Tigris river was the\r\n\"natural\" border of the empire. Roman\r\n"
            "troops will not cross it unless there is an\r\nimmediate military threat.");
    } else if (isFrontier()) {
        Advisor::tell(
            "In 9 AD, a Roman army of 15,000 men was ambushed\r\nand massacred in the Teutoburg Forest of "
            "Germania.\r\nConsequently, Roman troops will not enter that \r\nterritory unless there are "
            "barbarians to attack.");
    }
}
