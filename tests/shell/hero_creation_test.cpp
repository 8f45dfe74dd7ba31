#include <algorithm>
#include <filesystem>

#include "platform/keys.h"
#include "shell/frmnew.h"
#include "shell/frmtitle.h"
#include "platform/seqfile.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "support/game_test.h"
#include "test_util.h"

namespace {

namespace vk = platform::vk;
using Strings = std::vector<std::string>;

enum Entry { StrMinus, StrPlus, DexMinus, DexPlus, WisMinus, WisPlus, Difficulty, OK, Cancel };

class HeroCreation : public harness::GameTest {
protected:
    HeroCreation() {
        h.linkAssets();
        frmTileset::get().loadPictures();
        // The spell-point screen and the opening scene have tests of their own.
        for (const char* form : {"frmNewSpell", "frmCutscene"})
            h.onShow(form, [this, form](platform::Form& f) {
                shown.push_back(form);
                f.unload();
            });
        frmTitle::get().show();
    }
    // Shows the screen, runs the scripted steps in it, and returns when it closes.
    void run() {
        frmNew::get().showModal();
    }
    void clickEntry(int i, int times = 1) {
        for (int n = 0; n < times; ++n) h.click("frmNew", "lbl3", i);
    }
    std::vector<std::string> shown;
    platform::TextBox& name() { return static_cast<platform::TextBox&>(h.control("frmNew", "txtName")); }
};

TEST_F(HeroCreation, TheNameRefusesQuotesAndControlCharactersAndStopsAtTen) {
    std::string typed;
    for (int i = 0; i < 4; ++i) h.key(vk::Back);
    h.type("Al\"ex\ti\x01s");
    h.then([&] { typed = name().Text; });
    h.type("abcdefghij");
    h.then([&] { EXPECT_EQ(name().Text, "Alexisabcd"); });
    clickEntry(Cancel);
    run();
    EXPECT_EQ(typed, "Alexis");
    for (int c : {34, 0, 9, 13, 27, 31, 127}) EXPECT_FALSE(frmNew::nameCharAllowed(c)) << c;
    for (int c : {8, 32, 39, 44, 126, 122}) EXPECT_TRUE(frmNew::nameCharAllowed(c)) << c;
}

TEST_F(HeroCreation, TenPointsGoIntoTheAttributesEachBetweenTenAndTwenty) {
    clickEntry(StrMinus);     // already at the floor
    clickEntry(StrPlus, 8);
    clickEntry(WisPlus, 3);   // only two points are left
    clickEntry(StrMinus, 3);  // gives three back
    clickEntry(DexPlus, 3);
    h.then([] {
        EXPECT_EQ(shelltest::caption("frmNew", "lblValue", 0), "15");
        EXPECT_EQ(shelltest::caption("frmNew", "lblValue", 1), "13");
        EXPECT_EQ(shelltest::caption("frmNew", "lblValue", 2), "12");
        EXPECT_EQ(shelltest::caption("frmNew", "lblPoints"), "Points left:  0");
    });
    clickEntry(Difficulty, 2);
    h.then([] { EXPECT_EQ(shelltest::caption("frmNew", "lbl3", Difficulty), "Difficulty:  Wimp"); });
    clickEntry(OK);
    run();
    EXPECT_EQ(shown, (Strings{"frmNewSpell", "frmCutscene"}));
    EXPECT_FALSE(frmTitle::get().isLoaded());
    EXPECT_TRUE(frmMap::get().visible());
    EXPECT_GT(std::count_if(Vars::mapData.begin(), Vars::mapData.end(), [](auto b) { return b != 0; }), 0)
        << "the seven map files were read";
    EXPECT_EQ(Vars::heroName, "Nina");
    EXPECT_EQ(Vars::heroStr, 15);
    EXPECT_EQ(Vars::heroDex, 13);
    EXPECT_EQ(Vars::heroWis, 12);
    EXPECT_EQ(Vars::difficulty, 2);
    EXPECT_EQ(Vars::heroLevel, 1);
    EXPECT_EQ(Vars::storyStage, 1) << "the map screen moves a new game on to stage 1";
}

TEST_F(HeroCreation, OKWantsANameAndEveryPointSpent) {
    shelltest::MsgBoxes boxes{h};
    clickEntry(OK);
    boxes.answer();
    clickEntry(StrPlus, 10);
    for (int i = 0; i < 4; ++i) h.key(vk::Back);
    h.type("  ");
    clickEntry(OK);
    boxes.answer();
    clickEntry(Cancel);
    run();
    EXPECT_EQ(boxes.at(0).text, "Please spend all your attribute points.");
    EXPECT_EQ(boxes.at(1).text, "Please enter a name for your hero.");
    EXPECT_TRUE(shown.empty());
}

TEST_F(HeroCreation, TheKeysOfBothAxesWalkTheEntriesFromTheTop) {
    std::vector<int> walk;
    auto note = [&] {
        h.then([&] {
            for (int i = StrMinus; i <= Cancel; ++i)
                if (static_cast<platform::Label&>(h.control("frmNew", "lbl3", i)).ForeColor == platform::vbWhite)
                    walk.push_back(i);
        });
    };
    note();
    h.then([&] { h.snapshot("hero_creation"); });
    for (int i = 0; i < 9; ++i) {
        h.key(i % 2 == 0 ? Vars::keyRight : Vars::keyDown);
        note();
    }
    h.key(Vars::keyLeft);
    note();
    h.key(Vars::keyUp);
    note();
    h.key(Vars::keyLeft);  // difficulty
    h.key(Vars::keySelect);
    h.then([] { EXPECT_EQ(shelltest::caption("frmNew", "lbl3", Difficulty), "Difficulty:  Hardcore"); });
    h.key(vk::Escape);
    run();
    EXPECT_EQ(walk, (std::vector<int>{StrMinus, StrPlus, DexMinus, DexPlus, WisMinus, WisPlus, Difficulty,
                                      OK, Cancel, StrMinus, Cancel, OK}));
}

TEST_F(HeroCreation, AMapThatCannotBeReadKeepsThePlayerHere) {
    std::filesystem::remove(h.appDir + "3.map");
    platform::writeFileAtomically(h.appDir + "3.map", "7\r\nseven\r\n");
    shelltest::MsgBoxes boxes{h};
    clickEntry(StrPlus, 10);
    clickEntry(OK);
    boxes.answer();
    h.then([] { EXPECT_TRUE(frmNew::get().isLoaded()); });
    h.key(vk::Escape);  // Cancel
    run();
    EXPECT_EQ(boxes.at(0).text.rfind("The map file '3.map' is damaged", 0), 0u) << boxes.at(0).text;
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(frmTitle::get().visible());
}

}  // namespace
