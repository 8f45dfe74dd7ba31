// Every line of the story fits its label with the real font, in plain text,
// and no line is said twice anywhere in it.
#include <cctype>
#include <map>

#include "cutscene_fixture.h"
#include "cutscenes/frmintro.h"
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
    std::vector<std::string> lines = writtenLines();
    lines.insert(lines.end(), kNarration.begin(), kNarration.end());
    lines.insert(lines.end(), kIntroLines.begin(), kIntroLines.end());
    std::map<std::string, std::string> seen;
    for (const std::string& line : lines) {
        const std::string w = wording(line);
        if (w.empty()) continue;  // "..." and its kin
        auto [it, fresh] = seen.emplace(w, line);
        EXPECT_TRUE(fresh) << line << "\n  repeats: " << it->second;
    }
    // The opening, reunion, ending and intro alone hold this many.
    EXPECT_GE(seen.size(), 67u + 63u + 129u + 30u);
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

TEST(CutsceneLines, TheIntroNarrationFitsTwoRowsOfItsOwnLabel) {
    harness::Harness h;
    frmTileset& s = frmTileset::get();
    s.imgEnemy.put(25, platform::MakePicture(4, 4, 0xFF000001));
    s.img.put(13, platform::MakePicture(2, 2, 0xFF000002));
    for (int b = 0; b < 3; ++b) s.battle.put(b, platform::MakePicture(2, 2, 0xFF000003));
    for (int i = 0; i < 4; ++i) s.intro.put(i, platform::MakePicture(2, 2, 0xFF000004));
    frmIntro& intro = frmIntro::get();
    intro.show();
    const platform::Label& label = *intro.Label2;
    const int width = int(label.Width / 15), height = int(label.Height / 15);
    intro.unload();
    for (std::string_view line : kIntroLines) {
        const std::string text(line);
        const auto rows = platform::wrapText(label.font, text, width);
        EXPECT_LE(rows.size(), 2u) << text;
        EXPECT_LE(int(rows.size()) * platform::lineHeight(label.font), height) << text;
        EXPECT_TRUE(plain(text)) << text;
        // The monk's voice: solemn, without contractions.
        EXPECT_EQ(text.find('\''), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace cutscenes::test
