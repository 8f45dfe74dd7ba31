#pragma once
// The lines the scenes write, and the check that lines fit their label: shared
// by the scene tests and the route's talk-box lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "cutscenes/scenes.h"
#include "platform/font.h"

namespace storylines {

// Every line a scene writes, with `heroName` where a line names the hero.
inline std::vector<std::string> sceneLines(const std::string& heroName) {
    std::vector<std::string> lines;
    auto collect = [&](std::span<const cutscenes::Operation> ops) {
        for (const cutscenes::Operation& o : ops)
            if (o.op == cutscenes::Op::setLine && !o.text.empty())
                lines.push_back(std::string(o.text) +
                                (o.namesHero ? heroName + std::string(o.afterName) : ""));
    };
    for (auto group : cutscenes::kSceneGroups)
        for (const cutscenes::SceneScript& scene : group()) {
            collect(scene.setUp);
            for (const cutscenes::SceneStep& step : scene.steps) collect(step.operations());
        }
    return lines;
}

// Each line wraps into at most `rows` rows that fit `height` pixels of a label
// `width` pixels wide, and is plain printable ASCII.
template <class Lines>
void expectFit(const Lines& lines, const platform::Font& font, int width, int height,
               std::size_t rows = std::numeric_limits<std::size_t>::max()) {
    for (std::string_view line : lines) {
        const std::string text(line);
        const auto wrapped = platform::wrapText(font, text, width);
        EXPECT_LE(wrapped.size(), rows) << text;
        EXPECT_LE(platform::textHeight(font, wrapped.size()), height) << text;
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            << text;
    }
}

}  // namespace storylines
