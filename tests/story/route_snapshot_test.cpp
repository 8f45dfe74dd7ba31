// Pictures of the route as a player meets it, saved under the build folder:
// the guarded hall with its monsters, the palace, and the reunion's doorstep,
// each with the talk box the trigger there shows.
#include <gtest/gtest.h>

#include "party/party.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "world/frmmap.h"
#include "world/map_files.h"

namespace {

namespace vk = platform::vk;

class RouteSnapshot : public harness::GameTest {
protected:
    void SetUp() override {
        h.linkAssets();
        frmTileset::get().loadPictures();
        world::loadAllMaps();
        Vars::heroName = "Wilhelmina";
        Vars::heroHP = Vars::heroMaxHP = 500;
        h.onShow("frmCutscene", [](platform::Form& f) { f.unload(); });
        h.onShow("frmFight", [](platform::Form& f) { f.unload(); });
        h.onShow("frmChangeCharacter", [this](platform::Form&) { h.click("frmChangeCharacter", "lbl3", 0); });
    }
    // Stands one step short of a place at a stage, and takes the step.
    void stepInto(int map, int x, int y, int stage, int allyId, int key) {
        Vars::curMap = std::uint8_t(map);
        Vars::posX = std::int16_t(x);
        Vars::posY = std::int16_t(y);
        Vars::storyStage = std::int16_t(stage);
        Vars::allyId = std::uint8_t(allyId);
        Subs::setAlly(Vars::allyId);
        Vars::allyHP = Vars::allyMaxHP;
        frmMap::get().show();
        h.advance(125);
        h.keyNow(key);
    }
};

TEST_F(RouteSnapshot, PlacesOfTheRouteWithTheirLines) {
    struct Shot {
        const char* name;
        int map, x, y, stage, allyId, key;
        bool talks;
    };
    const Shot shots[] = {
        {"route_guarded_hall", 1, 145, 129, 260, 21, vk::Right, true},
        {"route_hall_monsters", 1, 150, 125, 261, 21, vk::Up, false},
        {"route_palace", 0, 52, 60, 344, 21, vk::Up, true},
        {"route_tower", 4, 80, 86, 546, 12, vk::Up, true},
        {"route_reunion", 4, 6, 18, 896, 12, vk::Left, true},
    };
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.name);
        stepInto(s.map, s.x, s.y, s.stage, s.allyId, s.key);
        EXPECT_EQ(frmMap::get().talkShown(), s.talks);
        h.snapshot(s.name);
        frmMap::get().unload();
    }
}

}  // namespace
