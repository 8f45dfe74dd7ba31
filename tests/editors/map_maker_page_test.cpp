// The map maker's page: opening, painting, the column rule, the right-click
// modes, the labels and the chest statistics, and leaving.
#include "editors/frmmain_tables.h"
#include "map_maker_fixture.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/map_format.h"

namespace editortest {
namespace {

using platform::vbNo;
using platform::vbYes;
using Page = MapMakerTest;

TEST_F(Page, OpensOnTheFirstPageOfMapZeroWithMusicOffAndPutsTheGameBackOnQuitting) {
    Vars::musicOn = 1;
    Vars::musicTrack = 6;
    Subs::playMusic(6);
    h.audio.clear();
    Vars::curMap = 4;
    Vars::posX = 77;
    Vars::posY = 66;
    Vars::facing = 1;
    terrain(3, 4) = 55;  // the game's own map 0
    Vars::cell(7, 0, 0, 1) = 3;  // and map 1 beside it, which the counts leave alone
    Vars::cell(8, 0, 1, 1) = 3;
    terrain(0, 0) = 21;
    writeMap(0, 13, [](std::uint8_t* m) { m[world::sliceIndex(2, 1, 1)] = 5; });
    withMapMaker([&] {
        EXPECT_EQ(Vars::musicOn, 0);
        EXPECT_EQ(h.audio.music(), (std::vector<std::string>{"close"}));
        EXPECT_EQ(Vars::curMap, 0);
        EXPECT_EQ(axis(3), "Overworld 1");
        EXPECT_EQ(axis(1), "0/9  x  0/9");
        EXPECT_EQ(axis(2), "0/19 x  0/14");
        EXPECT_EQ(axis(0), "0/199  x  0/149");
        EXPECT_EQ(caption("Label3", 2), "Pick Tile");
        EXPECT_EQ(terrain(3, 4), 13);  // the file is in the buffer
        EXPECT_EQ(terrainPixel(3, 4), tileColour(13));
        EXPECT_TRUE(markerShown(2, 1));
        EXPECT_FALSE(markerShown(1, 2));
        EXPECT_EQ(axis(4), "Total:  1");
        EXPECT_EQ(axis(9), "Monster:  1");
        EXPECT_EQ(f().imgTile->pixel(10, 10), tileColour(0));  // the selected tile, 0
        // No keeps the map maker open.
        answersFirst({button(vbNo)});
        h.clickNow(harness::Harness::control("frmMain", "Command1", 0));
        EXPECT_TRUE(f().isLoaded());
        clickCell(0, 0);
        Vars::posX = 5;
    });
    EXPECT_FALSE(f().isLoaded());
    EXPECT_EQ(Vars::musicOn, 1);
    EXPECT_EQ(h.audio.music(), (std::vector<std::string>{"close", "open:music/6.mid", "play"}));
    EXPECT_EQ(terrain(3, 4), 55);  // the world, position and map as they were
    EXPECT_EQ(terrain(0, 0), 21);
    EXPECT_EQ(object(2, 1), 0);
    EXPECT_EQ(Vars::curMap, 4);
    EXPECT_EQ(Vars::posX, 77);
    EXPECT_EQ(Vars::posY, 66);
    EXPECT_EQ(Vars::facing, 1);
}

TEST_F(Page, TheCellUnderTheMouseChangesAt36PixelsAndTheLabelsFollow) {
    withMapMaker([&] {
        selectTile(7);
        struct Case {
            int px, py;
            int cellX, cellY;
        } cases[] = {{35, 35, 0, 0}, {36, 0, 1, 0}, {719, 539, 19, 14}, {72, 36, 2, 1}};
        for (const Case& c : cases) {
            h.mouseDownNow(page(), platform::LeftButton, c.px, c.py);
            h.mouseUpNow(page(), platform::LeftButton, c.px, c.py);
            EXPECT_EQ(terrain(c.cellX, c.cellY), 7) << c.px;
            EXPECT_EQ(terrainPixel(c.cellX, c.cellY), tileColour(7)) << c.px;
        }
        EXPECT_EQ(terrain(1, 1), 13);
        EXPECT_EQ(axis(2), "2/19 x  1/14");
        tool(editors::PageRightTool);
        tool(editors::PageDownTool);
        h.mouseMoveNow(page(), 0, 5 * 36, 3 * 36);
        EXPECT_EQ(axis(2), "5/19 x  3/14");
        EXPECT_EQ(axis(0), "25/199  x  18/149");
    });
}

TEST_F(Page, ADragPaintsEveryCellCrossedRedrawsChestsAndLeavesNothingOffThePage) {
    writeMap(0, 13, [](std::uint8_t* m) { m[world::sliceIndex(2, 0, 1)] = 3; });
    withMapMaker([&] {
        selectTile(38);  // a column part: no column rule while dragging
        h.mouseDownNow(page(), platform::LeftButton, 5, 5);
        EXPECT_EQ(terrain(0, 1), 40);  // the click itself applies it
        terrain(0, 1) = 13;
        for (int px : {40, 80, -10, 100}) h.mouseMoveNow(page(), platform::LeftButton, px, 5);
        h.mouseMoveNow(page(), platform::LeftButton, 5, 600);  // below the page
        h.mouseUpNow(page(), platform::LeftButton, 5, 600);
        EXPECT_EQ(terrain(1, 0), 38);
        EXPECT_EQ(terrain(2, 0), 38);
        EXPECT_TRUE(markerShown(2, 0));
        EXPECT_EQ(terrainPixel(2, 0), tileColour(38));  // the mask keeps the terrain round the chest
        EXPECT_EQ(object(2, 0), 3);
        EXPECT_EQ(terrain(0, 1), 13);
        EXPECT_EQ(terrain(1, 1), 13);
        EXPECT_EQ(terrain(0, 15), 13);  // the row below the page is not touched
        EXPECT_EQ(terrain(199, 0), 13);
        // A move with no button only follows the mouse.
        h.mouseMoveNow(page(), 0, 5 * 36, 5);
        EXPECT_EQ(terrain(5, 0), 13);
        EXPECT_EQ(axis(16), "NULL");
        h.mouseMoveNow(page(), 0, 2 * 36, 5);
        EXPECT_EQ(axis(16), "$15-25");
    });
}

TEST_F(Page, TheColumnRuleWritesThreePartsInsideTheMapOnly) {
    struct Case {
        int tile, pageY, cellY;
        int above, clicked, below;  // world rows
        bool aboveInside, belowInside;
    } cases[] = {
        {37, 0, 7, 6, 7, 8, true, true},
        {40, 1, 0, 14, 15, 16, true, true},    // above lands on the page above
        {38, 0, 14, 13, 14, 15, true, true},   // below lands on the page below
        {38, 0, 0, -1, 0, 1, false, true},     // world row 0: nothing above
        {37, 9, 14, 148, 149, 150, true, false},  // world row 149: nothing below
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicked);
        withMapMaker([&] {
            selectTile(c.tile);
            for (int i = 0; i < c.pageY; ++i) tool(editors::PageDownTool);
            clickCell(4, c.cellY);
            if (c.aboveInside) {
                EXPECT_EQ(terrain(4, c.above), 37);
            }
            EXPECT_EQ(terrain(4, c.clicked), 38);
            if (c.belowInside) {
                EXPECT_EQ(terrain(4, c.below), 40);
            }
            EXPECT_EQ(terrain(4, 149), c.clicked == 149 ? 38 : c.above == 148 ? 37 : 13);
            EXPECT_EQ(terrain(4, 0), c.clicked == 0 ? 38 : 13);
            EXPECT_EQ(terrainPixel(4, c.cellY), tileColour(38));
            EXPECT_EQ(f().cellY, c.cellY + 1);  // left on the cell below
        });
    }
}

TEST_F(Page, EachRightClickModeWritesItsObjectAndRedrawsTheStatistics) {
    const char* totals[] = {"$2-6:  ", "$5-12:  ", "$15-25:  ", "$25-50:  ", "Monster:  ",
                            "Herb:  ", "Berry:  ", "Potion:  ", "Fire Pot:  ", "Empty:  "};
    const char* modes[] = {"NULL", "$3-8", "$5-15", "$15-25", "$25-50", "Monster",
                           "Herb", "Berry", "Potion", "Fire Pot", "Empty"};
    withMapMaker([&] {
        for (int mode = 1; mode <= 11; ++mode) {
            tool(editors::RightClickTool);
            EXPECT_EQ(caption("Label3", 2), modes[mode - 1]);
            rightClickCell(mode, 2);
            EXPECT_EQ(object(mode, 2), mode - 1);
            EXPECT_EQ(markerShown(mode, 2), mode != 1) << mode;
            h.mouseMoveNow(page(), 0, mode * 36 + 5, 2 * 36 + 5);
            EXPECT_EQ(axis(16), modes[mode - 1]);
        }
        EXPECT_EQ(axis(4), "Total:  10");
        for (int code = 1; code <= 10; ++code) EXPECT_EQ(axis(4 + code), std::string(totals[code - 1]) + "1");
        // Mode NULL on a chest takes it away: the marker goes, the total drops.
        for (int i = 0; i < 2; ++i) tool(editors::RightClickTool);  // 11 wraps to 0, then 1
        EXPECT_EQ(caption("Label3", 2), "NULL");
        rightClickCell(6, 2);
        EXPECT_FALSE(markerShown(6, 2));
        EXPECT_EQ(axis(4), "Total:  9");
        EXPECT_EQ(axis(9), "Monster:  0");
        // Any of the four labels sets the mode back to picking.
        for (int label : {0, 1, 2, 3}) {
            tool(editors::RightClickTool);
            h.clickNow(harness::Harness::control("frmMain", "Label3", label));
            EXPECT_EQ(f().rightClickMode, 0);
            EXPECT_EQ(caption("Label3", 2), "Pick Tile");
        }
        tool(editors::RightClickTool);
    });
    // Opening again starts by picking tiles.
    withMapMaker([&] {
        rightClickCell(6, 2);
        EXPECT_EQ(object(6, 2), 0);
        EXPECT_EQ(Vars::editorTile, 13);
    });
}

TEST_F(Page, PickingATileSelectsItUnlessTheScrollBarCannotHoldIt) {
    writeMap(0, 13, [](std::uint8_t* m) {
        m[world::sliceIndex(1, 0, 0)] = 100;
        m[world::sliceIndex(2, 0, 0)] = 101;
        m[world::sliceIndex(3, 0, 0)] = 250;
    });
    withMapMaker([&] {
        EXPECT_EQ(terrainPixel(3, 0), tileColour(79));  // no picture: darkness
        rightClickCell(0, 0);
        EXPECT_EQ(Vars::editorTile, 13);
        EXPECT_EQ(f().scroll->value(), 13);
        rightClickCell(1, 0);
        EXPECT_EQ(Vars::editorTile, 100);
        EXPECT_EQ(f().scroll->value(), 100);
        for (int i : {2, 3}) {
            rightClickCell(i, 0);
            EXPECT_EQ(Vars::editorTile, 100);
            EXPECT_EQ(f().scroll->value(), 100);
        }
        EXPECT_EQ(terrain(3, 0), 250);  // kept in the map
        EXPECT_EQ(f().imgTile->pixel(27, 10), heroColour(3));  // picture 100 is the hero facing down
        clickCell(5, 5);  // a left click paints the selection
        EXPECT_EQ(terrain(5, 5), 100);
    });
}

TEST_F(Page, AFailingHandlerEndsWithAMessageAndTheEditorGoesOn) {
    writeMap(0, 13, [](std::uint8_t* m) { m[world::sliceIndex(24, 4, 1)] = 2; });
    std::string message;
    withMapMaker([&] {
        frmTileset::get().Tiles.erase(81);
        answersFirst({noteMessage(message)});
        tool(editors::PageRightTool);
        EXPECT_EQ(message, "The map maker could not finish that: Picture Tiles(81) doesn't exist");
        EXPECT_FALSE(platform::Runtime::get().busy());
        frmTileset::get().Tiles.put(81, platform::MakePicture(36, 36, kChestColour));
        EXPECT_EQ(axis(1), "1/9  x  0/9");
        clickCell(0, 0);
        EXPECT_EQ(terrain(20, 0), 0);
    });
}

}  // namespace
}  // namespace editortest
