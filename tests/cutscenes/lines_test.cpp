// Every line written fits its label with the real font, in plain text.
#include <cctype>
#include <map>

#include "cutscene_fixture.h"
#include "platform/font.h"

namespace cutscenes::test {
namespace {

// The widest name a hero can have.
const std::string kLongestName(10, 'W');

std::vector<std::string> writtenLines() {
    std::vector<std::string> lines;
    auto collect = [&](std::span<const Operation> ops) {
        for (const Operation& o : ops)
            if (o.op == Op::setLine && !o.text.empty())
                lines.push_back(std::string(o.text) +
                                (o.namesHero ? kLongestName + std::string(o.afterName) : ""));
    };
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group()) {
            collect(scene.setUp);
            for (const SceneStep& step : scene.steps) collect(step.operations());
        }
    return lines;
}

bool plain(const std::string& s) {
    for (char c : s)
        if (c < ' ' || c > '~') return false;
    return true;
}

TEST(CutsceneLines, EveryLineFitsTwoRowsOfTheDialogueLabel) {
    const platform::Font font{.name = "Arial", .size = 15.75, .bold = true};
    constexpr int kWidth = 9975 / 15, kHeight = 855 / 15;
    const auto lines = writtenLines();
    ASSERT_GE(lines.size(), 67u + 21u);  // the opening's lines and the opening line of each scene
    for (const std::string& line : lines) {
        const auto rows = platform::wrapText(font, line, kWidth);
        EXPECT_LE(rows.size(), 2u) << line;
        EXPECT_LE(int(rows.size()) * platform::lineHeight(font), kHeight) << line;
        EXPECT_TRUE(plain(line)) << line;
    }
}

// Letters and digits only, in lower case: lines that differ only in
// punctuation or case count as the same.
std::string wording(const std::string& line) {
    std::string w;
    for (char c : line)
        if (std::isalnum(static_cast<unsigned char>(c)))
            w += char(std::tolower(static_cast<unsigned char>(c)));
    return w;
}

TEST(CutsceneLines, NoTwoLinesAreAlikeExceptTheSilentBeats) {
    std::map<std::string, std::string> seen;
    for (const std::string& line : writtenLines()) {
        const std::string w = wording(line);
        if (w.empty()) continue;  // "..." and its kin
        auto [it, fresh] = seen.emplace(w, line);
        EXPECT_TRUE(fresh) << line << "\n  repeats: " << it->second;
    }
}

TEST(CutsceneLines, EveryNarrationCaptionFitsOneRow) {
    const platform::Font font{.name = "Arial", .size = 18, .bold = true};
    constexpr int kWidth = 10935 / 15, kHeight = 480 / 15;
    for (std::string_view caption : kNarration) {
        const std::string text(caption);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(platform::wrapText(font, text, kWidth).size(), 1u) << text;
        EXPECT_LE(platform::lineHeight(font), kHeight);
        EXPECT_TRUE(plain(text)) << text;
    }
}

}  // namespace
}  // namespace cutscenes::test
