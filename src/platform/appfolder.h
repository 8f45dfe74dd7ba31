#pragma once
#include <string>

namespace platform {

// The application folder with a trailing '/': the executable's folder, or
// the one a test set.
const std::string& appFolder();
void setAppFolder(std::string folder);

// A relative name as the game writes it ("sound\snd2.snd") made a path in
// the application folder.
std::string appFile(const std::string& relative);

}  // namespace platform
