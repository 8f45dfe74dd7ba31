// Message and input boxes: their keys, their marked focus and their width.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "platform/dialogs.h"
#include "platform/font.h"
#include "platform/keys.h"

namespace {

namespace vk = platform::vk;
using Dialogs = harness::HarnessTest;

struct Key {
    int code, shift = 0;
};

TEST_F(Dialogs, MsgBoxKeysMoveTheFocusOverItsButtonsAndReturnPressesTheFocusedOne) {
    struct Case {
        int buttons;
        std::vector<Key> keys;
        int answer;
    };
    const int yesNo = platform::vbYesNo | platform::vbQuestion;
    const Case cases[] = {
        {yesNo, {{vk::Return}}, platform::vbYes},
        {yesNo, {{vk::Right}, {vk::Return}}, platform::vbNo},
        {yesNo, {{vk::Tab}, {vk::Return}}, platform::vbNo},
        {yesNo, {{vk::Right}, {vk::Right}, {vk::Return}}, platform::vbYes},
        {yesNo, {{vk::Left}, {vk::Return}}, platform::vbNo},
        {yesNo, {{vk::Tab}, {vk::Tab, platform::ShiftMask}, {vk::Return}}, platform::vbYes},
        {yesNo, {{vk::Tab, platform::ShiftMask}, {vk::Return}}, platform::vbNo},
        {yesNo, {{vk::Right}, {vk::Left}, {vk::Return}}, platform::vbYes},
        {yesNo, {{vk::Escape}}, platform::vbNo},
        {yesNo, {{vk::Down}, {vk::Return}}, platform::vbYes},
        {platform::vbOKOnly, {{vk::Right}, {vk::Tab}, {vk::Return}}, platform::vbOK},
        {platform::vbExclamation, {{vk::Escape}}, platform::vbOK},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        for (Key k : cases[i].keys) h.key(k.code, k.shift);
        EXPECT_EQ(platform::MsgBox("Overwrite?", cases[i].buttons), cases[i].answer);
        EXPECT_EQ(h.pendingActions(), 0u);
    }
}

TEST_F(Dialogs, InputBoxTabsFromTheTextToItsButtons) {
    struct Case {
        std::vector<Key> keys;
        std::string answer;
    };
    const Case cases[] = {
        {{{vk::Return}}, "ab"},
        {{{vk::Tab}, {vk::Return}}, "ab"},
        {{{vk::Tab}, {vk::Tab}, {vk::Return}}, ""},
        {{{vk::Tab}, {vk::Right}, {vk::Return}}, ""},
        {{{vk::Tab}, {vk::Left}, {vk::Return}}, ""},
        {{{vk::Tab}, {vk::Right}, {vk::Right}, {vk::Return}}, "ab"},
        {{{vk::Tab, platform::ShiftMask}, {vk::Return}}, ""},
        {{{vk::Tab}, {vk::Tab}, {vk::Tab}, {vk::Return}}, "ab"},
        // The arrows belong to the text while it has the focus.
        {{{vk::Left}, {vk::Right}, {vk::Return}}, "ab"},
        {{{vk::Tab}, {vk::Escape}}, ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        h.type("ab");
        for (Key k : cases[i].keys) h.key(k.code, k.shift);
        EXPECT_EQ(platform::InputBox("Command?"), cases[i].answer);
        EXPECT_EQ(h.pendingActions(), 0u);
    }
}

TEST_F(Dialogs, TypingWhileAButtonHasTheFocusLeavesTheTextAlone) {
    h.type("a");
    h.key(vk::Tab);
    h.type("b");
    h.key(vk::Tab, platform::ShiftMask);
    h.type("c");
    h.key(vk::Return);
    EXPECT_EQ(platform::InputBox("Command?"), "ac");
}

// The window's pixel at a point of a control of the dialog shown.
std::uint32_t pixelAt(const platform::Picture& shot, const std::string& control, int dx, int dy,
                      const std::string& form = "MsgBox") {
    const platform::Control& c = harness::Harness::control(form, control);
    int ox, oy;
    platform::Runtime::get().clientOrigin(c.form(), ox, oy);
    return shot.pixel(ox + int(c.Left) + dx, oy + int(c.Top) + dy) & 0xFFFFFF;
}

TEST_F(Dialogs, TheFocusedButtonCarriesTheFrameAndTheDottedMark) {
    constexpr std::uint32_t black = 0x000000, face = 0xD4D0C8;
    struct Look {
        std::uint32_t yesFrame, yesDot, noFrame, noDot;
    };
    std::vector<Look> looks;
    auto look = [&] {
        h.then([&] {
            auto shot = h.snapshot("msgbox_focus");
            looks.push_back({pixelAt(*shot, "cmdYes", -1, 10), pixelAt(*shot, "cmdYes", 4, 4),
                             pixelAt(*shot, "cmdNo", -1, 10), pixelAt(*shot, "cmdNo", 4, 4)});
        });
    };
    look();
    h.key(vk::Right);
    look();
    h.key(vk::Escape);
    platform::MsgBox("Overwrite?", platform::vbYesNo);
    ASSERT_EQ(looks.size(), 2u);
    EXPECT_EQ(looks[0].yesFrame, black);
    EXPECT_EQ(looks[0].yesDot, black);
    EXPECT_NE(looks[0].noFrame, black);
    EXPECT_EQ(looks[0].noDot, face);
    EXPECT_NE(looks[1].yesFrame, black);
    EXPECT_EQ(looks[1].yesDot, face);
    EXPECT_EQ(looks[1].noFrame, black);
    EXPECT_EQ(looks[1].noDot, black);
}

TEST_F(Dialogs, WhileTheTextHasTheFocusOKCarriesTheFrame) {
    std::vector<std::uint32_t> okFrames;
    auto look = [&] {
        h.then([&] {
            auto shot = h.snapshot("inputbox_focus");
            okFrames.push_back(pixelAt(*shot, "cmdOK", -1, 10, "InputBox"));
        });
    };
    look();
    h.key(vk::Tab);
    h.key(vk::Tab);
    look();
    h.key(vk::Escape);
    platform::InputBox("Command?");
    ASSERT_EQ(okFrames.size(), 2u);
    EXPECT_EQ(okFrames[0], 0x000000u);
    EXPECT_NE(okFrames[1], 0x000000u) << "the frame went with the focus to Cancel";
}

TEST_F(Dialogs, AMessageBoxIsWideEnoughForItsWholeTitle) {
    const std::string title = "Are you sure you want to overwrite this file?";
    platform::Font titleFont;
    titleFont.bold = true;
    titleFont.size = 9;
    double width = 0;
    int bar = 0;
    h.then([&] {
        const platform::Form& box = harness::Harness::form("MsgBox");
        width = box.Width;
        bar = box.titleBarHeight();
        h.snapshot("msgbox_long_title");
    });
    h.answerMsgBox(platform::vbNo);
    EXPECT_EQ(platform::MsgBox("Are you sure?", platform::vbYesNo | platform::vbQuestion, title),
              platform::vbNo);
    // The caption starts 6 pixels in and is cut where the close box's square begins.
    EXPECT_GE(width - bar, 6 + platform::textWidth(titleFont, title));
    EXPECT_GT(width, 200) << "wider than the narrowest box";
}

TEST_F(Dialogs, TheCloseBoxOfAMessageBoxAnswersOK) {
    h.then([] {
        platform::Runtime& rt = platform::Runtime::get();
        const platform::Form& box = harness::Harness::form("MsgBox");
        int ox = 0, oy = 0;
        rt.clientOrigin(box, ox, oy);
        const int bar = box.titleBarHeight();
        const int x = ox + box.pixelWidth() - bar / 2, y = oy - bar / 2;  // the middle of the close box
        rt.mouseDown(platform::LeftButton, 0, x, y);
        rt.mouseUp(platform::LeftButton, 0, x, y);
    });
    EXPECT_EQ(platform::MsgBox("Saved.", platform::vbOKOnly, "Save"), platform::vbOK);
}

TEST_F(Dialogs, YesAndNoStandCentredSideBySide) {
    double yesLeft = 0, noRight = 0, gap = 0, width = 0;
    h.then([&] {
        const platform::Control& yes = harness::Harness::control("MsgBox", "cmdYes");
        const platform::Control& no = harness::Harness::control("MsgBox", "cmdNo");
        yesLeft = yes.Left;
        noRight = no.Left + no.Width;
        gap = no.Left - (yes.Left + yes.Width);
        width = harness::Harness::form("MsgBox").Width;
    });
    h.answerMsgBox(platform::vbYes);
    EXPECT_EQ(platform::MsgBox("Go?", platform::vbYesNo, "Go"), platform::vbYes);
    EXPECT_EQ(gap, 8);
    EXPECT_EQ(yesLeft, width - noRight);
}

TEST_F(Dialogs, AMessageBoxStaysWithinTheWindowHoweverLongItsText) {
    std::string prompt;
    for (int i = 0; i < 500; ++i) prompt += "A line of the damaged file.\n";
    int height = 0;
    h.then([&] { height = harness::Harness::form("MsgBox").pixelHeight(); });
    h.answerMsgBox(platform::vbOK);
    platform::MsgBox(prompt, platform::vbCritical, "Error");
    EXPECT_LE(height, 600);
}

}  // namespace
