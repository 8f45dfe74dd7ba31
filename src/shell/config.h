#pragma once
// config.ini: the settings, one value per line in a fixed order (see the
// README's Files section).
#include <string>

namespace config {

// The message shown when config.ini or save.ini cannot be read.
inline constexpr const char* kLoadError =
    "An error has occured loading the file 'config.ini' or 'save.ini'.  It may be corrupt.  "
    "To recreate this file, delete it from the installed directory and run the program again.";

// Puts the default settings into Vars.
void applyDefaults();

// Reads config.ini into Vars; a missing file is written with the defaults
// first. Throws platform::Damaged when the file is damaged, platform::Error
// when it cannot be read or written; either way Vars keeps its settings.
void load();

// Writes the settings of Vars to config.ini (through a temporary file).
void save();

std::string path();

}  // namespace config
