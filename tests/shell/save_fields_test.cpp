// A saved game field by field: every field and every world byte set by hand,
// saved, the state cleared to a new game and loaded, then each compared with
// the value set, and each line of the file with the value it should hold.
// A field the writer skips keeps its new-game value; one written or read in
// another's place lands on the wrong line.
#include <string>
#include <vector>

#include "platform/seqfile.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "hand_fields.h"
#include "test_util.h"

namespace {

using shelltest::byHand;
using shelltest::HandField;
using shelltest::kPasses;

constexpr std::size_t kFirstStateLine = 2, kFirstWorldLine = 73, kLines = 420073;

std::vector<HandField> savedFields() {
    using namespace Vars;
    return {
        byHand("x", posX, {123}),
        byHand("y", posY, {77}),
        byHand("strength", heroStr, {61}),
        byHand("dexterity", heroDex, {62}),
        byHand("wisdom", heroWis, {63}),
        byHand("ally strength", allyStr, {64}),
        byHand("ally dexterity", allyDex, {65}),
        byHand("ally wisdom", allyWis, {66}),
        byHand("rubies", rubies, {4321.5}),
        byHand("map", curMap, {5}),
        byHand("encounter steps", encounterSteps, {24}),
        byHand("encounter group", encounterGroup, {47}),
        byHand("max HP", heroMaxHP, {444}),
        byHand("HP", heroHP, {-12}),
        byHand("max MP", heroMaxMP, {201}),
        byHand("MP", heroMP, {199}),
        byHand("ally max HP", allyMaxHP, {555}),
        byHand("ally HP", allyHP, {222}),
        byHand("name", heroName, "Zo\xC3\xAB, \xC3\x85sa"),
        byHand("ally name", allyName, "Darwin"),
        byHand("level", heroLevel, {38}),
        byHand("experience", heroExp, {987654.25}),
        byHand("next experience", heroNextExp, {1000003}),
        byHand("difficulty", difficulty, {2, 1, 2, 1}),
        byHand("story stage", storyStage, {896}),
        byHand("music track", musicTrack, {29}),
        byHand("ally", allyId, {59}),
        byHand("tactic", allyMode, {6}),
        byHand("amulet", amulet, {8}),
        byHand("balloon y", balloonY, {141}),
        byHand("balloon x", balloonX, {187}),
        byHand("balloon map", balloonMap, {4}),
        byHand("herbs", heroItems[0], {93}),
        byHand("berries", heroItems[1], {94}),
        byHand("potions", heroItems[2], {95}),
        byHand("fire potions", heroItems[3], {96}),
        byHand("Attack", heroSpells[0], {1}),
        byHand("Support", heroSpells[1], {2}),
        byHand("Spirit", heroSpells[2], {3}),
        // Weapon, armour, shield, helmet and bracers, hero's then ally's;
        // 9 is nothing.
        byHand("weapon", heroEquip[0], {5, 4, 3, 2}),
        byHand("ally weapon", allyEquip[0], {6, 5, 4, 3}),
        byHand("armour", heroEquip[1], {4, 3, 2, 1}),
        byHand("ally armour", allyEquip[1], {3, 2, 1, 0}),
        byHand("shield", heroEquip[2], {9, 0, 5, 4}),
        byHand("ally shield", allyEquip[2], {0, 9, 4, 5}),
        byHand("helmet", heroEquip[3], {1, 2, 9, 0}),
        byHand("ally helmet", allyEquip[3], {2, 1, 0, 9}),
        byHand("bracers", heroEquip[4], {3, 4, 9, 9}),
        byHand("ally bracers", allyEquip[4], {9, 3, 0, 4}),
        // Quest flags and owned amulets in pairs; each amulet owned in the
        // passes of its number plus one, in binary (amulet 4's second form, 2,
        // for its first bit).
        byHand("quest 0", questFlags[0], {240}),  byHand("owned 0", amuletsOwned[0], {1, 0, 0, 0}),
        byHand("quest 1", questFlags[1], {241}),  byHand("owned 1", amuletsOwned[1], {0, 1, 0, 0}),
        byHand("quest 2", questFlags[2], {242}),  byHand("owned 2", amuletsOwned[2], {1, 1, 0, 0}),
        byHand("quest 3", questFlags[3], {243}),  byHand("owned 3", amuletsOwned[3], {0, 0, 1, 0}),
        byHand("quest 4", questFlags[4], {244}),  byHand("owned 4", amuletsOwned[4], {2, 0, 1, 0}),
        byHand("quest 5", questFlags[5], {245}),  byHand("owned 5", amuletsOwned[5], {0, 1, 1, 0}),
        byHand("quest 6", questFlags[6], {246}),  byHand("owned 6", amuletsOwned[6], {1, 1, 1, 0}),
        byHand("quest 7", questFlags[7], {247}),  byHand("owned 7", amuletsOwned[7], {0, 0, 0, 1}),
        byHand("quest 8", questFlags[8], {248}),  byHand("owned 8", amuletsOwned[8], {1, 0, 0, 1}),
        byHand("quest 9", questFlags[9], {249}),  byHand("owned 9", amuletsOwned[9], {0, 1, 0, 1}),
        byHand("quest 10", questFlags[10], {250}), byHand("owned 10", amuletsOwned[10], {1, 1, 0, 1}),
    };
}

// A world byte that differs from its neighbours along every axis, and from
// one pass to the next.
int worldByte(int x, int y, int layer, int map, int pass) {
    return (x * 7 + y * 11 + layer * 13 + map * 29 + pass * 3) % 256;
}

// Calls f(x, y, layer, map) in the file's order: x outermost, map innermost.
template <class F>
void inFileOrder(F&& f) {
    for (int x = 0; x < Vars::kMapWidth; ++x)
        for (int y = 0; y < Vars::kMapHeight; ++y)
            for (int layer = 0; layer < Vars::kLayers; ++layer)
                for (int map = 0; map < Vars::kMaps; ++map) f(x, y, layer, map);
}

std::string trimmed(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

using SaveFields = harness::GameTest;

TEST_F(SaveFields, EachFieldAndWorldByteComesBackFromItsOwnLine) {
    const std::vector<HandField> fields = savedFields();
    ASSERT_EQ(kFirstStateLine + fields.size(), kFirstWorldLine);
    shelltest::expectEachFieldTellsApart(fields);  // against a new game, too

    struct Keys {
        int k1, k2;
    };
    const Keys keys[kPasses] = {{5, 2}, {255, 5}, {128, 3}, {77, 4}};
    const std::string path = h.appDir + "game.sv0";
    savefile::SlotNames names{};
    for (int pass = 0; pass < kPasses; ++pass) {
        SCOPED_TRACE(testing::Message() << "pass " << pass);
        harness::resetGameState();
        shelltest::setAll(fields, pass);
        inFileOrder([&](int x, int y, int layer, int map) {
            Vars::cell(x, y, layer, map) = Vars::u8(worldByte(x, y, layer, map, pass));
        });
        h.scriptDraws({{5, 255, keys[pass].k1}, {2, 5, keys[pass].k2}});
        savefile::saveGame(0, names);

        const std::vector<std::string> lines = shelltest::splitLines(shelltest::readFile(path));
        ASSERT_EQ(lines.size(), kLines);
        EXPECT_EQ(lines[0], std::to_string(keys[pass].k1));
        EXPECT_EQ(lines[1], std::to_string(keys[pass].k2));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const HandField& f = fields[i];
            const std::string line =
                f.text ? "\"" + f.name + "\""
                       : platform::formatNumber((f.values[pass] - keys[pass].k1) * keys[pass].k2);
            EXPECT_EQ(trimmed(lines[kFirstStateLine + i]), line) << f.what;
        }
        std::size_t at = kFirstWorldLine, wrongLines = 0;
        inFileOrder([&](int x, int y, int layer, int map) {
            wrongLines += lines[at++] != std::to_string(worldByte(x, y, layer, map, pass));
        });
        EXPECT_EQ(wrongLines, 0u);

        harness::resetGameState();
        savefile::loadGame(0);
        for (const HandField& f : fields) EXPECT_EQ(shelltest::held(f), shelltest::wanted(f, pass)) << f.what;
        std::size_t wrongBytes = 0;
        inFileOrder([&](int x, int y, int layer, int map) {
            wrongBytes += Vars::cell(x, y, layer, map) != worldByte(x, y, layer, map, pass);
        });
        EXPECT_EQ(wrongBytes, 0u);
    }
}

}  // namespace
