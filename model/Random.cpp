#include "model/Random.h"

namespace rng {
namespace {
std::uint32_t current = 1;
}

void seed(std::uint32_t value) { current = value; }

int draw() {
    current = current * 214013u + 2531011u;
    return static_cast<int>((current >> 16) & 0x7fffu);
}

std::uint32_t state() { return current; }

}  // namespace rng
