// Every line of the story fits its label with the real font, in plain text,
// no line is said twice anywhere in it, and only a chapter's own cast speaks.
#include <cctype>
#include <map>
#include <set>

#include "cutscene_fixture.h"
#include "cutscenes/frmintro.h"
#include "story_lines.h"

namespace cutscenes::test {
namespace {

using storylines::expectFit;

// Every line a scene writes, with the widest name a hero can have.
std::vector<std::string> writtenLines() { return storylines::sceneLines(std::string(10, 'W')); }

// The dialogue line and the intro's line share a label of 9975 x 855 twips;
// the ending's narration labels are 10935 x 480.
TEST(CutsceneLines, EveryLineFitsItsLabel) {
    const auto lines = writtenLines();
    ASSERT_GE(lines.size(), 67u + 21u);  // the opening's lines and the opening line of each scene
    const platform::Font line{.name = "Arial", .size = 15.75, .bold = true};
    expectFit(lines, line, 9975 / 15, 855 / 15, 2);
    expectFit(kIntroLines, line, 9975 / 15, 855 / 15, 2);
    expectFit(kNarration, platform::Font{.name = "Arial", .size = 18, .bold = true}, 10935 / 15, 480 / 15, 1);
    // The monk's voice in the intro: solemn, without contractions.
    for (std::string_view text : kIntroLines) EXPECT_EQ(text.find('\''), std::string::npos) << text;
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

// The faces each chapter of the story shows, by its first and last stage.
TEST(CutsceneLines, OnlyTheChaptersOwnCastSpeaks) {
    using namespace face;
    struct Chapter {
        int firstStage, lastStage;
        std::set<int> faces;
    };
    const Chapter chapters[] = {
        {0, 0, {Ryu, Sonia, Tina, Father}},
        {68, 203, {Ryu, Monk, Sonia, Tina, Father, Hero}},
        {259, 373, {Ryu, Sonia, Tina, Maurice, Father, Jack, Hero, Darwin}},
        {417, 546, {Ryu, Sonia, Tina, Jack, Hero, Darwin}},
        {648, 800, {Ryu, Chi, Sonia, Maurice, Myst, Jack, Darwin}},
        {896, 896, {Ryu, Chi, Sonia, Bree, Myst, Jack, Hero, Darwin}},
        {1000, 1000, {Ryu, Monk, Chi, Sonia, Maurice, Bree, Myst, Jack, Hero, Darwin}},
    };
    int scenes = 0;
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group())
            for (const Chapter& c : chapters) {
                if (scene.stage < c.firstStage || scene.stage > c.lastStage) continue;
                ++scenes;
                auto check = [&](std::span<const Operation> ops) {
                    for (const Operation& o : ops) {
                        if (o.op != Op::setPortrait) continue;
                        EXPECT_TRUE(c.faces.contains(o.a)) << "stage " << scene.stage << ", face " << o.a;
                    }
                };
                check(scene.setUp);
                for (const SceneStep& step : scene.steps) check(step.operations());
            }
    EXPECT_EQ(scenes, 23);
}

}  // namespace
}  // namespace cutscenes::test
