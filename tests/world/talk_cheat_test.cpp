#include <gtest/gtest.h>

#include "map_fixture.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/map_files.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

class TalkBox : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        open();
    }
    platform::Label& label(const char* name) {
        return static_cast<platform::Label&>(h.control("frmMap", name));
    }
};

TEST_F(TalkBox, ShowsTheLineWithFaceAndSpeaker) {
    EXPECT_FALSE(map().talkShown());
    const platform::Control& face = h.control("frmMap", "imgTalk");
    const double faceWidth = face.Width, faceHeight = face.Height;
    map().showText("The well is dry.", 27, "Tina", 0);
    EXPECT_EQ(face.Width, faceWidth) << "any face fills the same frame";
    EXPECT_EQ(face.Height, faceHeight);
    EXPECT_TRUE(map().talkShown());
    EXPECT_EQ(label("lblTalk").Caption, "The well is dry.");
    EXPECT_EQ(label("lblSpeaker").Caption, "Tina");
    EXPECT_EQ(static_cast<platform::Image&>(h.control("frmMap", "imgTalk")).picture(),
              frmTileset::get().img[27]);
    EXPECT_EQ(Vars::portraitId, 27);
    EXPECT_EQ(Vars::talkChain, 0);
    map().closeTALK();
    EXPECT_FALSE(map().talkShown());
}

// Placed at the top, the box leaves the status line and the face uncovered
// while they are shown, and takes the very top when they are hidden.
using TalkBoxPlace = MapScreenTest;
TEST_F(TalkBoxPlace, AtTheTopItKeepsClearOfTheStatusLine) {
    struct Case {
        int talkPosition, statusLine;
        double top;
    } cases[] = {{0, 1, 540 - 124 - 10}, {1, 1, 4 + 48 + 6}, {1, 0, 10}};
    for (const Case& c : cases) {
        Vars::talkPosition = Vars::u8(c.talkPosition);
        Vars::statusLine = Vars::u8(c.statusLine);
        open();
        EXPECT_EQ(h.control("frmMap", "imgTalkFrame").Top, c.top)
            << "position " << c.talkPosition << ", status line " << c.statusLine;
        map().unload();
    }
}

TEST_F(TalkBox, OnlyTheSelectKeyAndF12WorkWhileItIsUp) {
    map().showText("Hello.", 54, "Nina", 0);
    h.advance(1000);
    for (int key : {vk::Left, vk::Right, vk::Up, vk::Down, vk::Escape, vk::Space, vk::F5, vk::F7,
                    vk::F8}) {
        press(key);
        EXPECT_TRUE(map().talkShown()) << key;
    }
    EXPECT_EQ(Vars::posX, 100);
    EXPECT_EQ(Vars::posY, 75);
    h.cancelInput();
    press(vk::F12);  // the prompt opens and is cancelled
    EXPECT_EQ(h.pendingActions(), 0u);
    EXPECT_TRUE(map().talkShown());
    press(vk::Return);
    EXPECT_FALSE(map().talkShown());
    EXPECT_TRUE(scriptRuns.empty());
    press(vk::Right);
    EXPECT_EQ(Vars::posX, 101);
}

TEST_F(TalkBox, ChainedLinesRunTheAreaScriptAgainOnOK) {
    struct Case {
        int mode;
        bool byKey;
        std::size_t wantRuns;
    };
    for (Case c : {Case{0, false, 0}, Case{1, false, 1}, Case{1, true, 1}, Case{0, true, 0}}) {
        scriptRuns.clear();
        map().showText("Next.", 13, "Monk", c.mode);
        if (c.byKey) press(Vars::keySelect);
        else h.clickNow(label("lblOK"));
        EXPECT_FALSE(map().talkShown());
        EXPECT_EQ(scriptRuns.size(), c.wantRuns);
    }
}

class CheatPrompt : public MapScreenTest {
protected:
    void type(const std::string& word) {
        h.answerInput(word);
        press(vk::F12);
        EXPECT_EQ(h.pendingActions(), 0u);
    }
};

TEST_F(CheatPrompt, BattleWordFightsTheZonesGroupOnlyWhereThereIsOne) {
    for (bool withGroup : {true, false}) {
        SCOPED_TRACE(withGroup);
        auto c = findZoneCell([&](const world::Zone& z) { return (z.group != 0) == withGroup; });
        ASSERT_TRUE(c);
        place(c->map, c->x, c->y);
        open();
        Vars::questFlags = {};
        battleGroups.clear();
        type("letsfight");
        EXPECT_EQ(battleGroups.size(), withGroup ? 1u : 0u);
        EXPECT_NE(Vars::questFlags[frmMap::kCheatUsedFlag], 0);
        EXPECT_TRUE(statusShown());
        map().unload();
    }
}

TEST_F(CheatPrompt, OtherWordsDoNothing) {
    open();
    for (const char* word : {"", "LetsFight", "letsfight ", "reloadmap", "fight"}) {
        type(word);
        EXPECT_TRUE(battleGroups.empty()) << word;
        EXPECT_EQ(Vars::questFlags[frmMap::kCheatUsedFlag], 0) << word;
    }
}

TEST_F(CheatPrompt, ReloadWordReadsTheSevenMapFilesAgain) {
    for (int m = 0; m < 7; ++m) world::writeMapFile(world::mapFilePath(m), world::mapSlice(m));
    open();
    const std::uint8_t before = Vars::cell(101, 75, 0, 0);
    Vars::cell(101, 75, 0, 0) = std::uint8_t(blockingCode());
    Vars::cell(5, 5, 1, 6) = 4;
    type("reloadmaps");
    EXPECT_EQ(Vars::cell(101, 75, 0, 0), before);
    EXPECT_EQ(Vars::cell(5, 5, 1, 6), 0);
    EXPECT_NE(Vars::questFlags[frmMap::kCheatUsedFlag], 0);
    EXPECT_EQ(viewPixel(11 * 36 + 2, 7 * 36 + 2), terrainColour(before));
}

TEST_F(CheatPrompt, AFailedReloadSaysWhichFileAndKeepsTheWorld) {
    for (int m = 0; m < 6; ++m) world::writeMapFile(world::mapFilePath(m), world::mapSlice(m));
    open();
    Vars::cell(5, 5, 1, 6) = 4;
    std::string shown;
    h.onShow("MsgBox", [&](platform::Form& f) {
        for (auto& c : f.controls())
            if (auto* l = dynamic_cast<platform::Label*>(c.get())) shown += l->Caption;
    });
    h.answerInput("reloadmaps");
    h.answerMsgBox(platform::vbOK);
    press(vk::F12);
    EXPECT_NE(shown.find("'6.map'"), std::string::npos) << shown;
    EXPECT_EQ(Vars::cell(5, 5, 1, 6), 4);
}

}  // namespace
}  // namespace worldtest
