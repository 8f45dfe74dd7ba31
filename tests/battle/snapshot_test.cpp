#include "battle_test.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"

namespace battletest {
namespace {

using SnapshotTest = BattleTest;

// The battle screen with the generated pictures, saved for review; the
// monsters stand inside the backdrop and the menu row reads.
TEST_F(SnapshotTest, ThreeMonstersOnTheGrassland) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    Vars::cell(Vars::posX, Vars::posY, 0, Vars::curMap) = 13;
    monsters(2, 3, 4);
    openFight();
    auto shot = h.snapshot("battle_grassland");
    for (int slot = 0; slot < 3; ++slot) {
        const platform::Image& m = f.imgMonster[slot];
        EXPECT_GE(m.Left, 0);
        EXPECT_LE(m.Left + m.Width, f.Width) << slot;
    }
    EXPECT_EQ(f.lbl3[0].Caption, "Attack");
}

}  // namespace
}  // namespace battletest
