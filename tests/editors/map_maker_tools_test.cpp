// The map maker's toolbar: loading and saving with their questions and
// failures, maps and pages at their ends, copy, paste, fill and the
// whole-map view.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "editors/frmmain_tables.h"
#include "map_maker_fixture.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "shell/vars.h"
#include "world/map_files.h"
#include "world/map_format.h"

namespace editortest {
namespace {

namespace fs = std::filesystem;
using platform::vbNo;
using platform::vbYes;
using Tools = MapMakerTest;

TEST_F(Tools, LoadAndSaveAskFirstAndRoundTripTheBuffer) {
    writeMap(3, 44, [](std::uint8_t* m) { m[world::sliceIndex(199, 149, 1)] = 9; });
    const std::string original = fileText("0.map");
    withMapMaker([&] {
        toolAnswering(editors::SaveTool, vbYes);  // right after opening: the file unchanged
        EXPECT_EQ(fileText("0.map"), original);
        for (int i = 0; i < 3; ++i) tool(editors::ChangeMapTool);
        toolAnswering(editors::LoadTool, vbNo);
        EXPECT_EQ(terrain(0, 0), 13);
        toolAnswering(editors::LoadTool, vbYes);
        EXPECT_EQ(terrain(0, 0), 44);
        EXPECT_EQ(object(199, 149), 9);
        EXPECT_EQ(axis(4), "Total:  1");  // drawn whole again
        clickCell(0, 0);
        toolAnswering(editors::SaveTool, vbNo);
        EXPECT_EQ(fileText("3.map").substr(0, 4), "44\r\n");
        toolAnswering(editors::SaveTool, vbYes);
        EXPECT_EQ(fileText("3.map").substr(0, 3), "0\r\n");
        EXPECT_FALSE(fs::exists(h.appDir + "3.map.tmp"));
        terrain(0, 0) = 99;
        toolAnswering(editors::LoadTool, vbYes);
        EXPECT_EQ(terrain(0, 0), 0);
        EXPECT_FALSE(platform::Runtime::get().busy());
    });
    EXPECT_EQ(fileText("0.map"), original);
}

TEST_F(Tools, AFailedLoadNamesTheFileAndLeavesTheBufferAsItWas) {
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* message;
    } cases[] = {
        {"missing", [] {}, "The map file '1.map' cannot be opened."},
        {"short",
         [this] { std::ofstream(h.appDir + "1.map") << "5\r\n6\r\n"; },
         "The map file '1.map' is damaged: line 3 is missing: the file is too short."},
        {"out of range",
         [this] { std::ofstream(h.appDir + "1.map") << "5\r\n256\r\n"; },
         "The map file '1.map' is damaged: line 2 holds a value above 255."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove(h.appDir + "1.map", ec);
        c.damage();
        std::string message;
        bool busyDuringMessage = true;
        withMapMaker([&] {
            clickCell(2, 2);
            tool(editors::ChangeMapTool);
            answersFirst({button(vbYes), [&] {
                              busyDuringMessage = platform::Runtime::get().busy();
                              noteMessage(message)();
                          }});
            tool(editors::LoadTool);
            EXPECT_EQ(message, c.message);
            EXPECT_FALSE(busyDuringMessage);
            EXPECT_FALSE(platform::Runtime::get().busy());
            EXPECT_EQ(terrain(2, 2), 0);  // the edit still in the buffer
            EXPECT_EQ(terrain(3, 3), 13);
        });
    }
}

TEST_F(Tools, ASaveOnAFullDiskSaysSoAndKeepsTheFile) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const std::string original = fileText("0.map");
    // The temporary file the save writes through lies on a full disk.
    fs::create_symlink("/dev/full", h.appDir + "0.map.tmp");
    std::string message;
    withMapMaker([&] {
        clickCell(1, 1);
        answersFirst({button(vbYes), noteMessage(message)});
        tool(editors::SaveTool);
        EXPECT_FALSE(platform::Runtime::get().busy());
    });
    EXPECT_EQ(message, "Cannot write the file '" + h.appDir + "0.map': No space left on device");
    EXPECT_EQ(fileText("0.map"), original);
}

TEST_F(Tools, MissingMapFileAtOpeningIsReportedAndTheEditorStillOpens) {
    fs::remove(h.appDir + "0.map");
    std::string message;
    answersFirst({noteMessage(message)});
    withMapMaker([&] { EXPECT_EQ(axis(3), "Overworld 1"); });
    EXPECT_EQ(message, "The map file '0.map' cannot be opened.");
}

TEST_F(Tools, ChangeMapCyclesTheSevenNamesWithoutLoading) {
    const char* names[] = {"Underworld Level 1", "Underworld Level 2", "Underworld Level 3", "Overworld 2",
                           "Underworld Level 4", "Underworld Level 5", "Overworld 1"};
    withMapMaker([&] {
        for (int i = 0; i < 7; ++i) {
            tool(editors::ChangeMapTool);
            EXPECT_EQ(axis(3), names[i]);
            EXPECT_EQ(Vars::curMap, (i + 1) % 7);
        }
        EXPECT_EQ(terrain(0, 0), 13);
    });
}

TEST_F(Tools, PagesWrapAtBothEndsAndTheArrowKeysTurnThem) {
    withMapMaker([&] {
        struct Step {
            int tool;
            const char* label;
        } steps[] = {{editors::PageLeftTool, "9/9  x  0/9"}, {editors::PageRightTool, "0/9  x  0/9"},
                     {editors::PageUpTool, "0/9  x  9/9"},   {editors::PageDownTool, "0/9  x  0/9"},
                     {editors::PageDownTool, "0/9  x  1/9"}, {editors::PageRightTool, "1/9  x  1/9"}};
        for (const Step& s : steps) {
            tool(s.tool);
            EXPECT_EQ(axis(1), s.label);
        }
        struct Key {
            int vk;
            const char* label;
        } keys[] = {{37, "0/9  x  1/9"}, {37, "9/9  x  1/9"}, {38, "9/9  x  0/9"}, {39, "0/9  x  0/9"},
                    {40, "0/9  x  1/9"}};
        for (const Key& k : keys) {
            h.keyNow(k.vk);
            EXPECT_EQ(axis(1), k.label);
        }
        // The world label follows any key; the redraw left the cell past the page's end.
        h.keyNow('A');
        EXPECT_EQ(axis(0), "20/199  x  30/149");
    });
}

TEST_F(Tools, CopyAndPasteMoveTerrainOnlyAndFillUsesTheSelectedTile) {
    writeMap(0, 13, [](std::uint8_t* m) {
        m[world::sliceIndex(5, 5, 0)] = 61;
        m[world::sliceIndex(19, 0, 0)] = 62;
        m[world::sliceIndex(0, 29, 0)] = 63;
        m[world::sliceIndex(25, 6, 1)] = 4;
    });
    withMapMaker([&] {
        tool(editors::CopyTool);
        tool(editors::PageRightTool);
        EXPECT_TRUE(markerShown(5, 6));
        tool(editors::PasteTool);
        EXPECT_EQ(terrain(25, 5), 61);
        EXPECT_EQ(terrain(39, 0), 62);
        EXPECT_EQ(terrain(24, 5), 13);
        EXPECT_EQ(terrainPixel(5, 5), tileColour(61));
        EXPECT_EQ(object(25, 6), 4);  // the chest stays, its marker hidden
        EXPECT_FALSE(markerShown(5, 6));
        EXPECT_EQ(f().cellX, 19);
        EXPECT_EQ(f().cellY, 14);
        selectTile(22);
        tool(editors::FillTool);
        EXPECT_EQ(terrain(20, 0), 22);
        EXPECT_EQ(terrain(39, 14), 22);
        EXPECT_EQ(terrain(40, 0), 13);
        EXPECT_EQ(terrain(20, 15), 13);
        EXPECT_EQ(terrainPixel(19, 14), tileColour(22));
        EXPECT_EQ(object(25, 6), 4);
        EXPECT_FALSE(markerShown(5, 6));
        tool(editors::PageLeftTool);
        tool(editors::PageRightTool);
        EXPECT_TRUE(markerShown(5, 6));
    });
    // The copy outlives the map maker.
    withMapMaker([&] {
        tool(editors::PageDownTool);
        tool(editors::PasteTool);
        EXPECT_EQ(terrain(5, 20), 61);
    });
    withMapMaker([&] {
        tool(editors::PageDownTool);
        tool(editors::CopyTool);  // page (0, 1) holds 63 in its last row
        tool(editors::PageUpTool);
        tool(editors::PasteTool);
        EXPECT_EQ(terrain(0, 14), 63);
        EXPECT_EQ(terrain(5, 5), 13);
    });
}

TEST_F(Tools, TheWholeMapFillsThePageCellByCell) {
    writeMap(0, 13, [](std::uint8_t* m) {
        m[world::sliceIndex(0, 0, 0)] = 1;
        m[world::sliceIndex(1, 0, 0)] = 2;
        m[world::sliceIndex(199, 149, 0)] = 3;
        m[world::sliceIndex(100, 75, 0)] = 4;
        m[world::sliceIndex(100, 75, 1)] = 5;
    });
    withMapMaker([&] {
        tool(editors::PageRightTool);  // the page shown first holds none of them
        tool(editors::WholeMapTool);
        EXPECT_FALSE(platform::Runtime::get().busy());
        // Cell x covers pixels round(3.6 x) .. round(3.6 (x + 1)) - 1; y by 3.6 too.
        struct Px {
            int x, y, code;
        } pixels[] = {{0, 0, 1},     {3, 3, 1},     {4, 0, 2},     {6, 3, 2},    {7, 0, 13},
                      {360, 270, 4}, {363, 273, 4}, {364, 270, 13}, {716, 536, 3}, {719, 539, 3},
                      {715, 535, 13}};
        for (const Px& p : pixels) EXPECT_EQ(page().pixel(p.x, p.y), tileColour(p.code)) << p.x << "," << p.y;
        // A fill paints the page's cells over it.
        tool(editors::FillTool);
        EXPECT_EQ(page().pixel(5, 5), tileColour(0));
        EXPECT_EQ(page().pixel(719, 539), tileColour(0));
    });
}

// Over the whole map the mouse would land on a cell of the page hidden
// beneath: a click or a drag leaves the map and the selected tile alone, and
// a right click in any mode only brings the page back, as a tool does.
TEST_F(Tools, TheWholeMapTakesNoPaintingUntilAPageShowsAgain) {
    writeMap(0, 13, [](std::uint8_t* m) { m[world::sliceIndex(11, 6, 0)] = 24; });
    const auto clickPaints = [this] {
        selectTile(6);
        clickCell(11, 6);
        return terrain(f().pageX * 20 + 11, f().pageY * 15 + 6) == 6;
    };
    struct WayBack {
        int tool;             // -1: a right click
        std::uint8_t mode;    // the right-click mode then
    };
    withMapMaker([&] {
        for (WayBack back : {WayBack{editors::PageRightTool, 0}, WayBack{editors::FillTool, 0},
                             WayBack{editors::PasteTool, 0}, WayBack{-1, 0}, WayBack{-1, 4}}) {
            SCOPED_TRACE(back.tool * 10 + back.mode);
            selectTile(5);
            tool(editors::WholeMapTool);
            const std::vector<std::uint8_t> map(world::mapSlice(0).begin(), world::mapSlice(0).end());
            const std::uint32_t shown = terrainPixel(11, 6);
            clickCell(11, 6);
            h.mouseDownNow(page(), platform::LeftButton, 12 * 36, 5);
            h.mouseMoveNow(page(), platform::LeftButton, 14 * 36, 5);
            h.mouseUpNow(page(), platform::LeftButton, 14 * 36, 5);
            EXPECT_EQ(terrainPixel(11, 6), shown);
            if (back.tool < 0) {
                f().rightClickMode = back.mode;
                rightClickCell(11, 6);
                f().rightClickMode = 0;
                EXPECT_EQ(terrainPixel(11, 6), tileColour(terrain(f().pageX * 20 + 11, f().pageY * 15 + 6)));
            }
            EXPECT_TRUE(std::equal(map.begin(), map.end(), world::mapSlice(0).begin()));
            EXPECT_EQ(Vars::editorTile, 5);
            if (back.tool >= 0) tool(back.tool);
            EXPECT_TRUE(clickPaints());
        }
        tool(editors::WholeMapTool);
    });
    fs::remove(h.appDir + "0.map");
    answersFirst({button(platform::vbOK)});
    withMapMaker([&] { EXPECT_TRUE(clickPaints()); });
}

}  // namespace
}  // namespace editortest
