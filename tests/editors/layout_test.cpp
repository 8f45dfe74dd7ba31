// Where the editors' controls stand: the menu as designed, and nothing of the
// save editor outside its window or on top of another control.
#include <set>

#include "editors/frmsave.h"
#include "editors/frmstory.h"
#include "platform/keys.h"
#include "shell/savefile.h"
#include "support/game_test.h"

namespace {

struct Box {
    std::string name;
    double left, top, width, height;
};

Box boxOf(const platform::Control& c) {
    return {c.name() + "(" + std::to_string(c.index()) + ")", c.Left, c.Top, c.Width, c.Height};
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

using EditorLayout = harness::GameTest;

TEST_F(EditorLayout, TheMenuStandsAsDesigned) {
    std::vector<Box> boxes;
    double width = 0, height = 0;
    h.then([&] {
        const platform::Form& f = h.form("frmStory");
        width = f.Width;
        height = f.Height;
        boxes.push_back(boxOf(h.control("frmStory", "picture1")));
        for (int i = 0; i < 3; ++i) boxes.push_back(boxOf(h.control("frmStory", "lbl3", i)));
    });
    h.key(platform::vk::Escape);
    frmStory::get().showModal();
    EXPECT_EQ(width, 3150);
    EXPECT_EQ(height, 2670);
    const double expected[][4] = {
        {120, 120, 2895, 2415}, {900, 960, 1335, 285}, {960, 1440, 1230, 285}, {1065, 2040, 1050, 285}};
    ASSERT_EQ(boxes.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(boxes[i].name);
        EXPECT_EQ(boxes[i].left, expected[i][0]);
        EXPECT_EQ(boxes[i].top, expected[i][1]);
        EXPECT_EQ(boxes[i].width, expected[i][2]);
        EXPECT_EQ(boxes[i].height, expected[i][3]);
    }
}

TEST_F(EditorLayout, TheSaveEditorKeepsEveryControlInsideAndApart) {
    savefile::createSlotNamesIfMissing();
    std::vector<Box> apart, inside;
    double width = 0, height = 0;
    h.then([&] {
        const platform::Form& f = h.form("frmSave");
        width = f.Width;
        height = f.Height;
        for (const auto& c : f.controls()) {
            const std::string& n = c->name();
            if (n == "Image1") continue;
            inside.push_back(boxOf(*c));
            // The value labels share their caption's line, right-aligned.
            const std::set<int> values = {0, 3, 6, 8, 10, 12, 14, 16, 18, 20};
            const bool valueLabel = n == "lbl8" && values.count(c->index());
            if (n != "Line1" && !valueLabel) apart.push_back(boxOf(*c));
        }
    });
    h.click("frmSave", "lbl3", 8);
    frmSave::get().showModal();
    EXPECT_EQ(width, 6285);
    EXPECT_EQ(height, 7620);
    EXPECT_EQ(apart.size(), 1u + 1 + 1 + 1 + 10 + 10 + 3);  // titles, combo and its label, rows, actions
    for (const Box& b : inside) {
        EXPECT_GE(b.left, 0) << b.name;
        EXPECT_GE(b.top, 0) << b.name;
        EXPECT_LE(b.left + b.width, width) << b.name;
        EXPECT_LE(b.top + b.height, height) << b.name;
    }
    for (std::size_t i = 0; i < apart.size(); ++i)
        for (std::size_t j = i + 1; j < apart.size(); ++j)
            EXPECT_FALSE(overlap(apart[i], apart[j])) << apart[i].name << " and " << apart[j].name;
}

}  // namespace
