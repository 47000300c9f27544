#pragma once
#include <string>
#include <vector>

class Province;

// Provinces whose legions mutiny together.
struct LegionGroup {
    std::string name;
    std::vector<Province*> provinces;
};
