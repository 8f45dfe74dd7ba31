// The save editor, worked through its own controls as a player would.
#include <dirent.h>

#include <map>
#include <memory>

#include "editors/frmsave.h"
#include "platform/controls.h"
#include "platform/runtime.h"
#include "platform/seqfile.h"
#include "shell/frmgame.h"
#include "shell/frmtileset.h"
#include "shell/savefile.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "shell/test_util.h"
#include "support/game_test.h"
#include "world/frmmap.h"

namespace {

using platform::vbNo;
using platform::vbYes;
using Strings = std::vector<std::string>;

const std::string kFileError = "Error saving or loading the file.  The file may not exist or is corrupt.\n";
enum Action { Load = 0, Save = 1, Return = 8 };

// A whole world map that differs from a blank one almost everywhere.
void fillWorld(int seed) {
    for (std::size_t i = 0; i < Vars::mapData.size(); ++i) Vars::mapData[i] = Vars::u8((i * 13 + seed) % 251);
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> folderBytes(const std::string& dir) {
    std::map<std::string, std::string> files;
    DIR* d = opendir(dir.c_str());
    while (dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (e->d_type == DT_REG) files[name] = shelltest::readFile(dir + name);
    }
    closedir(d);
    return files;
}

class SaveEditor : public harness::GameTest {
public:
    SaveEditor() { savefile::createSlotNamesIfMissing(); }

    static platform::Label& label(int i) {
        return static_cast<platform::Label&>(harness::Harness::control("frmSave", "lbl8", i));
    }
    static platform::HScrollBar& bar(int i) {
        return static_cast<platform::HScrollBar&>(harness::Harness::control("frmSave", "HScroll1", i));
    }
    void chooseSlot(int slot) {
        h.then([slot] {
            static_cast<platform::ComboBox&>(harness::Harness::control("frmSave", "Combo1")).setListIndex(slot);
        });
    }
    // Chooses the slot, clicks Load or Save and answers the confirmation.
    void act(Action action, int slot, int answer = vbYes) {
        chooseSlot(slot);
        h.click("frmSave", "lbl3", action);
        h.answerMsgBox(answer);
    }
    void moveBar(int i, int value) {
        h.then([i, value] { bar(i).setValue(value); });
    }
    // Runs the editor with what was scripted, then Return.
    void run() {
        h.click("frmSave", "lbl3", Return);
        frmSave::get().showModal();
        EXPECT_EQ(h.pendingActions(), 0u);
    }
    // Saves the state as it stands through the game's own writer.
    void saveState(int slot) {
        h.scriptDraws({{5, 255, 60}, {2, 5, 4}});
        savefile::SlotNames names = savefile::readSlotNames();
        savefile::saveGame(slot, names);
    }
    std::string slotFile(int slot) { return h.appDir + "game.sv" + std::to_string(slot); }
    // A hero away from a new game's in every row.
    static void editedHero() {
        Vars::heroName = "Kit";
        Vars::storyStage = 202;
        Vars::rubies = 1234.5;
        Vars::heroItems = {3, 4, 5, 6};  // herbs, berries, potions, fire potions
        Vars::heroMaxHP = 321;
        Vars::heroHP = 300;
        Vars::heroMaxMP = 77;
        Vars::heroMP = 70;
        Vars::heroStr = 41;
        Vars::heroDex = 52;
        Vars::heroWis = 63;
    }
};

TEST_F(SaveEditor, OpensWithTheMusicOffAndReturnPlaysItAgain) {
    Vars::musicTrack = 5;
    Subs::playMusic(5);
    h.audio.clear();
    Vars::u8 musicWhileOpen = 9;
    Strings instructions;
    h.then([&] {
        musicWhileOpen = Vars::musicOn;
        const auto& text = static_cast<platform::Label&>(h.control("frmSave", "lbl", 10)).Caption;
        instructions = {text.substr(0, 30), text.substr(text.size() - 25)};
    });
    run();
    EXPECT_EQ(musicWhileOpen, 0);
    EXPECT_EQ(Vars::musicOn, 1);
    EXPECT_EQ(h.audio.music(), (Strings{"close", "open:music/5.mid", "play"}));
    EXPECT_EQ(instructions, (Strings{"Choose  a saved game in the co", "beat it without cheating!"}));

    // Music that was off stays off.
    Vars::musicOn = 0;
    h.audio.clear();
    run();
    EXPECT_EQ(Vars::musicOn, 0);
    EXPECT_EQ(h.audio.music(), Strings{"close"});
}

TEST_F(SaveEditor, ShowsItsTextsAndTheTenSlots) {
    std::map<int, std::string> captions;
    Strings actions, items;
    std::string title;
    h.then([&] {
        for (int i : {1, 4, 13, 15, 17, 19, 5, 2, 7, 9, 11, 0, 3, 6, 20}) captions[i] = label(i).Caption;
        for (int i : {0, 1, 8})
            actions.push_back(static_cast<platform::Label&>(h.control("frmSave", "lbl3", i)).Caption);
        auto& combo = static_cast<platform::ComboBox&>(h.control("frmSave", "Combo1"));
        for (int i = 0; i < combo.listCount(); ++i) items.push_back(combo.list(i));
        EXPECT_EQ(combo.listIndex(), -1);
        title = static_cast<platform::Label&>(h.control("frmSave", "lbl", 1)).Caption;
        const auto& line = static_cast<platform::LineControl&>(h.control("frmSave", "Line1"));
        EXPECT_GT(line.X1, 0);
        EXPECT_LT(line.X2, h.form("frmSave").Width);
    });
    run();
    EXPECT_EQ(title, "Save Game Editor");
    const std::map<int, std::string> expected = {
        {1, "Saved Game:"}, {4, "Rubies:"},   {13, "Herbs:"},    {15, "Potions:"}, {17, "Berries:"},
        {19, "Fire Potions:"}, {5, "Max Health:"}, {2, "Max Magek:"}, {7, "Strength:"}, {9, "Dexterity:"},
        {11, "Wisdom:"}, {0, "0"}, {3, "0"}, {6, "0"}, {20, "0"}};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(actions, (Strings{"( Load )", "( Save )", "( Return )"}));
    EXPECT_EQ(items, (Strings{"Save 0", "Save 1", "Save 2", "Save 3", "Save 4", "Save 5", "Save 6", "Save 7",
                              "Save 8", "Save 9"}));
}

// The rows as the editor's design gives them: bar, value label, the bar's
// starting value and the variable it writes.
struct Row {
    int bar, valueLabel, start, max;
    double (*variable)();
};
const Row kRows[] = {
    {7, 0, 0, 9999, [] { return Vars::rubies; }},
    {5, 14, 0, 99, [] { return double(Vars::heroItems[0]); }},
    {6, 16, 0, 99, [] { return double(Vars::heroItems[2]); }},
    {8, 18, 0, 99, [] { return double(Vars::heroItems[1]); }},
    {9, 20, 0, 99, [] { return double(Vars::heroItems[3]); }},
    {0, 6, 20, 500, [] { return double(Vars::heroMaxHP); }},
    {1, 3, 0, 255, [] { return double(Vars::heroMaxMP); }},
    {2, 8, 10, 100, [] { return double(Vars::heroStr); }},
    {3, 10, 10, 100, [] { return double(Vars::heroDex); }},
    {4, 12, 10, 100, [] { return double(Vars::heroWis); }},
};

// The bars stop at their ends: the least the game's loader takes, and the top.
TEST_F(SaveEditor, EachBarStopsAtItsEnds) {
    for (const Row& row : kRows) {
        SCOPED_TRACE("bar " + std::to_string(row.bar));
        double low = -1, high = -1;
        moveBar(row.bar, 40000);
        h.then([&] { high = row.variable(); });
        moveBar(row.bar, -40000);
        h.then([&] { low = row.variable(); });
        run();
        EXPECT_EQ(high, row.max);
        EXPECT_EQ(low, row.start);
    }
}

// Each bar writes its own variable; any move copies all ten bars, so the
// others write their starting values, and all ten labels follow.
TEST_F(SaveEditor, AnyBarWritesAllTenRowsIntoTheGameState) {
    const int moved[] = {9999, 11, 12, 13, 99, 500, 255, 100, 55, 66};
    for (std::size_t r = 0; r < std::size(kRows); ++r) {
        const Row& row = kRows[r];
        SCOPED_TRACE("bar " + std::to_string(row.bar));
        editedHero();
        Vars::rubies = 0.25;
        moveBar(row.bar, moved[r]);
        Strings labels;
        h.then([&] {
            for (const Row& other : kRows) labels.push_back(label(other.valueLabel).Caption);
        });
        run();
        for (std::size_t k = 0; k < std::size(kRows); ++k) {
            const double expected = k == r ? moved[r] : kRows[k].start;
            EXPECT_EQ(kRows[k].variable(), expected) << "bar " << kRows[k].bar;
            EXPECT_EQ(labels.at(k), std::to_string(int(expected))) << "bar " << kRows[k].bar;
        }
        EXPECT_EQ(Vars::heroHP, 300);  // current points are not touched
        EXPECT_EQ(Vars::heroMP, 70);
    }
}

TEST_F(SaveEditor, ALoadShowsFractionalRubiesUntilABarMoves) {
    Vars::rubies = 1235.5;
    saveState(2);
    editedHero();
    saveState(3);
    harness::resetGameState();
    std::vector<bool> busyChanges;
    auto& runtime = platform::Runtime::get();
    auto oldHook = runtime.busyHook;
    runtime.busyHook = [&](bool busy) { busyChanges.push_back(busy); };

    act(Load, 3);
    Strings labels;
    std::vector<int> bars;
    h.then([&] {
        for (int i : {0, 14, 18, 16, 20, 6, 3, 8, 10, 12}) labels.push_back(label(i).Caption);
        for (int i : {7, 5, 8, 6, 9, 0, 1, 2, 3, 4}) bars.push_back(bar(i).value());
        EXPECT_EQ(frmSave::get().busy, 0);
    });
    run();
    runtime.busyHook = oldHook;

    EXPECT_EQ(labels, (Strings{"1234.5", "3", "4", "5", "6", "321", "77", "41", "52", "63"}));
    EXPECT_EQ(bars, (std::vector<int>{1234, 3, 4, 5, 6, 321, 77, 41, 52, 63}));
    EXPECT_EQ(Vars::rubies, 1234.5);  // the fraction stays until a bar moves
    EXPECT_EQ(Vars::heroName, "Kit");
    EXPECT_EQ(busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(Vars::saveMode, 0);
    // Return plays the loaded game's track.
    EXPECT_EQ(h.audio.music().back(), "play");

    // The other half goes up to its even neighbour; a moved bar takes the
    // whole number the bar shows.
    h.then([] { EXPECT_EQ(bar(7).value(), 0); });
    act(Load, 2);
    h.then([] { EXPECT_EQ(bar(7).value(), 1236); });
    moveBar(4, 30);
    h.then([] { EXPECT_EQ(label(0).Caption, "1236"); });
    run();
    EXPECT_EQ(Vars::rubies, 1236.0);
    EXPECT_EQ(Vars::heroWis, 30);
}

// A load that cannot be shown fails whole: the message, a new game in
// memory and on the bars, and the world map as it was before.
TEST_F(SaveEditor, AFailedLoadResetsTheGameButNotTheWorldMap) {
    struct Case {
        const char* what;
        std::function<void(SaveEditor&)> prepare;
        std::string reason;
    };
    const Case cases[] = {
        {"never saved", [](SaveEditor&) {},
         "Cannot read the file '" + slotFile(4) + "': No such file or directory"},
        {"damaged by hand",
         [](SaveEditor& t) {
             t.saveState(4);
             auto lines = shelltest::splitLines(shelltest::readFile(t.slotFile(4)));
             lines[4] = "strong";  // the hero's strength
             shelltest::writeFile(t.slotFile(4), shelltest::joinLines(lines));
         },
         "The file 'game.sv4' is damaged: line 5 holds 'strong', which is not a number."},
        {"Max Health above its bar",
         [](SaveEditor& t) {
             Vars::heroMaxHP = 501;
             t.saveState(4);
         },
         "The saved Max Health of 501 lies beyond the editor's bar, 20 to 500."},
        {"Max Health below its bar",
         [](SaveEditor& t) {
             Vars::heroMaxHP = 19;
             t.saveState(4);
         },
         "The saved Max Health of 19 lies beyond the editor's bar, 20 to 500."},
    };
    shelltest::MsgBoxes boxes{h};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove(slotFile(4).c_str());
        editedHero();
        fillWorld(1);
        c.prepare(*this);
        fillWorld(2);
        const auto worldBefore = std::make_unique<decltype(Vars::mapData)>(Vars::mapData);
        Vars::heroName = "Before";
        const std::size_t first = boxes.seen.size();
        bool busyDuringMessage = false;
        moveBar(3, 44);
        act(Load, 4);
        h.then([&] { busyDuringMessage = platform::Runtime::get().busy(); });
        h.answerMsgBox(platform::vbOK);
        h.then([] {
            for (const Row& row : kRows) {
                // A new game: 25 and 14 at the top, five herbs, nothing else above the bars' floors.
                const int newGame = row.bar == 0 ? 25 : row.bar == 1 ? 14 : row.bar == 5 ? 5 : row.start;
                EXPECT_EQ(bar(row.bar).value(), newGame) << "bar " << row.bar;
                EXPECT_EQ(label(row.valueLabel).Caption, std::to_string(newGame)) << "bar " << row.bar;
            }
            EXPECT_EQ(frmSave::get().busy, 0);
            EXPECT_FALSE(platform::Runtime::get().busy());
        });
        run();
        ASSERT_EQ(boxes.seen.size(), first + 2);
        EXPECT_EQ(boxes.at(first).caption, "Are you sure you want to load this file?");
        EXPECT_EQ(boxes.at(first + 1).text, kFileError + c.reason);
        EXPECT_EQ(boxes.at(first + 1).caption, "File Not Found");
        EXPECT_TRUE(busyDuringMessage);
        EXPECT_EQ(Vars::heroName, "Nina");
        EXPECT_EQ(Vars::heroMaxHP, 25);
        EXPECT_EQ(Vars::heroDex, 10);
        EXPECT_TRUE(Vars::mapData == *worldBefore);
    }
}

// Bars left on the old slot's values would copy all ten into the new game.
TEST_F(SaveEditor, AfterAFailedLoadOneMovedBarSavesTheNewGameWithJustThatChange) {
    editedHero();
    saveState(1);
    act(Load, 1);
    act(Load, 4);  // never saved
    h.answerMsgBox(platform::vbOK);
    moveBar(3, 44);  // dexterity
    h.then([&] { h.scriptDraws({{5, 255, 60}, {2, 5, 4}}); });  // saveState's keys
    act(Save, 5);
    run();

    Subs::initNewGame();
    Vars::heroDex = 44;
    saveState(6);
    EXPECT_TRUE(shelltest::readFile(slotFile(5)) == shelltest::readFile(slotFile(6)));
}

TEST_F(SaveEditor, SavingIntoAnotherSlotWritesBackTheOtherNineDescriptionsAsHeld) {
    std::string ini = "[SAVE DATA]\r\n";
    for (int i = 0; i < 10; ++i) ini += "Held " + std::to_string(i) + "\r\n";
    shelltest::writeFile(h.appDir + "save.ini", ini);
    editedHero();
    saveState(2);  // save.ini: slot 2 now names Kit
    const std::string slot2 = shelltest::readFile(slotFile(2));
    harness::resetGameState();

    act(Load, 2);
    // Changed behind the editor's back: the editor writes what it read.
    h.then([&] { shelltest::writeFile(h.appDir + "save.ini", "[SAVE DATA]\r\nOther\r\n"); });
    moveBar(2, 99);
    h.then([&] { h.scriptDraws({{5, 255, 200}, {2, 5, 5}}); });
    act(Save, 7);
    run();

    EXPECT_EQ(Vars::saveMode, -1);
    EXPECT_EQ(shelltest::readFile(slotFile(2)), slot2);
    Strings expected = {"[SAVE DATA]"};
    for (int i = 0; i < 10; ++i) expected.push_back("Held " + std::to_string(i));
    expected[1 + 2] = "Kit  -  The Demons' Plan  20.2%";
    expected[1 + 7] = "Kit  -  The Demons' Plan  20.2%";
    EXPECT_EQ(shelltest::splitLines(shelltest::readFile(h.appDir + "save.ini")), expected);

    // The new file holds the edited state, in the game's format.
    const Strings lines = shelltest::splitLines(shelltest::readFile(slotFile(7)));
    EXPECT_EQ(lines[0], "200");
    EXPECT_EQ(lines[1], "5");
    EXPECT_EQ(lines[4], std::to_string((99 - 200) * 5));  // strength
    EXPECT_EQ(lines[10], std::to_string((1234 - 200) * 5));  // rubies, moved with the bars
    harness::resetGameState();
    savefile::loadGame(7);
    EXPECT_EQ(Vars::heroStr, 99);
    EXPECT_EQ(Vars::heroMaxHP, 321);
}

TEST_F(SaveEditor, ASaveOnAFullDiskChangesNoFileAndKeepsTheGame) {
    editedHero();
    saveState(1);
    act(Load, 1);
    moveBar(2, 88);
    std::map<std::string, std::string> before;
    std::unique_ptr<shelltest::FullDisk> full;
    h.then([&] {
        before = folderBytes(h.appDir);
        h.scriptDraws({{5, 255, 9}, {2, 5, 2}});
        full = std::make_unique<shelltest::FullDisk>();
    });
    act(Save, 1);
    h.answerMsgBox(platform::vbOK);
    h.then([&] { full.reset(); });
    moveBar(3, 33);  // the bars act again
    run();
    EXPECT_EQ(folderBytes(h.appDir), before);
    EXPECT_EQ(Vars::heroName, "Kit");  // no new game after a failed save
    EXPECT_EQ(Vars::heroStr, 88);
    EXPECT_EQ(Vars::heroDex, 33);
    EXPECT_EQ(frmSave::get().slotNames[1], "Kit  -  The Demons' Plan  20.2%");
}

// Before any load the state may be one the game could never load back: no
// game has been started or loaded.
TEST_F(SaveEditor, ASaveBeforeAnyGameSaysThereIsNoneAndTouchesNoFile) {
    Vars::heroMaxHP = 0;  // as in a program that has not started a game
    Vars::allyName.clear();
    const auto before = folderBytes(h.appDir);
    shelltest::MsgBoxes boxes{h};
    act(Save, 0);
    boxes.answer();
    run();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.at(1).text, "There is no game to save.  Load a saved game or start a new one first.");
    EXPECT_EQ(boxes.at(1).caption, "Thorncall II");
    EXPECT_EQ(folderBytes(h.appDir), before);
    EXPECT_EQ(Vars::heroMaxHP, 0);
}

TEST_F(SaveEditor, NoInEitherConfirmationDoesNothingMore) {
    editedHero();
    saveState(5);
    struct Case {
        Action action;
        const char* caption;
        int saveMode;
    };
    shelltest::MsgBoxes boxes{h};
    for (Case c : {Case{Load, "Are you sure you want to load this file?", 0},
                   Case{Save, "Are you sure you want to overwrite this file?", -1}}) {
        Vars::saveMode = c.saveMode == 0 ? -1 : 0;
        Vars::heroName = "Unsaved";
        const auto before = folderBytes(h.appDir);
        const std::size_t first = boxes.seen.size();
        h.audio.clear();
        act(c.action, 5, vbNo);
        run();
        ASSERT_EQ(boxes.seen.size(), first + 1);
        EXPECT_EQ(boxes.at(first).text, "Are you sure?");
        EXPECT_EQ(boxes.at(first).caption, c.caption);
        EXPECT_EQ(Vars::saveMode, c.saveMode);
        EXPECT_EQ(Vars::heroName, "Unsaved");
        EXPECT_EQ(folderBytes(h.appDir), before);
        EXPECT_EQ(h.audio.effects(), Strings(2, "sound/snd2.snd"));  // the click and Return
    }
}

TEST_F(SaveEditor, WithNoSlotChosenLoadAndSaveOnlySound) {
    Vars::saveMode = 0;
    shelltest::MsgBoxes boxes{h};
    h.click("frmSave", "lbl3", Save);
    h.click("frmSave", "lbl3", Load);
    run();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Vars::saveMode, 0);
    EXPECT_EQ(h.audio.effects(), Strings(3, "sound/snd2.snd"));
}

TEST_F(SaveEditor, AShortSaveIniKeepsTheDescriptionsReadSoFar) {
    frmSave::get().slotNames.fill("Kept");
    shelltest::writeFile(h.appDir + "save.ini", "[SAVE DATA]\r\nFirst\r\nSecond\r\n");
    shelltest::MsgBoxes boxes{h};
    boxes.answer();
    run();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.at(0).caption, "Error");
    EXPECT_EQ(boxes.at(0).text.substr(0, 69),
              "An error has occured loading the file 'config.ini' or 'save.ini'.  It");
    const savefile::SlotNames& names = frmSave::get().slotNames;
    EXPECT_EQ(names[0], "First");
    EXPECT_EQ(names[1], "Second");
    EXPECT_EQ(names[2], "Kept");
    EXPECT_EQ(names[9], "Kept");
}

// The game's own save screen loads what the editor wrote.
TEST_F(SaveEditor, AnEditedSaveLoadsInTheGamesSaveScreen) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    editedHero();
    moveBar(4, 77);
    h.then([&] { h.scriptDraws({{5, 255, 33}, {2, 5, 3}}); });
    act(Save, 6);
    run();
    harness::resetGameState();
    Vars::saveMode = 0;
    h.click("frmGame", "lbl3", 6);
    frmGame::get().showModal();
    EXPECT_EQ(Vars::heroName, "Kit");
    EXPECT_EQ(Vars::heroWis, 77);
    EXPECT_EQ(Vars::heroMaxHP, 20);  // moving one bar wrote every bar's value
    EXPECT_TRUE(frmMap::get().visible());
}

}  // namespace
