#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/config.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"
#include "world/map_files.h"

namespace {

using shelltest::joinLines;
using shelltest::readFile;
using shelltest::splitLines;
using shelltest::writeFile;

// Lines of the file: the keys, then the state in its order, then the world.
enum Line {
    K1 = 0, K2, PosX, PosY, HeroStr, Rubies = 10, CurMap, HeroMaxHP = 14, HeroHP,
    HeroName = 20, AllyName, HeroLevel, HeroExp, StoryStage = 26, AllyId = 28,
    BalloonMap = 33, Herbs, Spells = 38, HeroWeapon = 41, AllyWeapon, AmuletOwned4 = 60,
    FirstMapLine = 73, LineCount = 420073
};

class SaveFile : public harness::GameTest {
protected:
    // Saves the current state into a slot with the given keys.
    void save(int slot, int k1, int k2) {
        h.scriptDraws({{5, 255, k1}, {2, 5, k2}});
        savefile::saveGame(slot, names);
    }
    std::string slotFile(int slot) { return h.appDir + "game.sv" + std::to_string(slot); }
    // The whole saved state as bytes, to tell whether anything changed.
    std::string stateBytes() {
        save(9, 7, 3);
        return readFile(slotFile(9));
    }
    // A state with every field away from its new-game value.
    void fillDistinctState() {
        using namespace Vars;
        posX = 199, posY = 149, heroStr = 100, heroDex = 55, heroWis = 10;
        allyStr = 11, allyDex = 99, allyWis = 42;
        rubies = 1234.5, curMap = 6, encounterSteps = 24, encounterGroup = 49;
        heroMaxHP = 500, heroHP = -7, heroMaxMP = 255, heroMP = 254, allyMaxHP = 321, allyHP = 1;
        heroName = "Ann, Jo", allyName = "Darwin";
        heroLevel = 40, heroExp = 987654.25, heroNextExp = 1000000;
        difficulty = 2, storyStage = 1000, musicTrack = 30, allyId = 59, allyMode = 6;
        amulet = 9, balloonY = 3, balloonX = 198, balloonMap = 4;
        heroItems = {99, 0, 7, 1};
        heroSpells = {3, 0, 2};
        heroEquip = {5, 6, 9, 5, 4};
        allyEquip = {6, 1, 0, 9, 9};
        for (int i = 0; i < 11; ++i) questFlags[i] = Vars::u8(i * 25);
        amuletsOwned = {1, 0, 1, 1, 2, 0, 1, 0, 0, 1, 1};
        for (std::size_t i = 0; i < mapData.size(); ++i) mapData[i] = Vars::u8((i * 7 + i / 60000) % 256);
    }
    savefile::SlotNames names{};
};

TEST_F(SaveFile, RoundTripsAWholeGameWithAnyKeys) {
    struct Keys {
        int k1, k2;
    };
    for (Keys keys : {Keys{5, 2}, Keys{255, 5}, Keys{5, 5}, Keys{255, 2}, Keys{128, 3}}) {
        SCOPED_TRACE(testing::Message() << "k1 " << keys.k1 << " k2 " << keys.k2);
        fillDistinctState();
        const std::string before = stateBytes();
        save(0, keys.k1, keys.k2);
        harness::resetGameState();
        savefile::loadGame(0);
        EXPECT_EQ(stateBytes(), before);
        EXPECT_EQ(Vars::rubies, 1234.5);
        EXPECT_EQ(Vars::heroExp, 987654.25);
        EXPECT_EQ(Vars::heroHP, -7);
        EXPECT_EQ(Vars::heroName, "Ann, Jo");
    }
}

TEST_F(SaveFile, KeepsAnyFractionOfRubiesCloseAndExactHalvesExact) {
    for (double r : {0.1, 0.25, 9998.75, 3333.3333}) {
        Vars::rubies = r;
        save(0, 200, 3);
        Vars::rubies = 0;
        savefile::loadGame(0);
        EXPECT_NEAR(Vars::rubies, r, 1e-9);
    }
}

TEST_F(SaveFile, WritesTheLayoutLineByLine) {
    fillDistinctState();
    save(2, 100, 3);
    const std::string text = readFile(slotFile(2));
    std::vector<std::string> lines = splitLines(text);
    ASSERT_EQ(lines.size(), std::size_t(LineCount));
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[K1], "100");
    EXPECT_EQ(lines[K2], "3");
    EXPECT_EQ(lines[PosX], "297");                 // (199 - 100) * 3
    EXPECT_EQ(lines[HeroWeapon + 0], "-285");      // (5 - 100) * 3
    EXPECT_EQ(lines[Rubies], "3403.5");            // (1234.5 - 100) * 3
    EXPECT_EQ(lines[HeroName], "\"Ann, Jo\"");
    EXPECT_EQ(lines[AllyName], "\"Darwin\"");
    // Items and spells in print form: a blank for the sign when there is
    // none, and a blank after.
    EXPECT_EQ(lines[Herbs], "-3 ");                // (99 - 100) * 3
    EXPECT_EQ(lines[Herbs + 1], "-300 ");
    // The world, plain: x outermost, then y, layer, and map innermost.
    for (int map = 0; map < Vars::kMaps; ++map)
        EXPECT_EQ(lines[FirstMapLine + map], std::to_string(Vars::cell(0, 0, 0, map)));
    EXPECT_EQ(lines[FirstMapLine + 7], std::to_string(Vars::cell(0, 0, 1, 0)));
    EXPECT_EQ(lines[FirstMapLine + 14], std::to_string(Vars::cell(0, 1, 0, 0)));
    EXPECT_EQ(lines[FirstMapLine + 150 * 14], std::to_string(Vars::cell(1, 0, 0, 0)));
    EXPECT_EQ(lines.back(), std::to_string(Vars::cell(199, 149, 1, 6)));
}

TEST_F(SaveFile, ReadsPrintFormWithOrWithoutBlanks) {
    save(0, 10, 2);
    std::vector<std::string> lines = splitLines(readFile(slotFile(0)));
    lines[Herbs] = "-14";       // 3 herbs
    lines[Herbs + 1] = "  -12   ";  // 4 berries
    lines[Spells] = " -18 ";     // level 1
    // World bytes in any whole-number form, too.
    lines[FirstMapLine] = " 0.0";
    lines[FirstMapLine + 1] = "255.0 ";
    writeFile(slotFile(0), joinLines(lines));
    savefile::loadGame(0);
    EXPECT_EQ(Vars::heroItems[0], 3);
    EXPECT_EQ(Vars::heroItems[1], 4);
    EXPECT_EQ(Vars::heroSpells[0], 1);
    EXPECT_EQ(Vars::cell(0, 0, 0, 0), 0);
    EXPECT_EQ(Vars::cell(0, 0, 0, 1), 255);
}

TEST_F(SaveFile, RoundsReadNumbersHalfToEven) {
    save(0, 10, 2);
    std::vector<std::string> lines = splitLines(readFile(slotFile(0)));
    lines[PosX] = "1";   // 1 / 2 + 10 = 10.5 -> 10
    lines[PosY] = "3";   // 11.5 -> 12
    writeFile(slotFile(0), joinLines(lines));
    savefile::loadGame(0);
    EXPECT_EQ(Vars::posX, 10);
    EXPECT_EQ(Vars::posY, 12);
}

TEST_F(SaveFile, ADamagedFileChangesNothing) {
    constexpr int k1 = 7, k2 = 3;
    auto scrambled = [](double v) { return platform::formatNumber((v - k1) * k2); };
    using Lines = std::vector<std::string>;
    // Keys out of their range with every number scrambled by them, so that
    // only the keys are at fault.
    auto withKeys = [](Lines& l, int a, int b) {
        for (int line = PosX; line < FirstMapLine; ++line) {
            double v = 0;
            if (platform::parseNumber(l[line], v)) l[line] = platform::formatNumber((v / k2 + k1 - a) * b);
        }
        l[K1] = std::to_string(a);
        l[K2] = std::to_string(b);
    };
    struct Case {
        const char* what;
        std::function<void(Lines&)> damage;
    };
    const Case cases[] = {
        {"empty", [](Lines& l) { l.clear(); }},
        {"keys only", [](Lines& l) { l.resize(2); }},
        {"cut in the state", [](Lines& l) { l.resize(HeroName); }},
        {"cut before the world", [](Lines& l) { l.resize(FirstMapLine); }},
        {"cut in the world", [](Lines& l) { l.resize(200000); }},
        {"one line short", [](Lines& l) { l.pop_back(); }},
        {"one line more", [](Lines& l) { l.push_back("0"); }},
        {"two values on a line", [](Lines& l) { l[PosX] += "," + l[PosY]; l.erase(l.begin() + PosY); l.push_back("0"); }},
        {"k2 = 0", [](Lines& l) { l[K2] = "0"; }},
        {"k2 = 6", [](Lines& l) { l[K2] = "6"; }},
        {"k1 = 4", [](Lines& l) { l[K1] = "4"; }},
        {"k1 = 4, the values scrambled with it", [&](Lines& l) { withKeys(l, 4, k2); }},
        {"k1 = 256, the values scrambled with it", [&](Lines& l) { withKeys(l, 256, k2); }},
        {"k2 = 1, the values scrambled with it", [&](Lines& l) { withKeys(l, k1, 1); }},
        {"k2 = 6, the values scrambled with it", [&](Lines& l) { withKeys(l, k1, 6); }},
        {"text in a number", [](Lines& l) { l[HeroStr] = "strong"; }},
        {"blank number", [](Lines& l) { l[HeroStr] = ""; }},
        {"text in the world", [](Lines& l) { l[FirstMapLine + 5] = "x"; }},
        {"no such companion", [&](Lines& l) { l[AllyId] = scrambled(13); }},
        {"amulet form 3", [&](Lines& l) { l[AmuletOwned4] = scrambled(3); }},
        {"negative experience", [&](Lines& l) { l[HeroExp] = scrambled(-1); }},
        {"name of 11", [](Lines& l) { l[HeroName] = "\"Abcdefghijk\""; }},
        {"empty name", [](Lines& l) { l[HeroName] = "\"\""; }},
        {"map byte 256", [](Lines& l) { l[FirstMapLine + 9] = "256"; }},
        {"map byte -1", [](Lines& l) { l[FirstMapLine + 9] = "-1"; }},
        {"map byte 1.5", [](Lines& l) { l[FirstMapLine + 9] = "1.5"; }},
    };
    fillDistinctState();
    save(0, k1, k2);
    const Lines good = splitLines(readFile(slotFile(0)));
    auto otherState = [] {
        harness::resetGameState();
        Vars::mapData[4242] = 42;
    };
    otherState();
    const std::string before = stateBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines = good;
        c.damage(lines);
        writeFile(slotFile(0), joinLines(lines));
        otherState();
        EXPECT_THROW(savefile::loadGame(0), platform::Error);
        EXPECT_EQ(stateBytes(), before);
    }
    std::remove(slotFile(0).c_str());
    EXPECT_THROW(savefile::loadGame(0), platform::Error);
}

TEST_F(SaveFile, TakesEachFieldAtBothEndsOfItsRangeAndNothingBeyond) {
    constexpr int k1 = 7, k2 = 3;
    auto scrambled = [](double v) { return platform::formatNumber((v - k1) * k2); };
    struct Case {
        int line;
        double lo, hi;
        std::optional<double> gap = {};  // a code between the ends that no item has
    };
    // Every number of the state; the shields, helmets and bracers take 0 to 5
    // (bracers 4) and 9 for nothing.
    const Case cases[] = {
        {PosX, 0, 199},           {PosY, 0, 149},           {HeroStr, 10, 100},      {HeroStr + 1, 10, 100},
        {HeroStr + 2, 10, 100},   {HeroStr + 3, 10, 100},   {HeroStr + 4, 10, 100},  {HeroStr + 5, 10, 100},
        {Rubies, 0, 9999},        {CurMap, 0, 6},           {CurMap + 1, 0, 255},    {CurMap + 2, 0, 255},
        {HeroMaxHP, 1, 32767},    {HeroHP, -32768, 32767},  {HeroHP + 1, 0, 255},    {HeroHP + 2, 0, 255},
        {HeroHP + 3, 1, 32767},   {HeroHP + 4, -32768, 32767}, {HeroLevel, 1, 40},   {HeroExp, 0, 1e15},
        {HeroExp + 1, 0, 1e15},   {StoryStage - 1, 0, 2},   {StoryStage, 0, 1000},   {StoryStage + 1, 0, 30},
        {AllyId + 1, 0, 6},       {AllyId + 2, 0, 9},       {BalloonMap - 2, 0, 149}, {BalloonMap - 1, 0, 199},
        {BalloonMap, 0, 6},       {Herbs, 0, 99},           {Herbs + 1, 0, 99},      {Herbs + 2, 0, 99},
        {Herbs + 3, 0, 99},       {Spells, 0, 3},           {Spells + 1, 0, 3},      {Spells + 2, 0, 3},
        {HeroWeapon, 0, 5},       {AllyWeapon, 1, 6},       {HeroWeapon + 2, 0, 6},  {AllyWeapon + 2, 0, 6},
        {HeroWeapon + 4, 0, 9, 6}, {AllyWeapon + 4, 0, 9, 8}, {HeroWeapon + 6, 0, 9, 7}, {AllyWeapon + 6, 0, 9, 6},
        {HeroWeapon + 8, 0, 9, 5}, {AllyWeapon + 8, 0, 9, 8}, {AllyWeapon + 9, 0, 255}, {AmuletOwned4 - 2, 0, 1},
        {AmuletOwned4, 0, 2},
    };
    // The state lines are rewritten; the world after them is kept as it is.
    save(0, k1, k2);
    const std::string good = readFile(slotFile(0));
    const std::size_t worldAt = [&] {
        std::size_t at = 0;
        for (int n = 0; n < FirstMapLine; ++n) at = good.find("\r\n", at) + 2;
        return at;
    }();
    const std::vector<std::string> head = splitLines(good.substr(0, worldAt));
    auto writeWith = [&](const std::vector<std::pair<int, double>>& values) {
        std::vector<std::string> lines(head.begin(), head.begin() + FirstMapLine);
        for (auto [line, v] : values) lines[line] = scrambled(v);
        writeFile(slotFile(0), joinLines(lines) + good.substr(worldAt));
    };
    for (const Case& c : cases) {
        for (double v : {c.lo - 1, c.hi + 1, c.gap.value_or(c.lo - 1)}) {
            SCOPED_TRACE(testing::Message() << "line " << c.line << " value " << v);
            writeWith({{c.line, v}});
            EXPECT_THROW(savefile::loadGame(0), platform::Error);
        }
    }
    for (bool low : {true, false}) {
        std::vector<std::pair<int, double>> ends;
        for (const Case& c : cases) ends.push_back({c.line, low ? c.lo : c.hi});
        writeWith(ends);
        ASSERT_NO_THROW(savefile::loadGame(0));
        save(1, k1, k2);
        const std::vector<std::string> again = splitLines(readFile(slotFile(1)));
        for (auto [line, v] : ends) {
            std::string read = again[line];
            read.erase(0, read.find_first_not_of(' '));
            read.erase(read.find_last_not_of(' ') + 1);
            EXPECT_EQ(read, scrambled(v)) << "line " << line;
        }
    }
}

// A value out of range names its line and its field, as a line that is no
// number names its line; a name's line holds one name between quotes and
// nothing else.
TEST_F(SaveFile, ALineItRefusesIsNamedWithItsField) {
    constexpr int k1 = 7, k2 = 3;
    auto scrambled = [](double v) { return platform::formatNumber((v - k1) * k2); };
    struct Case {
        int line;
        std::string text, fault;
    };
    const Case cases[] = {
        {Rubies, scrambled(10000), "line 11 holds 10000 for the rubies, which is not from 0 to 9999"},
        {AllyId, scrambled(13), "line 29 holds 13 for the companion, which is none the game has"},
        {Spells + 1, scrambled(4), "line 40 holds 4 for the Support spells' level, which is not from 0 to 3"},
        {HeroWeapon + 8, scrambled(10), "line 50 holds 10 for the hero's bracers, which is not from 0 to 9"},
        {AllyWeapon + 4, scrambled(7), "line 47 holds 7 for the companion's shield, which is none the game has"},
        {AmuletOwned4 - 3, scrambled(256), "line 58 holds 256 for quest flag 3, which is not from 0 to 255"},
        {AmuletOwned4, scrambled(3), "line 61 holds 3 for owned amulet 4, which is not from 0 to 2"},
        {FirstMapLine + 9, "256", "line 83 holds '256', which is not a whole number from 0 to 255"},
        {HeroName, "\"Ni\"na\"", "line 21 holds '\"Ni\"na\"', which is not one text between quotes"},
        {HeroName, "Nina", "line 21 holds 'Nina', which is not one text between quotes"},
        {HeroName, "\"Ni\tna\"",
         "line 21 holds 'Ni\\x09na' for the hero's name, which is not 1 to 10 characters without quotes or "
         "control characters"},
        {AllyName, "\"\"",
         "line 22 holds '' for the companion's name, which is not 1 to 10 characters without quotes or control "
         "characters"},
    };
    fillDistinctState();
    save(0, k1, k2);
    const std::vector<std::string> good = splitLines(readFile(slotFile(0)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        std::vector<std::string> lines = good;
        lines[c.line] = c.text;
        writeFile(slotFile(0), joinLines(lines));
        try {
            savefile::loadGame(0);
            ADD_FAILURE() << "loaded";
        } catch (const platform::Damaged& e) {
            EXPECT_EQ(e.what(), "The file 'game.sv0' is damaged: " + c.fault + ".");
        }
    }
}

// Every companion a save can hold loads, and an id beside one does not.
TEST_F(SaveFile, EveryCompanionLoadsAndNoOtherId) {
    constexpr int k1 = 7, k2 = 3;
    fillDistinctState();
    save(0, k1, k2);
    const std::vector<std::string> good = splitLines(readFile(slotFile(0)));
    auto loadWithAlly = [&](int id) {
        std::vector<std::string> lines = good;
        lines[AllyId] = platform::formatNumber((id - k1) * k2);
        writeFile(slotFile(0), joinLines(lines));
        savefile::loadGame(0);
    };
    // Ryu, Chi, Sofi, Sonia, Maurice, Bree, Myst, Jack, Darwin.
    for (int id : {12, 14, 18, 21, 28, 30, 47, 51, 59}) {
        ASSERT_NO_THROW(loadWithAlly(id)) << id;
        EXPECT_EQ(Vars::allyId, id);
    }
    for (int id : {11, 13, 20, 29, 31, 46, 48, 60}) EXPECT_THROW(loadWithAlly(id), platform::Damaged) << id;
}

// A folder where a file's temporary copy goes is named: that is the path
// that cannot be written.
TEST_F(SaveFile, AFolderInPlaceOfATemporaryFileIsTheOneNamed) {
    struct Case {
        const char* file;
        std::function<void()> write;
    };
    const Case cases[] = {
        {"game.sv1", [this] { save(1, 9, 2); }},
        {"config.ini", [] { config::save(); }},
        {"save.ini", [this] { savefile::writeSlotNames(names); }},
        {"0.map", [this] { world::writeMapFile(h.appDir + "0.map", world::mapSlice(0)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string temporary = h.appDir + c.file + ".tmp";
        std::filesystem::create_directory(temporary);
        try {
            c.write();
            ADD_FAILURE() << "written";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.what(), "Cannot write the file '" + temporary + "': Is a directory");
        }
        EXPECT_FALSE(std::filesystem::exists(h.appDir + c.file));
        EXPECT_TRUE(std::filesystem::is_directory(temporary));
    }
}

TEST_F(SaveFile, AFailedWriteLeavesBothFilesAsTheyWere) {
    save(3, 50, 4);
    const std::string oldSlot = readFile(slotFile(3));
    const std::string oldIni = readFile(h.appDir + "save.ini");
    fillDistinctState();

    h.scriptDraws({{5, 255, 9}, {2, 5, 2}});
    const savefile::SlotNames namesBefore = names;
    {
        shelltest::FullDisk full;
        EXPECT_THROW(savefile::saveGame(3, names), platform::Error);
    }
    EXPECT_EQ(names, namesBefore);

    EXPECT_EQ(readFile(slotFile(3)), oldSlot);
    EXPECT_EQ(readFile(h.appDir + "save.ini"), oldIni);
}

// A state the loader would refuse is never written: such a save could not
// be loaded back. Nothing is drawn and no file is touched.
TEST_F(SaveFile, RefusesToSaveAStateItCouldNotLoad) {
    struct Case {
        const char* what;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"no maximum hit points", [] { Vars::heroMaxHP = 0; }},
        {"no companion's name", [] { Vars::allyName.clear(); }},
        {"a name of eleven letters", [] { Vars::heroName = "Abcdefghijk"; }},
        {"rubies past the top", [] { Vars::rubies = 9999.5; }},
        {"rubies below nothing", [] { Vars::rubies = -0.5; }},
        {"strength below the least", [] { Vars::heroStr = 9; }},
        {"an ally who is no companion", [] { Vars::allyId = 13; }},
        {"a shield code that does not exist", [] { Vars::heroEquip[2] = 7; }},
    };
    savefile::createSlotNamesIfMissing();
    names = savefile::readSlotNames();
    const std::string ini = readFile(h.appDir + "save.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        harness::resetGameState();
        c.spoil();
        EXPECT_THROW(savefile::saveGame(2, names), platform::Error);
        EXPECT_FALSE(platform::fileExists(slotFile(2)));
        EXPECT_EQ(readFile(h.appDir + "save.ini"), ini);
        EXPECT_EQ(names[2], "Empty");
    }
    // The tops themselves are fine.
    harness::resetGameState();
    Vars::rubies = 9999;
    Vars::heroName = "Abcdefghij";
    save(2, 5, 2);
    harness::resetGameState();
    savefile::loadGame(2);
    EXPECT_EQ(Vars::heroName, "Abcdefghij");
    EXPECT_EQ(Vars::rubies, 9999);
}

TEST_F(SaveFile, NamesTheSlotInSaveIniOnlyAfterTheSave) {
    savefile::createSlotNamesIfMissing();
    names = savefile::readSlotNames();
    Vars::heroName = "Kit";
    Vars::storyStage = 345;
    save(4, 9, 2);
    const savefile::SlotNames read = savefile::readSlotNames();
    EXPECT_EQ(read[4], "Kit  -  The Other Continent  34.5%");
    EXPECT_EQ(read[3], "Empty");
    EXPECT_EQ(splitLines(readFile(h.appDir + "save.ini"))[0], "[SAVE DATA]");
}

TEST_F(SaveFile, ReadsSaveIniLineByLine) {
    std::string text = "[SAVE DATA]\r\n";
    for (int i = 0; i < 10; ++i) text += "Ann, Jo  -  Slot " + std::to_string(i) + "\r\n";
    writeFile(h.appDir + "save.ini", text);
    const savefile::SlotNames read = savefile::readSlotNames();
    EXPECT_EQ(read[0], "Ann, Jo  -  Slot 0");
    EXPECT_EQ(read[9], "Ann, Jo  -  Slot 9");

    // An empty last description is a slot: written back, the file still reads.
    writeFile(h.appDir + "save.ini", "[SAVE DATA]\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n\r\n");
    names = savefile::readSlotNames();
    EXPECT_EQ(names[8], "9");
    EXPECT_EQ(names[9], "");
    savefile::writeSlotNames(names);
    EXPECT_EQ(savefile::readSlotNames(), names);

    writeFile(h.appDir + "save.ini", "[SAVE DATA]\r\nOne\r\nTwo\r\n");
    EXPECT_THROW(savefile::readSlotNames(), platform::Error);
    writeFile(h.appDir + "save.ini", "");
    EXPECT_THROW(savefile::readSlotNames(), platform::Error);
    std::remove((h.appDir + "save.ini").c_str());
    EXPECT_THROW(savefile::readSlotNames(), platform::Error);
}

// Some editors start a text file with a UTF-8 byte-order mark: every reader
// skips it.
TEST_F(SaveFile, ConfigGameAndMapFilesMayStartWithAByteOrderMark) {
    Vars::keySelect = 32;
    config::save();
    fillDistinctState();
    save(1, 50, 4);
    world::writeMapFile(h.appDir + "0.map", world::mapSlice(6));
    const std::string saved = stateBytes();
    for (const char* name : {"config.ini", "game.sv1", "0.map"})
        writeFile(h.appDir + name, "\xEF\xBB\xBF" + readFile(h.appDir + name));
    harness::resetGameState();
    Vars::keySelect = 13;
    config::load();
    savefile::loadGame(1);
    EXPECT_EQ(Vars::keySelect, 32);
    EXPECT_EQ(stateBytes(), saved);
    world::readMapFile(h.appDir + "0.map", world::mapSlice(0));
    EXPECT_TRUE(std::ranges::equal(world::mapSlice(0), world::mapSlice(6)));
}

TEST(SlotDescription, ChapterAndPercentAtTheStageBoundaries) {
    struct Case {
        int stage;
        const char* text;
    };
    const Case cases[] = {
        {0, "Nina  -  The Lone Wanderers  0%"},
        {5, "Nina  -  The Lone Wanderers  0.5%"},
        {177, "Nina  -  The Lone Wanderers  17.7%"},
        {178, "Nina  -  To The Rescue  17.8%"},
        {201, "Nina  -  To The Rescue  20.1%"},
        {202, "Nina  -  The Demons' Plan  20.2%"},
        {344, "Nina  -  The Demons' Plan  34.4%"},
        {345, "Nina  -  The Other Continent  34.5%"},
        {439, "Nina  -  The Other Continent  43.9%"},
        {440, "Nina  -  Finding A Cure  44%"},
        {488, "Nina  -  Finding A Cure  48.8%"},
        {489, "Nina  -  Tower Of The Zephyrs  48.9%"},
        {544, "Nina  -  Tower Of The Zephyrs  54.4%"},
        {545, "Nina  -  Into the Unknown  54.5%"},
        {730, "Nina  -  Into the Unknown  73%"},
        {731, "Nina  -  The Final Battle  73.1%"},
        {1000, "Nina  -  The Final Battle  100%"},
    };
    for (const Case& c : cases) EXPECT_EQ(savefile::description("Nina", c.stage), c.text) << c.stage;
}

}  // namespace
