#pragma once
// The default map files beside the game. A map the user has edited (in the
// map maker) survives a rebuild: the build replaces N.map only when it is
// missing or still exactly the default an earlier build wrote there, whose
// copy it keeps in default-maps/N.map. A folder without that record (from a
// build before it) takes every default.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "encode.h"

namespace assetgen {

inline constexpr const char* kDefaultMapsFolder = "default-maps";

// Whether a generated file is one of the default maps ("3.map").
bool isDefaultMap(const std::string& name);

using FileWriter = std::function<void(const std::filesystem::path&, const Bytes&)>;

// Writes the maps into appDir and their record; with `restore` every map is
// put back. Returns the names of the edited maps it kept, in order.
std::vector<std::string> installDefaultMaps(const std::filesystem::path& appDir,
                                            const std::map<std::string, Bytes>& maps, bool restore,
                                            const FileWriter& write);

}  // namespace assetgen
