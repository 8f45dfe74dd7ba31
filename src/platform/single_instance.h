#pragma once
#include <string>

namespace platform {

// Holds a lock in the given folder for as long as the process lives; a
// crashed process leaves nothing held. False when another process holds it.
bool acquireSingleInstance(const std::string& folder);

}  // namespace platform
