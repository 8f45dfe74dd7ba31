#pragma once
// What the stand-ins for modules still to land were asked to do.
#include <string>
#include <vector>

namespace pending {

// Calls in order: "loadAllMaps", "beginNewGame", "resumeLoadedGame".
inline std::vector<std::string> calls;
// When not empty, loadAllMaps fails with this message.
inline std::string mapError;

}  // namespace pending
