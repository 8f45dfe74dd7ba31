// Run mode: the coordinate prompts, walking with wrap-around, the step lock,
// the two views; and the tile picker.
#include "editors/frmmain_tables.h"
#include "editors/frmtileset2.h"
#include "map_maker_fixture.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/vars.h"
#include "world/map_format.h"

namespace editortest {
namespace {

using platform::vk::Down;
using platform::vk::Left;
using platform::vk::Right;
using platform::vk::Up;
using RunMode = MapMakerTest;

TEST_F(RunMode, ThePromptsAskAgainUntilAWholeNumberInRange) {
    withMapMaker([&] {
        answersFirst({entry("250"), entry("abc"), entry(nullptr), entry(""), entry("-1"), entry("12"),
                      entry("150"), entry("nan"), entry("1e400"), entry(" 148.5 ")});
        tool(editors::RunTool);
        EXPECT_EQ(Vars::posX, 12);
        EXPECT_EQ(Vars::posY, 148);  // a half goes to the even neighbour
        EXPECT_TRUE(f().runMode);
        EXPECT_FALSE(f().scroll->Enabled);
        EXPECT_EQ(axis(0), "12/199  x  148/149");
        tool(editors::RunTool);
    });
}

TEST_F(RunMode, AClosingProgramEndsThePrompt) {
    int prompts = 0;
    h.onShow("InputBox", [&](platform::Form&) { ++prompts; });
    h.then([this] {
        answersFirst({[] { platform::Runtime::get().quit(); }});
        tool(editors::RunTool);
    });
    // The quit unwinds the map maker's loop as well.
    EXPECT_THROW(f().showModal(), platform::QuitRequested);
    EXPECT_EQ(prompts, 1);
    EXPECT_FALSE(f().isLoaded());
}

TEST_F(RunMode, WalkingWrapsAtTheEdgesIgnoresTerrainAndStepsAtMostEvery100Ms) {
    writeMap(0, 13, [](std::uint8_t* m) {
        m[world::sliceIndex(199, 0, 0)] = 0;  // blocks walking in the game
        m[world::sliceIndex(199, 149, 1)] = 6;
    });
    withMapMaker([&] {
        answersFirst({entry("0"), entry("0")});
        tool(editors::RunTool);
        EXPECT_EQ(page().pixel(10 * 36 + 27, 7 * 36 + 18), heroColour(3));
        EXPECT_EQ(f().imgTile->pixel(27, 18), heroColour(3));  // drawn through the scratch tile
        EXPECT_EQ(page().pixel(10 * 36 + 9, 7 * 36 + 18), tileColour(13));
        EXPECT_EQ(page().pixel(9 * 36 + 9, 6 * 36 + 18), tileColour(13));  // (199, 149) wraps in
        EXPECT_EQ(page().pixel(9 * 36 + 27, 6 * 36 + 18), kChestColour);
        h.keyNow(Left);
        EXPECT_EQ(Vars::posX, 199);
        EXPECT_EQ(Vars::facing, 0);
        EXPECT_EQ(axis(0), "199/199  x  0/149");
        EXPECT_EQ(page().pixel(10 * 36 + 9, 7 * 36 + 18), tileColour(0));  // on the wall
        h.keyNow(Up);  // locked
        EXPECT_EQ(Vars::posY, 0);
        h.advance(99);
        h.keyNow(Up);
        EXPECT_EQ(Vars::posY, 0);
        h.advance(1);
        h.keyNow(Up);
        EXPECT_EQ(Vars::posY, 149);
        EXPECT_EQ(Vars::facing, 1);
        EXPECT_EQ(page().pixel(10 * 36 + 27, 7 * 36 + 18), heroColour(1));
        EXPECT_EQ(f().imgTile->pixel(27, 18), heroColour(1));
        EXPECT_EQ(object(199, 149), 6);  // walking onto a chest leaves it
        struct Step {
            int key, x, y, facing;
        } steps[] = {{Right, 0, 149, 2}, {Down, 0, 0, 3}, {'A', 0, 0, 3}};
        for (const Step& s : steps) {
            h.advance(100);
            h.keyNow(s.key);
            EXPECT_EQ(Vars::posX, s.x);
            EXPECT_EQ(Vars::posY, s.y);
            EXPECT_EQ(Vars::facing, s.facing);
        }
        // The mouse does nothing on the page in run mode.
        clickCell(0, 0);
        EXPECT_EQ(terrain(0, 0), 13);
        // Leaving shows the page as before; the position stays.
        tool(editors::RunTool);
        EXPECT_FALSE(f().runMode);
        EXPECT_TRUE(f().scroll->Enabled);
        EXPECT_EQ(terrainPixel(10, 7), tileColour(13));
        EXPECT_EQ(Vars::posX, 0);
        h.advance(100);
        h.keyNow(Right);
        EXPECT_EQ(axis(1), "1/9  x  0/9");
    });
}

TEST_F(RunMode, UndergroundOnlyTheSevenBySevenCellsRoundTheHeroShow) {
    writeMap(2, 13);
    withMapMaker([&] {
        tool(editors::ChangeMapTool);
        tool(editors::ChangeMapTool);
        answersFirst({button(platform::vbYes)});
        tool(editors::LoadTool);
        answersFirst({entry("100"), entry("75")});
        tool(editors::RunTool);
        struct Cell {
            int i, j;
            bool lit;
        } cells[] = {{7, 4, true}, {13, 10, true}, {6, 7, false}, {14, 7, false}, {10, 3, false},
                     {10, 11, false}, {0, 0, false}};
        for (const Cell& c : cells)
            EXPECT_EQ(page().pixel(c.i * 36 + 9, c.j * 36 + 9), tileColour(c.lit ? 13 : 79)) << c.i << "," << c.j;
        tool(editors::RunTool);
    });
}

using Picker = MapMakerTest;

TEST_F(Picker, HoverHintsClickSelectsAndClosingKeepsTheTile) {
    withMapMaker([&] {
        selectTile(9);
        std::string hints[3];
        answersFirst({[&] {
                          auto hover = [&](int i) {
                              platform::Runtime::get().hover(harness::Harness::control("frmTileSet2", "Tiles", i));
                              return frmTileSet2::get().Label1->Caption;
                          };
                          hints[0] = hover(79);
                          hints[1] = hover(4);
                          hints[2] = hover(21);
                          // The ends of the hint's ranges.
                          const std::pair<int, bool> ends[] = {{0, true},   {3, true},   {13, false}, {14, true},
                                                               {22, false}, {36, true},  {46, false}, {76, false},
                                                               {77, true},  {66, true},  {67, false}};
                          for (auto [code, hinted] : ends)
                              EXPECT_EQ(hover(code), hinted ? "NOT WALKABLE" : "") << code;
                          frmTileSet2::get().requestClose();  // the close box
                      }});
        h.clickNow(*f().imgTile);
        EXPECT_EQ(hints[0], "NOT WALKABLE");
        EXPECT_EQ(hints[1], "");
        EXPECT_EQ(hints[2], "NOT WALKABLE");  // a look only: the game lets the hero walk there
        EXPECT_EQ(Vars::editorTile, 9);
        EXPECT_EQ(f().scroll->value(), 9);
        answersFirst({[] { platform::Runtime::get().click(harness::Harness::control("frmTileSet2", "Tiles", 0)); }});
        h.clickNow(*f().imgTile);
        EXPECT_EQ(Vars::editorTile, 0);
        EXPECT_EQ(f().scroll->value(), 0);
        answersFirst({[] { platform::Runtime::get().click(harness::Harness::control("frmTileSet2", "Tiles", 77)); }});
        h.clickNow(*f().imgTile);
        EXPECT_FALSE(frmTileSet2::get().isLoaded());
        EXPECT_EQ(f().scroll->value(), 77);
        EXPECT_EQ(f().imgTile->pixel(10, 10), tileColour(77));
        clickCell(3, 3);
        EXPECT_EQ(terrain(3, 3), 77);
    });
}

}  // namespace
}  // namespace editortest
