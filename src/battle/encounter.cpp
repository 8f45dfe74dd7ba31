// The one entry into a battle: the formation, the music, the difficulty, the
// battle screen, and the aftermath once that screen has unloaded itself.
#include "battle/encounter.h"

#include <algorithm>
#include <array>

#include "battle/battle_common.h"
#include "battle/formations.h"
#include "battle/frmfight.h"
#include "party/party.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace {

// Battle track by map; the boss groups and the final battle have their own.
constexpr std::array<std::uint8_t, 7> kMapBattleTrack = {8, 3, 3, 3, 21, 16, 16};
constexpr std::array<int, 7> kBossGroups = {3, 6, 8, 9, 14, 25, 34};
constexpr std::uint8_t kBossTrack = 11;
constexpr int kFinalGroup = 35;
constexpr std::uint8_t kFinalTrack = 27;
constexpr std::uint8_t kTopLevel = 40;

void chooseBattleMusic() {
    Vars::areaTrack = Vars::musicTrack;
    if (Vars::curMap < kMapBattleTrack.size()) Vars::musicTrack = kMapBattleTrack[Vars::curMap];
    if (std::find(kBossGroups.begin(), kBossGroups.end(), Vars::encounterGroup) !=
        kBossGroups.end())
        Vars::musicTrack = kBossTrack;
}

void scaleByDifficulty() {
    for (std::int16_t& hp : Vars::monsterHP) {
        if (Vars::difficulty == 1)
            hp = battle::toI16(int(platform::Int(hp * 0.5)) + hp);
        else if (Vars::difficulty == 2)
            hp = battle::toI16(hp - int(platform::Int(hp * 0.25)));
    }
}

// A lost battle has unloaded the map screen: it is left alone then, and the
// next game loads it afresh.
void setMapOverlay(bool battleOver) {
    frmMap& map = frmMap::get();
    if (!map.isLoaded()) return;
    if (!battleOver) map.lblPot[0].Visible = false;
    map.add[0].Visible = battleOver;
}

}  // namespace

namespace Subs {

void startEncounter() {
    setMapOverlay(false);
    Vars::noFlee = 0;
    battle::buildFormation(Vars::encounterGroup);

    chooseBattleMusic();
    battle::playBattleSound("snd20.snd");
    if (Vars::encounterGroup == kFinalGroup) Vars::musicTrack = kFinalTrack;
    playMusic(Vars::musicTrack);

    scaleByDifficulty();
    frmFight::get().showModal();

    Vars::musicTrack = Vars::areaTrack;
    playMusic(Vars::musicTrack);
    // One level at most per battle; a fallen party gets none.
    if (Vars::allyHP > 0 && Vars::heroHP > 0 && Vars::heroLevel < kTopLevel &&
        Vars::heroExp >= Vars::heroNextExp)
        levelUp();
    if (Vars::heroLevel == kTopLevel) Vars::heroExp = 99999;
    Vars::noFlee = 0;
    Vars::clearMonsterSlots();
    setMapOverlay(true);
}

}  // namespace Subs
