#include "platform/appfolder.h"
#include "platform/audio.h"
#include "platform/runtime.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace Subs {

void getAppPath() { Vars::appPath = platform::appFolder(); }

void playSound(const char* file) {
    if (Vars::soundOn == 0) return;
    getAppPath();
    Vars::appPath += file;
    platform::Runtime::get().audio().playEffect(Vars::appPath);
}

void playSnd0() { playSound("sound/snd0.snd"); }
void playSnd2() { playSound("sound/snd2.snd"); }
void playSnd4() { playSound("sound/snd4.snd"); }
void playSnd5() { playSound("sound/snd5.snd"); }
void playSnd6() { playSound("sound/snd6.snd"); }
void playSnd10() { playSound("sound/snd10.snd"); }
void playSnd11() { playSound("sound/snd11.snd"); }
void playSnd12() { playSound("sound/snd12.snd"); }
void playSnd13() { playSound("sound/snd13.snd"); }
void playSnd14() { playSound("sound/snd14.snd"); }
void playSnd16() { playSound("sound/snd16.snd"); }
void playSnd17() { playSound("sound/snd17.snd"); }
// With sound off these draw nothing either.
void playSnd1or21() {
    if (Vars::soundOn != 0) playSound(randomInt(1, 2) == 1 ? "sound/snd1.snd" : "sound/snd21.snd");
}
void playSnd19or22() {
    if (Vars::soundOn != 0) playSound(randomInt(1, 2) == 1 ? "sound/snd19.snd" : "sound/snd22.snd");
}

}  // namespace Subs
