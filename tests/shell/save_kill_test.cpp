// A save killed at any moment leaves the slot as the old or the new file,
// whole, and a save.ini that reads.
#include <iostream>

#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "support/kill_loop.h"
#include "test_util.h"

namespace {

class SaveKill : public harness::GameTest {
protected:
    // Two states the child saves in turn, each with the same keys every time.
    void saveState(bool second) {
        Vars::heroName = second ? "Bo" : "Ann";
        Vars::storyStage = second ? 500 : 100;
        Vars::mapData[12345] = second ? 2 : 1;
        h.seedDraws(5);
        savefile::saveGame(3, names);
    }
    savefile::SlotNames names{};
};

TEST_F(SaveKill, SlotIsOldOrNewWholeAndSaveIniReads) {
    savefile::createSlotNamesIfMissing();
    names = savefile::readSlotNames();
    const std::string slot = h.appDir + "game.sv3";
    saveState(true);
    const std::string second = shelltest::readFile(slot);
    saveState(false);
    const std::string first = shelltest::readFile(slot);
    ASSERT_NE(first, second);
    const std::string firstName = savefile::description("Ann", 100);
    const std::string secondName = savefile::description("Bo", 500);

    bool turn = false;
    const harness::KillCount count = harness::killWhileWorking(
        [&] {
            turn = !turn;
            saveState(turn);
        },
        [&] {
            const std::string now = shelltest::readFile(slot);
            ASSERT_TRUE(now == first || now == second) << "the slot holds " << now.size() << " bytes";
            const std::string described = savefile::readSlotNames()[3];
            ASSERT_TRUE(described == firstName || described == secondName) << described;
        },
        200, 30000, slot + ".tmp");
    EXPECT_EQ(count.kills, 200);
    std::cout << count.kills << " kills, " << count.midWrite << " in the middle of a write\n";

    // Whichever it holds loads. (A kill between the two renames leaves the new
    // slot under its old description.)
    Vars::heroName = "Cy";
    savefile::loadGame(3);
    EXPECT_TRUE(Vars::heroName == "Ann" || Vars::heroName == "Bo") << Vars::heroName;
}

}  // namespace
