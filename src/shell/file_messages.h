#pragma once
// The message boxes for files that fail: each keeps the game's own words and
// adds, on a line of its own, which file and why.
#include "platform/error.h"

namespace shell {

// config.ini or save.ini cannot be read or written. Only a damaged file gets
// the advice to delete it; a full disk or a read-only folder is not helped by
// that.
void showSettingsFileError(const platform::Error& e);

// A load or save of a slot failed, for the save screen and the save editor:
// nothing saved, saved without its description in save.ini, or no game to
// save at all.
void showSaveFailure(const platform::Error& e);

}  // namespace shell
