// F12: the developer's prompt. Typed words are compared exactly.
#include "platform/dialogs.h"
#include "platform/error.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "world/map_files.h"

namespace {

constexpr const char* kBattleWord = "letsfight";    // a battle with the zone's group
constexpr const char* kReloadWord = "reloadmaps";   // the seven map files read again

}  // namespace

void frmMap::cheatPrompt() {
    const std::string word = platform::InputBox("Enter a command:", "Thorncall II");
    if (word == kBattleWord) {
        Vars::questFlags[kCheatUsedFlag] = 1;
        if (Vars::encounterGroup != 0) startEncounter();
    } else if (word == kReloadWord) {
        Vars::questFlags[kCheatUsedFlag] = 1;
        try {
            world::loadAllMaps();
        } catch (const platform::Error& e) {
            platform::MsgBox(e.what(), platform::vbCritical, "Thorncall II");
        }
    } else {
        return;
    }
    // A lost battle has closed the screen.
    if (isLoaded() && Vars::heroHP >= 1 && Vars::allyHP >= 1) redraw();
}
