// A sample of encounter groups, the fixed fights and the groups without a
// formation among them, at every difficulty: each battle runs to its end under
// auto battle with hit points, magic points and rubies in range after every
// tick. (The benchmark runs all 256 groups.)
#include "battle/encounter.h"
#include "shell/frmtileset.h"
#include "shell/frmtitle.h"
#include "shell/vars.h"
#include "support/auto_battle.h"
#include "support/game_test.h"

namespace {

class EveryGroup : public harness::GameTest {
protected:
    EveryGroup() {
        h.linkAssets();
        frmTileset::get().loadPictures();
        platform::Runtime::get().setClock(&sim.clock);
        platform::Runtime::get().setEventSource(&sim);
    }
    ~EveryGroup() override {
        platform::Runtime::get().setClock(&h.clock);
        platform::Runtime::get().setEventSource(&h.source);
    }
    // A party of middle level, its figures set before each battle.
    void party() {
        using namespace Vars;
        heroLevel = 20, heroStr = 45, heroDex = 40, heroWis = 35;
        heroMaxHP = heroHP = 230, heroMaxMP = heroMP = 130;
        heroEquip = {3, 3, 2, 2, 2};
        heroSpells = {2, 2, 1};
        heroItems = {3, 3, 2, 1};
        heroExp = 0, heroNextExp = 1e9;  // no level-up screen: it would wait for the player
        allyId = 21, allyName = "Sonia", allyStr = 40, allyDex = 45, allyWis = 30;
        allyMaxHP = allyHP = 200;
        allyEquip = {3, 2, 2, 2, 1};
        allyMode = 2;
        rubies = 9990;
        autoBattle = 1, musicOn = 0;
    }
    autobattle::TickByTick sim;
};

TEST_F(EveryGroup, ASampleRunsToItsEndWithEveryValueInRange) {
    for (int group : {0, 1, 2, 33, 35, 55, 56, 128, 255}) {
        for (int difficulty = 0; difficulty < 3; ++difficulty) {
            SCOPED_TRACE("group " + std::to_string(group) + " difficulty " + std::to_string(difficulty));
            party();
            Vars::encounterGroup = std::uint8_t(group);
            Vars::difficulty = std::uint8_t(difficulty);
            h.seedDraws(std::uint32_t(group * 3 + difficulty));
            sim.battleStart = sim.clock.now();
            try {
                Subs::startEncounter();
                autobattle::checkRanges();
            } catch (const autobattle::Fault& e) {
                ADD_FAILURE() << e.what();
            }
            EXPECT_FALSE(frmFight::get().isLoaded());
            frmTitle::get().unload();
        }
    }
    // The battles were fought tick by tick, not skipped.
    EXPECT_GT(sim.tickMicros.size(), 5000u);
}

}  // namespace
