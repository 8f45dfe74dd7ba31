// Heroes' names in any script: saved as typed and read back byte for byte,
// their limit of ten counted in characters.
#include <string>

#include "platform/error.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

constexpr std::size_t kHeroNameLine = 20;  // after the two keys and eighteen numbers

class NameSave : public harness::GameTest {
protected:
    void save(int slot) {
        h.scriptDraws({{5, 255, 9}, {2, 5, 2}});
        savefile::saveGame(slot, names);
    }
    std::string slotFile(int slot) { return h.appDir + "game.sv" + std::to_string(slot); }
    savefile::SlotNames names{};
};

TEST_F(NameSave, ANameOfAnyScriptRoundTripsByteForByte) {
    const std::string kNames[] = {
        "Zo\xC3\xAB \xC3\x85sa",
        "\xC3\x85\xC3\x84\xC3\x96\xC3\x86\xC3\x98\xC3\x89\xC3\x88\xC3\x8A\xC3\x8B\xC3\x8E",  // ten of two bytes
        "\xE5\xAD\x90\xE3\x81\x82\xE5\xAD\x90\xE3\x81\x82\xE5\xAD\x90\xE3\x81\x82\xE5\xAD\x90\xE3\x81\x82"
        "\xE5\xAD\x90\xE3\x81\x82",  // ten of three bytes
        "Ann, Jo",
    };
    for (const std::string& name : kNames) {
        SCOPED_TRACE(name);
        harness::resetGameState();
        Vars::heroName = name;
        save(4);
        const auto lines = shelltest::splitLines(shelltest::readFile(slotFile(4)));
        ASSERT_GT(lines.size(), kHeroNameLine);
        EXPECT_EQ(lines[kHeroNameLine], "\"" + name + "\"");
        EXPECT_EQ(names[4].substr(0, name.size() + 2), name + "  ");
        harness::resetGameState();
        savefile::loadGame(4);
        EXPECT_EQ(Vars::heroName, name);
    }
}

TEST_F(NameSave, ElevenLettersAreRefusedWritingAndReading) {
    const std::string ten = "\xC3\x85\xC3\x84\xC3\x96\xC3\x86\xC3\x98\xC3\x89\xC3\x88\xC3\x8A\xC3\x8B\xC3\x8E";
    Vars::heroName = ten + "\xC3\x9C";
    EXPECT_THROW(savefile::saveGame(5, names), platform::Error);
    Vars::heroName = ten;
    save(5);
    auto lines = shelltest::splitLines(shelltest::readFile(slotFile(5)));
    lines[kHeroNameLine] = "\"" + ten + "\xC3\x9C\"";
    shelltest::writeFile(slotFile(5), shelltest::joinLines(lines));
    harness::resetGameState();
    EXPECT_THROW(savefile::loadGame(5), platform::Error);
    EXPECT_EQ(Vars::heroName, "Nina");
}

}  // namespace
