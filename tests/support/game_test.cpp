#include "support/game_test.h"

#include "shell/config.h"
#include "shell/frmmusic.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace harness {

void resetGameState() {
    Vars::mapData.fill(0);
    config::applyDefaults();
    Subs::initNewGame();
    Vars::musicTrack = 2;
    Vars::areaTrack = 2;
    Vars::saveMode = 0;
    Vars::editorTile = 0;
    Subs::getAppPath();
}

GameTest::GameTest() {
    // The sequencer outlives the forms; a track left open by an earlier test
    // must not keep the next one from opening it.
    frmmusic::get().MMControl1.Close();
    resetGameState();
    h.audio.clear();
}

}  // namespace harness
