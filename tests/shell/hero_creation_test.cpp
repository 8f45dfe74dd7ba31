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

// Letters of any script the game can draw; a letter no font of the game has
// is refused at once, by name, as a quote is.
TEST_F(HeroCreation, TheNameTakesLettersOfAnyScriptUpToTenAndRefusesQuotesAndControls) {
    struct Case {
        const char* typed;
        const char* kept;
        const char* refusal = nullptr;
    };
    const Case cases[] = {
        {"Zo\xC3\xAB \xC3\x85sa", "Zo\xC3\xAB \xC3\x85sa"},
        // Ten letters of two bytes each fit; an eleventh does not.
        {"\xC3\x85\xC3\x84\xC3\x96\xC3\x86\xC3\x98\xC3\x89\xC3\x88\xC3\x8A\xC3\x8B\xC3\x8E",
         "\xC3\x85\xC3\x84\xC3\x96\xC3\x86\xC3\x98\xC3\x89\xC3\x88\xC3\x8A\xC3\x8B\xC3\x8E"},
        {"\xD0\x90\xD0\xBD\xD1\x8F\xE5\xAD\x90\xE3\x81\x82\xCE\xA9\xC3\x9F\xC5\x81\xC4\x9E\xC5\xBD\xC3\x9C",
         "\xD0\x90\xD0\xBD\xD1\x8F\xE5\xAD\x90\xE3\x81\x82\xCE\xA9\xC3\x9F\xC5\x81\xC4\x9E\xC5\xBD"},
        {"Al\"ex", "Alex", "A name cannot hold quotation marks."},
        // Controls, a mark of direction and a selector of a letter's form show nothing.
        {"A\tl\x01i\xC2\x85\x7F\xE2\x80\xAEx\xEF\xB8\x8F", "Alix"},
        {"abcdefghijkl", "abcdefghij"},
        // Chinese, Japanese, Korean and a face.
        {"\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 \xE3\x81\xAF\xE3\x82\x8B\xED\x95\x9C\xEB\x82\x98\xF0\x9F\x98\x80",
         "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99 \xE3\x81\xAF\xE3\x82\x8B\xED\x95\x9C\xEB\x82\x98\xF0\x9F\x98\x80"},
        {"Fox\xF0\x9F\xA6\x8A", "Fox", "A name cannot hold the character U+1F98A: the game has no letter to show it."},
    };
    shelltest::MsgBoxes boxes{h};
    std::vector<std::string> kept;
    for (const Case& c : cases) {
        for (int i = 0; i < 12; ++i) h.key(vk::Back);
        h.type(c.typed);
        if (c.refusal) boxes.answer();
        h.then([&] {
            kept.push_back(name().Text);
            if (kept.size() == 1) h.snapshot("hero_name_letters");
        });
    }
    clickEntry(Cancel);
    run();
    ASSERT_EQ(kept.size(), std::size(cases));
    std::vector<std::string> refusals;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i], cases[i].kept) << i;
        if (cases[i].refusal) refusals.push_back(cases[i].refusal);
    }
    ASSERT_EQ(boxes.seen.size(), refusals.size());
    for (std::size_t i = 0; i < refusals.size(); ++i) EXPECT_EQ(boxes.at(i).text, refusals[i]);
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
