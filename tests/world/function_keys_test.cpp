#include <gtest/gtest.h>

#include "map_fixture.h"
#include "platform/keys.h"
#include "shell/savefile.h"
#include "shell/vars.h"

namespace worldtest {
namespace {

namespace vk = platform::vk;

using FunctionKeys = MapScreenTest;

TEST_F(FunctionKeys, OpenTheSaveScreenToSaveOrLoadAndTheOptions) {
    savefile::createSlotNamesIfMissing();
    std::vector<std::string> shown;
    int saveModeShown = 1;
    for (const char* form : {"frmGame", "frmOptions"})
        h.onShow(form, [&](platform::Form& f) {
            shown.push_back(f.name());
            saveModeShown = Vars::saveMode;
            f.unload();
        });
    struct Case {
        int key;
        const char* form;
        int saveMode;
    };
    for (Case c : {Case{vk::F5, "frmGame", -1}, Case{vk::F7, "frmGame", 0}, Case{vk::F8, "frmOptions", 1}}) {
        SCOPED_TRACE(c.key);
        shown.clear();
        Vars::saveMode = 1;
        open();
        map().lblPot[0].Visible = false;
        press(c.key);
        EXPECT_EQ(shown, std::vector<std::string>{c.form});
        EXPECT_EQ(saveModeShown, c.saveMode);
        EXPECT_TRUE(statusShown());  // drawn again on return
        map().unload();
    }
}

}  // namespace
}  // namespace worldtest
