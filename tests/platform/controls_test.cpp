#include <gtest/gtest.h>

#include "harness.h"
#include "platform/keys.h"
#include "test_forms.h"

using namespace platformtest;

namespace {

using Controls = harness::HarnessTest;

TestForm& controlsForm() {
    static TestForm f("controls");
    return f;
}

TEST_F(Controls, ScrollBarChangesByProgramArrowsTroughAndThumb) {
    TestForm& f = controlsForm();
    std::vector<int> changes;
    f.onBuild = [&](TestForm& t) {
        auto& bar = t.make<platform::HScrollBar>("hsb");
        bar.Move(0, 0, 200, 20);  // arrows 20 px, thumb 20 px, track 140 px
        bar.Min = 0;
        bar.Max = 14;
        bar.SmallChange = 1;
        bar.LargeChange = 5;
        bar.onChange = [&] { changes.push_back(bar.value()); };
        auto& narrow = t.make<platform::HScrollBar>("narrow");
        narrow.Move(0, 30, 61, 20);  // arrows and thumb 20 px: a track of 1 px
        narrow.Max = 5;
    };
    f.show();
    auto& bar = static_cast<platform::HScrollBar&>(harness::Harness::control("controls", "hsb"));
    struct Step {
        const char* what;
        double x;
        int expect;
    } steps[] = {{"right arrow", 195, 1}, {"right arrow", 195, 2}, {"left arrow", 5, 1},
                 {"trough right of the thumb", 150, 6}, {"trough left of the thumb", 25, 1},
                 {"right arrow", 195, 2}, {"right arrow", 195, 3}, {"first pixel of the trough", 20, 0}};
    for (const Step& s : steps) {
        f.dispatchMouseDown(platform::LeftButton, 0, s.x, 10);
        f.dispatchMouseUp(platform::LeftButton, 0, s.x, 10);
        EXPECT_EQ(bar.value(), s.expect) << s.what;
    }
    // Drag the thumb (at 20 + 1/14 of 140 = 30) to the far right.
    f.dispatchMouseDown(platform::LeftButton, 0, 35, 10);
    f.dispatchMouseMove(platform::LeftButton, 0, 400, 10);
    f.dispatchMouseUp(platform::LeftButton, 0, 400, 10);
    EXPECT_EQ(bar.value(), 14);
    bar.setValue(3);  // a change by the program fires too
    bar.setValue(3);  // no change, no event
    bar.setValue(99);  // kept within Max
    EXPECT_EQ(changes, (std::vector<int>{1, 2, 1, 6, 1, 2, 3, 0, 14, 3, 14}));
    auto& narrow = static_cast<platform::HScrollBar&>(harness::Harness::control("controls", "narrow"));
    f.dispatchMouseDown(platform::LeftButton, 0, 25, 40);  // the thumb, dragged to the right end
    f.dispatchMouseMove(platform::LeftButton, 0, 400, 40);
    f.dispatchMouseUp(platform::LeftButton, 0, 400, 40);
    EXPECT_EQ(narrow.value(), 5);
}

TEST_F(Controls, ComboBoxStartsWithNoChoiceAndPicksFromItsList) {
    TestForm& f = controlsForm();
    int clicks = 0;
    f.onBuild = [&](TestForm& t) {
        auto& combo = t.make<platform::ComboBox>("cmb");
        combo.Move(10, 10, 100, 20);
        for (const char* s : {"Normal", "Hardcore", "Wimp"}) combo.AddItem(s);
        combo.onClick = [&] { ++clicks; };
    };
    f.show();
    auto& combo = static_cast<platform::ComboBox&>(harness::Harness::control("controls", "cmb"));
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
    f.dispatchMouseDown(platform::LeftButton, 0, 50, 15);  // drop the list
    f.dispatchMouseUp(platform::LeftButton, 0, 50, 15);
    EXPECT_TRUE(combo.dropped());
    f.dispatchMouseDown(platform::LeftButton, 0, 50, 75);  // the third row
    f.dispatchMouseUp(platform::LeftButton, 0, 50, 75);
    EXPECT_EQ(combo.text(), "Wimp");
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(combo.setListIndex(3), platform::Error);
}

TEST_F(Controls, CheckBoxClickTogglesAndProgressBarStaysInRange) {
    TestForm& f = controlsForm();
    f.onBuild = [](TestForm& t) {
        t.make<platform::CheckBox>("chk").Move(0, 0, 100, 20);
        auto& bar = t.make<platform::ProgressBar>("speed");
        bar.Max = 10;
    };
    f.show();
    auto& chk = static_cast<platform::CheckBox&>(harness::Harness::control("controls", "chk"));
    int clicks = 0;
    chk.onClick = [&] { ++clicks; };
    h.clickNow(chk);
    EXPECT_EQ(chk.value(), 1);
    chk.setValue(0);
    EXPECT_EQ(clicks, 2);
    chk.Enabled = false;  // a disabled or hidden control takes no click, as with the mouse
    h.clickNow(chk);
    chk.Enabled = true;
    chk.Visible = false;
    h.clickNow(chk);
    EXPECT_EQ(chk.value(), 0);
    EXPECT_EQ(clicks, 2);
    auto& bar = static_cast<platform::ProgressBar&>(harness::Harness::control("controls", "speed"));
    bar.setValue(11);
    EXPECT_EQ(bar.value(), 10);
    bar.setValue(-1);
    EXPECT_EQ(bar.value(), 0);
}

}  // namespace

namespace {

TEST_F(Controls, PictureBoxInPixelsTakesTheMouseInPixelsOnATwipsForm) {
    static platformtest::TestForm f("twips");
    struct Seen {
        int button;
        double x, y;
    };
    std::vector<Seen> pixels, twips;
    f.onBuild = [&](platformtest::TestForm& t) {
        t.scale = 15;
        t.Width = 3000;
        t.Height = 1500;
        auto& box = t.make<platform::PictureBox>("pix");
        box.Move(300, 150, 1500, 1200);  // 20, 10 px; 100 x 80 px
        box.onMouseDown = [&](int b, int, double x, double y) { pixels.push_back({b, x, y}); };
        box.onMouseMove = [&](int b, int, double x, double y) { pixels.push_back({b, x, y}); };
        auto& plain = t.make<platform::PictureBox>("twp");
        plain.pixelScale = false;
        plain.Move(1800, 150, 900, 900);
        plain.onMouseDown = [&](int b, int, double x, double y) { twips.push_back({b, x, y}); };
    };
    f.show();
    auto& box = harness::Harness::control("twips", "pix");
    h.mouseDownNow(box, platform::RightButton, 36, 35);
    h.mouseUpNow(box, platform::RightButton, 36, 35);
    // A drag keeps the box captured beyond its left edge: negative pixels.
    h.dragNow(box, {{5, 5}, {-3, 79}});
    h.mouseDownNow(harness::Harness::control("twips", "twp"), platform::LeftButton, 2, 3);
    ASSERT_EQ(pixels.size(), 3u);
    EXPECT_EQ(pixels[0].button, platform::RightButton);
    EXPECT_DOUBLE_EQ(pixels[0].x, 36);
    EXPECT_DOUBLE_EQ(pixels[0].y, 35);
    EXPECT_DOUBLE_EQ(pixels[1].x, 5);
    EXPECT_EQ(pixels[2].button, platform::LeftButton);
    EXPECT_DOUBLE_EQ(pixels[2].x, -3);
    EXPECT_DOUBLE_EQ(pixels[2].y, 79);
    ASSERT_EQ(twips.size(), 1u);
    EXPECT_DOUBLE_EQ(twips[0].x, 30);  // a box in form units keeps them
    EXPECT_DOUBLE_EQ(twips[0].y, 45);
}

}  // namespace
