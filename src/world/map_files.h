#pragma once
// The seven map files 0.map .. 6.map: the one reader and writer of the
// format, shared by hero creation, the map-reload cheat and the map maker.
#include <string>

#include "world/map_format.h"

namespace world {

// The path of map file `map` in the application folder.
std::string mapFilePath(int map);

// The slice of Vars::mapData that holds map `map` (0..6).
MapSlice mapSlice(int map);

// Reads one map file into `into`. The file must hold exactly 60,000 lines,
// each a whole number 0..255; otherwise it throws platform::Error naming the
// file and leaves `into` as it was.
void readMapFile(const std::string& path, MapSlice into);

// Writes `from` through a temporary file that replaces the target only when
// complete. Throws platform::Error when it cannot.
void writeMapFile(const std::string& path, ConstMapSlice from);

// Reads all seven map files into Vars::mapData. Throws platform::Error with a
// message naming the file when one is missing or damaged; then nothing changes.
void loadAllMaps();

}  // namespace world
