// The editor menu, reached from the title screen's "Game Editors".
#include "editors/frmmain.h"
#include "editors/frmsave.h"
#include "editors/frmstory.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "shell/frmtitle.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "support/game_test.h"

namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;
constexpr platform::VbColor kDarkRed = 0x000080;

class EditorMenu : public harness::GameTest {
protected:
    struct Step {
        int key, expected;
    };

    EditorMenu() { frmTitle::get().show(); }

    static platform::Label& entry(int i) {
        return static_cast<platform::Label&>(harness::Harness::control("frmStory", "lbl3", i));
    }
    // The entry in dark red; the other two must be black.
    static int highlighted() {
        int found = -1;
        for (int i = 0; i < 3; ++i) {
            if (entry(i).ForeColor == kDarkRed) {
                EXPECT_EQ(found, -1) << "two entries highlighted";
                found = i;
            } else {
                EXPECT_EQ(entry(i).ForeColor, platform::vbBlack) << i;
            }
        }
        return found;
    }
    // Chooses "Game Editors" on the title; the scripted input runs inside.
    void openFromTitle() {
        h.clickNow(static_cast<platform::Label&>(h.control("frmTitle", "Label3", 2)));
    }
    // Checks, inside the menu, the highlighted entry and the sounds since the last check.
    void expectState(int selected, Strings sounds) {
        h.then([this, selected, sounds] {
            EXPECT_EQ(highlighted(), selected);
            EXPECT_EQ(h.audio.effects(), sounds);
            h.audio.clear();
        });
    }
};

TEST_F(EditorMenu, ShowsItsEntriesWithSaveEditorSelected) {
    Strings captions;
    std::string title;
    h.then([&] {
        for (int i = 0; i < 3; ++i) captions.push_back(entry(i).Caption);
        title = static_cast<platform::Label&>(h.control("frmStory", "lbl", 1)).Caption;
    });
    expectState(0, {"sound/snd2.snd"});  // the title's confirm
    h.key(vk::Escape);
    openFromTitle();
    EXPECT_EQ(captions, (Strings{"Save Editor", "Map Editor", "( Return )"}));
    EXPECT_EQ(title, "Choose Editor");
}

TEST_F(EditorMenu, BothKeyAxesMoveWithWrapAroundAndNoSound) {
    Vars::keyUp = 'W';
    Vars::keyDown = 'S';
    Vars::keyLeft = 'A';
    Vars::keyRight = 'D';
    h.then([this] { h.audio.clear(); });
    for (Step s : {Step{'S', 1}, Step{'D', 2}, Step{'S', 0}, Step{'W', 2}, Step{'A', 1}, Step{'A', 0},
                   Step{'A', 2}, Step{vk::Down, 2}, Step{vk::Space, 2}}) {
        h.key(s.key);
        expectState(s.expected, {});
    }
    h.key(vk::Escape);
    openFromTitle();
}

// Next is tested before previous: a key set for both goes on.
TEST_F(EditorMenu, AKeySetForBothDirectionsGoesToTheNextEntry) {
    Vars::keyLeft = Vars::keyRight = Vars::keyDown = 'D';
    Vars::keyUp = 'W';
    h.then([this] { h.audio.clear(); });
    for (Step s : {Step{'D', 1}, Step{'D', 2}, Step{'D', 0}, Step{'W', 2}}) {
        h.key(s.key);
        expectState(s.expected, {});
    }
    h.key(vk::Escape);
    openFromTitle();
}

TEST_F(EditorMenu, EscLeavesWithTheConfirmSoundBeforeAnyConfiguredKey) {
    Vars::keyDown = vk::Escape;
    Vars::keySelect = vk::Escape;
    h.then([this] { h.audio.clear(); });
    h.key(vk::Escape);
    openFromTitle();
    EXPECT_FALSE(frmStory::get().isLoaded());
    EXPECT_EQ(h.audio.effects(), Strings{"sound/snd2.snd"});
    EXPECT_TRUE(frmTitle::get().visible());
}

TEST_F(EditorMenu, HoverSoundsOnlyOnAnotherEntryAndTheBackgroundKeepsTheSelection) {
    h.then([this] { h.audio.clear(); });
    h.hover("frmStory", "lbl3", 0);
    expectState(0, {});
    h.hover("frmStory", "lbl3", 2);
    expectState(2, {"sound/snd17.snd"});
    h.hover("frmStory", "picture1");
    expectState(2, {});
    h.hover("frmStory", "lbl3", 1);
    h.hover("frmStory", "lbl3", 1);
    expectState(1, {"sound/snd17.snd"});
    h.key(vk::Escape);
    openFromTitle();
}

TEST_F(EditorMenu, EveryShowingStartsOnSaveEditor) {
    h.key(vk::Down);
    h.key(vk::Escape);
    openFromTitle();
    int selected = -1;
    h.then([&] { selected = highlighted(); });
    h.key(vk::Escape);
    openFromTitle();
    EXPECT_EQ(selected, 0);
}

// Choosing plays the confirm sound and unloads the menu; the title is in front again.
TEST_F(EditorMenu, ChoosingReturnLeadsBackToTheTitle) {
    struct Case {
        std::function<void(harness::Harness&)> choose;
    };
    const Case cases[] = {
        {[](harness::Harness& h) { h.click("frmStory", "lbl3", 2); }},
        {[](harness::Harness& h) {
            h.key(vk::Up);
            h.key(vk::Return);
        }},
    };
    for (const Case& c : cases) {
        h.then([this] { h.audio.clear(); });
        c.choose(h);
        openFromTitle();
        EXPECT_FALSE(frmStory::get().isLoaded());
        EXPECT_EQ(h.audio.effects(), Strings{"sound/snd2.snd"});
        EXPECT_TRUE(frmTitle::get().visible());
        EXPECT_EQ(h.pendingActions(), 0u);
    }
}

// The menu is gone before the save editor opens, so leaving the editor
// shows the title again.
TEST_F(EditorMenu, SaveEditorOpensOverTheTitleAlone) {
    savefile::createSlotNamesIfMissing();
    bool menuLoaded = true, editorModal = false;
    h.then([this] { h.audio.clear(); });
    h.key(vk::Return);
    h.then([&] {
        menuLoaded = frmStory::get().isLoaded();
        editorModal = frmSave::get().isModal();
    });
    h.click("frmSave", "lbl3", 8);
    openFromTitle();
    EXPECT_FALSE(menuLoaded);
    EXPECT_TRUE(editorModal);
    EXPECT_FALSE(frmSave::get().isLoaded());
    EXPECT_EQ(h.audio.effects(), Strings(2, "sound/snd2.snd"));
    EXPECT_TRUE(frmTitle::get().visible());
}

// The map maker, too, opens over the title alone, and leaving it shows the title.
TEST_F(EditorMenu, MapEditorOpensOverTheTitleAlone) {
    bool menuLoaded = true, editorModal = false;
    h.then([this] { h.audio.clear(); });
    h.key(vk::Down);
    h.key(vk::Return);
    h.answerMsgBox(platform::vbOK);  // no 0.map in this folder
    h.then([&] {
        menuLoaded = frmStory::get().isLoaded();
        editorModal = frmMain::get().isModal();
    });
    h.click("frmMain", "Command1", 0);
    h.answerMsgBox(platform::vbYes);
    openFromTitle();
    EXPECT_FALSE(menuLoaded);
    EXPECT_TRUE(editorModal);
    EXPECT_FALSE(frmMain::get().isLoaded());
    EXPECT_EQ(h.audio.effects(), Strings{"sound/snd2.snd"});
    EXPECT_TRUE(frmTitle::get().visible());
}

}  // namespace
