// The editor screens with the generated pictures, saved for review under the
// build folder: every text must read on the menu background.
#include "editors/frmsave.h"
#include "editors/frmstory.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/frmtitle.h"
#include "support/game_test.h"

namespace {

using EditorSnapshot = harness::GameTest;

TEST_F(EditorSnapshot, TheEditorMenu) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    frmTitle::get().show();
    h.key(platform::vk::Down);
    h.then([this] { h.snapshot("editor_menu"); });
    h.key(platform::vk::Escape);
    frmStory::get().showModal();
    EXPECT_FALSE(frmStory::get().isLoaded());
}

TEST_F(EditorSnapshot, TheSaveEditorAfterALoad) {
    h.linkAssets();
    frmTileset::get().loadPictures();
    savefile::createSlotNamesIfMissing();
    Vars::rubies = 9876.5;
    Vars::heroItems = {99, 98, 97, 96};
    Vars::heroMaxHP = 500;
    Vars::heroMaxMP = 255;
    Vars::heroStr = Vars::heroDex = Vars::heroWis = 100;
    h.scriptDraws({{5, 255, 60}, {2, 5, 4}});
    savefile::SlotNames names = savefile::readSlotNames();
    savefile::saveGame(0, names);
    h.then([] { static_cast<platform::ComboBox&>(harness::Harness::control("frmSave", "Combo1")).setListIndex(0); });
    h.click("frmSave", "lbl3", 0);
    h.answerMsgBox(platform::vbYes);
    h.then([this] { h.snapshot("save_editor"); });
    h.click("frmSave", "lbl3", 8);
    frmSave::get().showModal();
    EXPECT_EQ(Vars::rubies, 9876.5);
}

}  // namespace
