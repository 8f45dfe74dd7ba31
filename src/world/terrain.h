#pragma once
// Interim copy of the walking rule until the tile catalogue lands.
#include <array>

namespace world {

constexpr bool isBlocking(int code) {
    constexpr std::array<int, 45> kBlocking{0,  1,  2,  3,  5,  6,  7,  8,  10, 11, 12, 14, 15, 16, 17,
                                            18, 19, 20, 24, 25, 26, 27, 29, 30, 36, 37, 38, 40, 41, 43,
                                            44, 45, 47, 49, 50, 51, 52, 53, 54, 56, 57, 58, 59, 61, 66};
    if (code == 77) return true;
    for (int c : kBlocking)
        if (c == code) return true;
    return false;
}

}  // namespace world
