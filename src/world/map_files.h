#pragma once
// The seven map files 0.map .. 6.map.

namespace world {

// Reads all seven map files into Vars::mapData. Throws platform::Error with a
// message naming the file when one is missing or damaged; then nothing changes.
void loadAllMaps();

}  // namespace world
