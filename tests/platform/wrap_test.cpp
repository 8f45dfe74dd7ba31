// Word wrap of words wider than their box, and the cap on the lines made.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/utf8.h"

namespace {

const platform::Font kFont{.name = "Arial", .size = 10, .bold = true};
constexpr int kWidth = 300;

std::string repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

TEST(Wrap, AWordWiderThanTheBoxIsBrokenIntoFullLinesBetweenLetters) {
    for (const std::string& word : {repeat("x", 3000), repeat("\xC3\x85sa", 1000), repeat("Zo\xC3\xAB", 1000)}) {
        const std::vector<std::string> lines = platform::wrapText(kFont, word, kWidth);
        std::string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            joined += line;
            EXPECT_TRUE(platform::utf8::valid(line)) << "a letter was split at line " << i;
            EXPECT_LE(platform::textWidth(kFont, line), kWidth) << line;
            if (i + 1 < lines.size()) {
                // The next line's first letter would not have fitted.
                std::size_t next = 0;
                platform::utf8::next(lines[i + 1], next);
                EXPECT_GT(platform::textWidth(kFont, line + lines[i + 1].substr(0, next)), kWidth) << line;
            }
        }
        EXPECT_EQ(joined, word);
        EXPECT_GT(lines.size(), 10u);
    }
}

TEST(Wrap, NoMoreLinesThanAskedFor) {
    EXPECT_EQ(platform::wrapText(kFont, repeat("x", 1 << 20), kWidth, 3).size(), 3u);
    EXPECT_EQ(platform::wrapText(kFont, "one\ntwo\nthree", kWidth, 2), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(platform::wrapText(kFont, "a b c d", 1, 2), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
