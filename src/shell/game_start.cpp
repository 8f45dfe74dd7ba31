#include "shell/game_start.h"

#include "cutscenes/frmcutscene.h"
#include "party/frmnewspell.h"
#include "shell/frmnew.h"
#include "shell/frmtitle.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace shell {

void beginNewGame() {
    frmNew::get().unload();
    frmNewSpell::get().showModal();
    frmTitle::get().unload();
    Vars::storyStage = 0;
    frmCutscene::get().showModal();
    frmMap::get().show();
}

void resumeLoadedGame() {
    // A load from the map screen replaces it with a fresh one.
    frmTitle::get().unload();
    frmMap::get().unload();
    Vars::areaTrack = Vars::musicTrack;
    Subs::playMusic(Vars::musicTrack);
    frmMap::get().show();
}

}  // namespace shell
