#pragma once
// Where play begins: the hand-over from the shell's screens to the map screen.

namespace shell {

// After hero creation: the first spell point, then the title screen goes, the
// opening scene plays, and play begins on the map screen.
void beginNewGame();

// After a load: the title screen or the old map screen goes, the loaded
// game's music plays, and play goes on on a fresh map screen.
void resumeLoadedGame();

}  // namespace shell
