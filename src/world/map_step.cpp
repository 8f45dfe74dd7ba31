// One step of the hero, the map screen's main event, stage by stage.
#include "platform/keys.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/chests.h"
#include "world/frmmap.h"
#include "world/level_changes.h"
#include "world/map_sounds.h"
#include "world/map_view.h"
#include "world/terrain.h"
#include "world/zones.h"

namespace {

constexpr int kStepsToBattle = 25;

bool partyDown() { return Vars::heroHP < 1 || Vars::allyHP < 1; }

}  // namespace

void frmMap::Form_KeyDown(int keyCode, int /*shift*/) {
    namespace vk = platform::vk;
    // While a line is shown, only the cheat prompt and OK work.
    if (talkShown()) {
        if (keyCode == vk::F12) cheatPrompt();
        else if (keyCode == Vars::keySelect) lblOK_Click();
        return;
    }
    switch (keyCode) {
    case vk::F5: showSaveScreen(true); return;
    case vk::F7: showSaveScreen(false); return;
    case vk::F8: showOptions(); return;
    case vk::F12: cheatPrompt(); return;
    default: break;
    }
    if (tmrMove->enabled()) return;
    if (keyCode == Vars::keyLeft) step(-1, 0, 0);
    else if (keyCode == Vars::keyUp) step(0, -1, 1);
    else if (keyCode == Vars::keyRight) step(1, 0, 2);
    else if (keyCode == Vars::keyDown) step(0, 1, 3);
}

void frmMap::step(int dx, int dy, int newFacing) {
    // 1. Turn, then move unless the terrain blocks; the edges wrap round.
    Vars::facing = Vars::u8(newFacing);
    const int x = world::wrapX(Vars::posX + dx), y = world::wrapY(Vars::posY + dy);
    if (world::isBlocking(Vars::cell(x, y, 0, Vars::curMap))) {
        drawView();
        return;
    }
    Vars::posX = Vars::i16(x);
    Vars::posY = Vars::i16(y);
    // 2. The zone may set the encounter group and the music.
    applyZone();
    // 3. A footstep; stairs and the like take the party to another map.
    Subs::playSound(world::kFootstepSound);
    changeLevel();
    // 4. The counter toward the next random battle.
    countEncounter();
    // 5. A chest under the hero; a monster in it that fells the party ends
    // the step before any other battle can start.
    if (openChest() && partyDown()) return;
    // 6. The random battle. A battle that felled the party ends the step.
    if (Vars::encounterSteps >= kStepsToBattle) {
        startEncounter();
        Vars::encounterSteps = 0;
        if (partyDown()) return;
    }
    // 7. The area's story.
    runAreaScript();
    // 8. A party member fell in the script's events.
    if (partyDown()) {
        if (isLoaded()) unload();
        return;
    }
    // 9.
    tmrMove->setEnabled(true);
    redraw();
}

void frmMap::applyZone() {
    const world::Zone* zone = world::zoneAt(Vars::curMap, Vars::posX, Vars::posY, Vars::storyStage);
    if (zone == nullptr) return;
    Vars::encounterGroup = zone->group;
    Vars::musicTrack = zone->track;
    Vars::areaTrack = zone->track;
    Subs::playMusic(Vars::musicTrack);
}

void frmMap::changeLevel() {
    const world::LevelChange* change = world::levelChangeAt(Vars::curMap, Vars::posX, Vars::posY);
    if (change == nullptr || Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap) != change->tile)
        return;
    Vars::curMap = Vars::u8(change->toMap);
    Vars::posX = Vars::i16(change->toX);
    Vars::posY = Vars::i16(change->toY);
    applyZone();
}

// On a cell without an object, in a zone with a group and off the quiet
// terrain, the counter rises with chance 1/2.
void frmMap::countEncounter() {
    if (Vars::cell(Vars::posX, Vars::posY, 1, Vars::curMap) != 0) return;
    if (Vars::encounterGroup == 0) return;
    if (world::isQuietTerrain(Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap))) return;
    if (Subs::randomInt(1, 2) == 1 && Vars::encounterSteps < 255) ++Vars::encounterSteps;
}

void frmMap::runAreaScript() {
    // A copy: the script may install another one while it runs.
    const std::function<void()> script = areaScripts[Vars::curMap];
    if (script) script();
}
