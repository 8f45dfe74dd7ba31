#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/frmgame.h"
#include "shell/frmtitle.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;

class Title : public harness::GameTest {
protected:
    Title() { frmTitle::get().show(); }
    platform::Label& entry(int i) { return static_cast<platform::Label&>(h.control("frmTitle", "Label3", i)); }
    // The highlighted entry; every other one must be white.
    int highlighted() {
        int found = -1;
        for (int i = 0; i < 6; ++i) {
            if (entry(i).ForeColor == 0x0000FF) {
                EXPECT_EQ(found, -1) << "two entries highlighted";
                found = i;
            } else {
                EXPECT_EQ(entry(i).ForeColor, platform::vbWhite) << i;
            }
        }
        return found;
    }
};

TEST_F(Title, ShowsItsSixEntries) {
    Strings captions;
    for (int i = 0; i < 6; ++i) captions.push_back(entry(i).Caption);
    EXPECT_EQ(captions, (Strings{"New Game", "Resume Game", "Game Editors", "Play Intro", "Options", "Exit"}));
    EXPECT_EQ(highlighted(), 0);
}

TEST_F(Title, TheConfiguredKeysMoveWithWrapAroundAndTheCursorSound) {
    struct Step {
        int key, expected;
    };
    for (Step s : {Step{vk::Up, 5}, Step{vk::Up, 4}, Step{vk::Down, 5}, Step{vk::Down, 0}, Step{vk::Down, 1}}) {
        h.keyNow(s.key);
        EXPECT_EQ(highlighted(), s.expected);
    }
    EXPECT_EQ(h.audio.effects(), Strings(5, "sound/snd17.snd"));

    // Other keys do nothing, Esc included; the keys are the configured ones.
    h.audio.clear();
    Vars::keyUp = 'W';
    for (int key : {int(vk::Escape), int(vk::Up), int(vk::Left), int(vk::Space)}) h.keyNow(key);
    EXPECT_EQ(highlighted(), 1);
    h.keyNow('W');
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(h.audio.effects(), Strings{"sound/snd17.snd"});
    EXPECT_TRUE(frmTitle::get().isLoaded());
}

TEST_F(Title, HoveringSelectsWithTheCursorSoundOncePerEntry) {
    h.hoverNow(entry(3));
    h.hoverNow(entry(3));
    EXPECT_EQ(highlighted(), 3);
    h.hoverNow(entry(2));
    EXPECT_EQ(highlighted(), 2);
    EXPECT_EQ(h.audio.effects(), Strings(2, "sound/snd17.snd"));
}

TEST_F(Title, TheSelectKeyChoosesWithTheConfirmSound) {
    h.hoverNow(entry(4));
    h.audio.clear();
    bool optionsShown = false;
    h.then([&] { optionsShown = h.form("frmOptions").visible(); });
    h.then([&] { EXPECT_EQ(h.audio.effects(), Strings{"sound/snd2.snd"}); });
    h.key(vk::Escape);
    h.keyNow(vk::Return);
    EXPECT_TRUE(optionsShown);
    EXPECT_TRUE(frmTitle::get().visible());
}

TEST_F(Title, ResumeGameOpensTheSlotsToLoad) {
    Vars::saveMode = -1;
    savefile::createSlotNamesIfMissing();
    std::string title;
    h.then([&] { title = shelltest::caption("frmGame", "lblTitle"); });
    h.key(vk::Escape);
    h.clickNow(entry(1));
    EXPECT_EQ(Vars::saveMode, 0);
    EXPECT_EQ(title, "Load Game");
}

TEST_F(Title, ExitEndsTheProgram) {
    h.clickNow(entry(5));
    EXPECT_TRUE(platform::Runtime::get().quitting());
    EXPECT_FALSE(frmTitle::get().isLoaded());
}

}  // namespace
