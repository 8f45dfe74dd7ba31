#include <filesystem>

#include "platform/keys.h"
#include "platform/seqfile.h"
#include "shell/frmgame.h"
#include "shell/savefile.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;

class SaveScreen : public harness::GameTest {
protected:
    SaveScreen() {
        savefile::createSlotNamesIfMissing();
    }
    std::string slotFile(int slot) { return h.appDir + "game.sv" + std::to_string(slot); }
    void saveInto(int slot) {
        h.scriptDraws({{5, 255, 60}, {2, 5, 4}});
        savefile::SlotNames names = savefile::readSlotNames();
        savefile::saveGame(slot, names);
    }
};

TEST_F(SaveScreen, SavesIntoAFreeSlotAtOnceAndNamesIt) {
    Vars::saveMode = -1;
    Vars::heroName = "Kit";
    Vars::storyStage = 202;
    h.scriptDraws({{5, 255, 60}, {2, 5, 4}});
    h.then([] {
        EXPECT_EQ(shelltest::caption("frmGame", "lbl3", 2), "2.  Empty");
        // Ten slots and Return: the window's texture shows behind every entry.
        for (int i = 0; i <= savefile::kSlots; ++i)
            EXPECT_TRUE(static_cast<platform::Label&>(harness::Harness::control("frmGame", "lbl3", i)).Transparent);
    });
    h.key(vk::Down);
    h.key(vk::Down);
    h.key(vk::Return);
    frmGame::get().showModal();
    EXPECT_TRUE(platform::fileExists(slotFile(2)));
    EXPECT_EQ(savefile::readSlotNames()[2], "Kit  -  The Demons' Plan  20.2%");
    EXPECT_EQ(h.audio.effects(), Strings{"sound/snd2.snd"});
}

TEST_F(SaveScreen, AsksBeforeOverwritingASlot) {
    saveInto(5);
    const std::string old = shelltest::readFile(slotFile(5));
    Vars::saveMode = -1;
    Vars::heroName = "Other";
    shelltest::MsgBoxes boxes{h};
    h.click("frmGame", "lbl3", 5);
    boxes.answer(platform::vbNo);
    h.then([&] { EXPECT_EQ(shelltest::readFile(slotFile(5)), old); });
    h.scriptDraws({{5, 255, 61}, {2, 5, 2}});
    h.click("frmGame", "lbl3", 5);
    h.answerMsgBox(platform::vbYes);
    frmGame::get().showModal();
    EXPECT_EQ(boxes.at(0).caption, "Are you sure you want to overwrite this file?");
    EXPECT_EQ(boxes.at(0).text, "Are you sure?");
    EXPECT_NE(shelltest::readFile(slotFile(5)), old);
    EXPECT_EQ(savefile::readSlotNames()[5], "Other  -  The Lone Wanderers  0%");
}

TEST_F(SaveScreen, AFailedLoadSaysSoAndChangesNothing) {
    Vars::saveMode = 0;
    Vars::heroName = "Kept";
    shelltest::MsgBoxes boxes{h};
    h.click("frmGame", "lbl3", 7);
    boxes.answer();
    h.then([] { EXPECT_TRUE(frmGame::get().isLoaded()); });
    h.key(vk::Escape);
    frmGame::get().showModal();
    EXPECT_EQ(boxes.at(0).text, "Error saving or loading the file.  The file may not exist or is corrupt.\n"
                                "Cannot read the file '" + slotFile(7) + "': No such file or directory");
    EXPECT_EQ(boxes.at(0).caption, "File Not Found");
    EXPECT_EQ(Vars::heroName, "Kept");
    EXPECT_FALSE(frmMap::get().isLoaded());
}

// A full disk under the slot's file saves nothing; under save.ini the game
// is saved all the same and the screen closes as after any save.
TEST_F(SaveScreen, AFailedSaveSaysWhyAndWhetherTheGameWasSaved) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    struct Case {
        const char* fullFile;
        std::string text;
        const char* caption;
        bool saved;
    };
    const Case cases[] = {
        {"game.sv2.tmp",
         "Error saving or loading the file.  The file may not exist or is corrupt.\nCannot write the file '" +
             slotFile(2) + "': No space left on device",
         "File Not Found", false},
        {"save.ini.tmp",
         "The game was saved, but the list of saved games could not be updated.\nCannot write the file '" +
             h.appDir + "save.ini': No space left on device",
         "Game Saved", true},
    };
    const std::string ini = shelltest::readFile(h.appDir + "save.ini");
    Vars::saveMode = -1;
    Vars::heroName = "Kit";
    shelltest::MsgBoxes boxes{h};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fullFile);
        std::filesystem::create_symlink("/dev/full", h.appDir + c.fullFile);
        const std::size_t first = boxes.seen.size();
        h.scriptDraws({{5, 255, 60}, {2, 5, 4}});
        h.click("frmGame", "lbl3", 2);
        boxes.answer();
        if (!c.saved) h.key(vk::Escape);
        frmGame::get().showModal();
        ASSERT_EQ(boxes.seen.size(), first + 1);
        EXPECT_EQ(boxes.at(first).text, c.text);
        EXPECT_EQ(boxes.at(first).caption, c.caption);
        EXPECT_EQ(platform::fileExists(slotFile(2)), c.saved);
        EXPECT_EQ(shelltest::readFile(h.appDir + "save.ini"), ini);
        std::filesystem::remove(h.appDir + c.fullFile);
    }
}

TEST_F(SaveScreen, ALoadGoesOnOnTheMapScreen) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    Vars::heroName = "Saved";
    Vars::musicTrack = 8;
    saveInto(0);
    harness::resetGameState();
    Vars::saveMode = 0;
    h.click("frmGame", "lbl3", 0);
    frmGame::get().showModal();
    EXPECT_EQ(Vars::heroName, "Saved");
    EXPECT_TRUE(frmMap::get().visible());
    // The fresh map screen plays its zone's music.
    EXPECT_EQ(h.audio.music().back(), "play");
    EXPECT_EQ(h.audio.events.back().path, "music/" + std::to_string(Vars::musicTrack) + ".mid");
}

}  // namespace
