// The map maker and its picker with the generated pictures and default maps,
// saved for review.
#include "editors/frmmain.h"
#include "editors/frmmain_tables.h"
#include "platform/dialogs.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "support/game_test.h"

namespace {

using Snapshot = harness::GameTest;

TEST_F(Snapshot, TheFirstPageOfTheFirstContinentAndThePicker) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    frmMain& f = frmMain::get();
    f.runMode = false;
    h.then([&] {
        // The village in the north-east holds the start.
        for (int i = 0; i < 7; ++i) h.clickNow(harness::Harness::control("frmMain", "Image1", editors::PageRightTool));
        h.snapshot("map_maker_page");
        EXPECT_EQ(static_cast<platform::Label&>(harness::Harness::control("frmMain", "lblAxis", 3)).Caption,
                  "Overworld 1");
        h.clickNow(harness::Harness::control("frmMain", "Image1", editors::WholeMapTool));
        h.snapshot("map_maker_whole_map");
    });
    h.onShow("frmTileSet2", [&](platform::Form&) {
        h.source.actions.push_front([&] {
            platform::Runtime::get().hover(harness::Harness::control("frmTileSet2", "Tiles", 36));
            h.snapshot("map_maker_picker");
            platform::Runtime::get().click(harness::Harness::control("frmTileSet2", "Tiles", 5));
        });
    });
    h.then([&] { h.clickNow(*f.imgTile); });
    h.click("frmMain", "Command1", 0);
    h.answerMsgBox(platform::vbYes);
    f.showModal();
}

}  // namespace
