// The story's lines taken together: the intro's narration fits its own label,
// and no line is said twice anywhere in the story.
#include <map>

#include "cutscene_fixture.h"
#include "cutscenes/frmintro.h"
#include "platform/font.h"

namespace cutscenes::test {
namespace {

bool plain(std::string_view s) {
    for (char c : s)
        if (c < ' ' || c > '~') return false;
    return true;
}

TEST(StoryLines, TheIntroNarrationFitsTwoRowsOfItsOwnLabel) {
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

TEST(StoryLines, NoLineIsSaidTwice) {
    std::map<std::string, int> said;
    auto count = [&](std::string_view text) {
        // A silent beat may come back; words may not.
        if (!text.empty() && text.find_first_not_of(". ") != std::string_view::npos) ++said[std::string(text)];
    };
    for (auto group : kSceneGroups)
        for (const SceneScript& scene : group()) {
            for (const Operation& o : scene.setUp)
                if (o.op == Op::setLine) count(o.text);
            for (const SceneStep& step : scene.steps)
                for (const Operation& o : step.operations())
                    if (o.op == Op::setLine) count(std::string(o.text) + std::string(o.afterName));
        }
    for (std::string_view line : kNarration) count(line);
    for (std::string_view line : kIntroLines) count(line);
    ASSERT_GE(said.size(), 67u + 63u + 129u + 30u);
    for (const auto& [line, times] : said) EXPECT_EQ(times, 1) << line;
}

}  // namespace
}  // namespace cutscenes::test
