// Letters of other scripts than Liberation Sans has are drawn by the
// fallback faces, not as boxes, measured as drawn, on one baseline with the
// rest of the line, and accents above capitals are not cut off.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/font.h"

namespace {

const platform::Font kFont{.name = "Arial", .size = 10, .bold = true};

// The first and last rows with ink in columns [x0, x1).
std::pair<int, int> inkRows(const platform::Picture& p, int x0, int x1) {
    int first = -1, last = -1;
    for (int y = 0; y < p.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (p.pixel(x, y) >> 24) {
                if (first < 0) first = y;
                last = y;
            }
    return {first, last};
}

bool samePixels(const platform::Picture& a, const platform::Picture& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST(Letters, EachScriptIsDrawnWholeOnTheLinesBaseline) {
    const auto alone = platform::renderText(kFont, "A", platform::vbWhite);
    const std::pair<int, int> a = inkRows(*alone, 0, alone->width());
    // U+10FFFD, which no face has: its box.
    const auto box = platform::renderText(kFont, "\xF4\x8F\xBF\xBD", platform::vbWhite);
    EXPECT_FALSE(platform::canDraw(0x10FFFD));
    struct Case {
        const char* letter;
        char32_t code;
        bool accentAbove;  // ink above the top of a capital A
    };
    const Case cases[] = {
        {"\xC3\x85", 0xC5, true},          // A with ring
        {"\xC3\x89", 0xC9, true},          // E with acute
        {"\xE1\xBA\xA4", 0x1EA4, true},    // A with circumflex and acute, stacked
        {"\xD0\x99", 0x419, true},         // Cyrillic short I
        {"\xE4\xB8\xAD", 0x4E2D, false},   // Chinese
        {"\xE3\x81\x82", 0x3042, false},   // Japanese
        {"\xED\x95\x9C", 0xD55C, false},   // Korean
        {"\xF0\x9F\x98\x80", 0x1F600, false},  // a smiling face
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_TRUE(platform::canDraw(c.code));
        const auto letter = platform::renderText(kFont, c.letter, platform::vbWhite);
        EXPECT_FALSE(samePixels(*letter, *box));
        const std::string line = std::string(c.letter) + "A";
        const auto drawn = platform::renderText(kFont, line, platform::vbWhite);
        EXPECT_EQ(drawn->width(), platform::textWidth(kFont, line));
        EXPECT_EQ(drawn->height(), platform::drawnLineHeight(kFont));
        const int width = platform::textWidth(kFont, c.letter);
        EXPECT_EQ(inkRows(*drawn, width, drawn->width()), a);
        const std::pair<int, int> ink = inkRows(*drawn, 0, width);
        EXPECT_GE(ink.first, 0);
        if (c.accentAbove) {
            EXPECT_LT(ink.first, a.first - 1);
        }
    }
}

}  // namespace
