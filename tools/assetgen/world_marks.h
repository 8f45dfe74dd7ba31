#pragma once
// Things built on a map: towns and landmarks, and the tidy-up every map
// gets last (level-change tiles, chests).
#include "world_paint.h"

namespace assetgen::worldgen {

void paintTown(MapGrid& g, const Town& town, std::uint32_t seed);
void paintMark(MapGrid& g, const Mark& mark, std::uint32_t seed);

// Lays the level-change tiles of `map` and clears the cell each one's party
// arrives on; then places the chests, each on walkable ground.
void paintLinksAndChests(MapGrid& g, int map, const std::vector<Chest>& chests, int floor);

// Scatters blockers of `codes` on open cells whose eight neighbours are all
// open too, so no passage is ever cut; `chance` per such cell.
void scatter(MapGrid& g, const std::function<bool(int code)>& open, const std::vector<int>& codes,
             double chance, std::uint32_t seed);

}  // namespace assetgen::worldgen
