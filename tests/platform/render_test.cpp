#include <SDL.h>
#include <gtest/gtest.h>

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

}  // namespace
