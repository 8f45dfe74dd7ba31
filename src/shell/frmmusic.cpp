#include "shell/frmmusic.h"

#include "platform/appfolder.h"
#include "shell/subs.h"
#include "shell/vars.h"

void frmmusic::build() {
    tmrLoop = &add<platform::Timer>("tmrLoop");
    tmrLoop->setInterval(500);
    tmrLoop->onTimer = [this] { tmrLoop_Timer(); };
    tmrLoop->setEnabled(true);
}

void frmmusic::tmrLoop_Timer() {
    if (!MMControl1.atEnd()) return;
    MMControl1.Close();
    MMControl1.Open();
    MMControl1.Play();
}

namespace Subs {

void playMusic(int n) {
    if (Vars::musicOn == 0) return;
    getAppPath();
    Vars::appPath += "music/" + std::to_string(n) + ".mid";
    frmmusic& music = frmmusic::get();
    music.load();
    platform::Sequencer& seq = music.MMControl1;
    // A stopped track counts as not open, so switching music back on restarts it.
    if (seq.isOpen() && seq.openFile() == Vars::appPath) return;
    seq.Close();
    seq.FileName = Vars::appPath;
    seq.Open();
    seq.Play();
}

void stopMusic() { frmmusic::get().MMControl1.Close(); }

}  // namespace Subs
