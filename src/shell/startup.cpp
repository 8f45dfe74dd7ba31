#include "shell/startup.h"

#include <chrono>

#include "platform/appfolder.h"
#include "platform/dialogs.h"
#include "platform/runtime.h"
#include "platform/seqfile.h"
#include "platform/single_instance.h"
#include "shell/config.h"
#include "shell/frmsplash.h"
#include "shell/frmtitle.h"
#include "shell/savefile.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/map_files.h"

namespace shell {
namespace {

// A save killed midway leaves its temporary file behind. Only the instance
// holding the folder clears them, and only those of the files the game writes.
void removeLeftoverTempFiles() {
    platform::removeLeftoverTemp(config::path());
    platform::removeLeftoverTemp(savefile::saveIniPath());
    for (int slot = 0; slot < savefile::kSlots; ++slot) platform::removeLeftoverTemp(savefile::slotPath(slot));
    for (int map = 0; map < world::kMapCount; ++map) platform::removeLeftoverTemp(world::mapFilePath(map));
}

}  // namespace

bool Main() {
    Subs::seedRandom(std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));
    if (!platform::acquireSingleInstance(platform::appFolder())) {
        platform::MsgBox("Thorncall II is already running!  Terminating. . .", platform::vbOKOnly,
                         "Thorncall II is already loaded.");
        return false;
    }
    removeLeftoverTempFiles();
    frmSplash& splash = frmSplash::get();
    splash.showModal();
    if (splash.failed) return false;
    Vars::musicTrack = 2;
    Subs::playMusic(Vars::musicTrack);
    frmTitle::get().show();
    return true;
}

int runProgram() {
    platform::Runtime& runtime = platform::Runtime::get();
    platform::Runtime::installQuitSignals();
    try {
        if (!Main()) return 1;
        runtime.run();
    } catch (const platform::QuitRequested&) {
        // A quit, not a failure.
    }
    return 0;
}

}  // namespace shell
