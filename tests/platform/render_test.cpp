#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness.h"
#include "platform/draw.h"
#include "test_forms.h"

using namespace platformtest;

namespace {

using Render = harness::HarnessTest;

TestForm& canvasForm() {
    static TestForm f("canvas");
    return f;
}

std::uint32_t at(const platform::Picture& p, const platform::Form& f, int x, int y) {
    int ox, oy;
    platform::Runtime::get().clientOrigin(f, ox, oy);
    return p.pixel(ox + x, oy + y) & 0xFFFFFF;
}

TEST_F(Render, LabelStretchedImageAndMaskedSprite) {
    // A 2x2 picture: red, green / blue, white.
    auto src = platform::MakePicture(2, 2, 0xFFFF0000);
    auto* px = static_cast<std::uint32_t*>(src->surface()->pixels);
    int pitch = src->surface()->pitch / 4;
    px[1] = 0xFF00FF00;
    px[pitch] = 0xFF0000FF;
    px[pitch + 1] = 0xFFFFFFFF;
    // Mask: white where transparent, black where the sprite is.
    auto mask = platform::MakePicture(2, 1, 0xFFFFFFFF);
    static_cast<std::uint32_t*>(mask->surface()->pixels)[1] = 0xFF000000;
    auto sprite = platform::MakePicture(2, 1, 0xFF000000);
    static_cast<std::uint32_t*>(sprite->surface()->pixels)[1] = 0xFF00FF00;

    TestForm& f = canvasForm();
    f.onBuild = [&](TestForm& t) {
        t.BackColor = 0x000000;
        auto& label = t.make<platform::Label>("lbl");
        label.Move(0, 0, 60, 20);
        label.BackColor = 0x0000FF;  // red back
        label.ForeColor = 0xFFFFFF;
        label.Caption = "Hi";
        auto& image = t.make<platform::Image>("img");
        image.Stretch = true;
        image.Move(100, 0, 20, 20);
        image.setPicture(src);
        auto& box = t.make<platform::PictureBox>("pic");
        box.BorderStyle = 0;
        box.BackColor = 0xFF0000;  // blue
        box.Move(100, 50, 4, 1);
        box.Cls();
        box.BitBlt(0, 0, 2, 1, *mask, 0, 0, platform::Rop::SrcAnd);
        box.BitBlt(0, 0, 2, 1, *sprite, 0, 0, platform::Rop::SrcPaint);
    };
    f.show();
    auto shot = h.snapshot("render_basics");
    EXPECT_EQ(at(*shot, f, 58, 2), 0xFF0000u) << "label back colour (&H0000FF is red)";
    bool white = false;
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 20; ++y) white |= at(*shot, f, x, y) == 0xFFFFFFu;
    EXPECT_TRUE(white) << "caption drawn in the fore colour";
    EXPECT_EQ(at(*shot, f, 105, 5), 0xFF0000u);
    EXPECT_EQ(at(*shot, f, 115, 5), 0x00FF00u);
    EXPECT_EQ(at(*shot, f, 105, 15), 0x0000FFu);
    EXPECT_EQ(at(*shot, f, 115, 15), 0xFFFFFFu);
    EXPECT_EQ(at(*shot, f, 100, 50), 0x0000FFu) << "mask white keeps the background";
    EXPECT_EQ(at(*shot, f, 101, 50), 0x00FF00u) << "sprite where the mask is black";
    EXPECT_EQ(at(*shot, f, 102, 50), 0x0000FFu);
}

TEST_F(Render, NonStretchedImageTakesItsPictureSize) {
    TestForm& f = canvasForm();
    f.onBuild = [](TestForm& t) {
        t.scale = 15;
        auto& image = t.make<platform::Image>("img");
        image.Move(0, 0, 15, 15);
        image.setPicture(platform::MakePicture(54, 32, 0xFF808080));
    };
    f.show();
    auto& image = static_cast<platform::Image&>(harness::Harness::control("canvas", "img"));
    EXPECT_EQ(image.Width, 54 * 15);
    EXPECT_EQ(image.Height, 32 * 15);
}

// The black pixels of a box of the window, relative to its left and top,
// leaving out the box's bevel: any column or row that is black over more
// than half the box.
std::vector<std::pair<int, int>> blackIn(const platform::Picture& shot, int x0, int y0, int w, int h) {
    auto black = [&](int x, int y) { return (shot.pixel(x0 + x, y0 + y) & 0xFFFFFF) == 0; };
    std::vector<int> inColumn(w), inRow(h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (black(x, y)) ++inColumn[x], ++inRow[y];
    std::vector<std::pair<int, int>> mark;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (black(x, y) && inColumn[x] * 2 <= h && inRow[y] * 2 <= w) mark.push_back({x, y});
    return mark;
}

// b mirrored left to right about the line x = axis / 2 is the set a.
bool mirrored(std::vector<std::pair<int, int>> a, std::vector<std::pair<int, int>> b, int axis) {
    for (auto& [x, y] : b) x = axis - x;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

TEST_F(Render, TheCloseBoxCrossAndTheScrollArrowsAreSymmetric) {
    TestForm& f = canvasForm();
    f.onBuild = [](TestForm& t) {
        t.BackColor = 0xFFFFFF;
        t.Caption = "Box";
        t.borderStyle = platform::BorderStyle::FixedDialog;
        t.ControlBox = true;
        t.make<platform::HScrollBar>("hsb").Move(10, 40, 120, 16);  // arrows 16 px wide
    };
    f.show();
    auto shot = h.snapshot("render_close_box");
    int ox = 0, oy = 0;
    platform::Runtime::get().clientOrigin(f, ox, oy);
    const int bar = f.titleBarHeight();
    ASSERT_GT(bar, 0);
    // The cross lies in the square at the right end of the title bar.
    const auto cross = blackIn(*shot, ox + f.pixelWidth() - bar, oy - bar, bar, bar);
    ASSERT_FALSE(cross.empty());
    const auto [lo, hi] = std::minmax_element(cross.begin(), cross.end());
    EXPECT_TRUE(mirrored(cross, cross, lo->first + hi->first));
    // The two arrows mirror each other, each in its own bevelled button.
    const auto left = blackIn(*shot, ox + 10, oy + 40, 16, 16);
    const auto right = blackIn(*shot, ox + 130 - 16, oy + 40, 16, 16);
    EXPECT_FALSE(left.empty());
    EXPECT_TRUE(mirrored(left, right, 15));
    EXPECT_EQ(at(*shot, f, 130 - 16, 40), at(*shot, f, 10, 40)) << "the right button's bevel";
}

}  // namespace
