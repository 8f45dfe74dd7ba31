// The editor screens with the generated pictures, saved for review under the
// build folder: every text must read on the menu background.
#include "editors/frmstory.h"
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

}  // namespace
