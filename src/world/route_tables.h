#pragma once
// The trigger tables of the seven maps, each beside its map's lines.
#include <span>

#include "world/route.h"

namespace world {

extern const std::span<const Trigger> kMap0Route, kMap1Route, kMap2Route, kMap3Route,
    kMap4Route, kMap5Route, kMap6Route;

}  // namespace world
