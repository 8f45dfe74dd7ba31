// Stands in for the hand-over to the map screen until the world, party and
// cutscene screens land.
#include "pending.h"
#include "shell/frmnew.h"
#include "shell/frmtitle.h"
#include "shell/game_start.h"

namespace shell {

void beginNewGame() {
    pending::calls.push_back("beginNewGame");
    frmNew::get().unload();
    frmTitle::get().unload();
}

void resumeLoadedGame() {
    pending::calls.push_back("resumeLoadedGame");
    frmTitle::get().unload();
}

}  // namespace shell
