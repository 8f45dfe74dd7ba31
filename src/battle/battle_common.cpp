#include "battle/battle_common.h"

#include <algorithm>

#include "platform/audio.h"
#include "platform/runtime.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace battle {

platform::PicturePtr storePicture(const PictureArray& array, int index) {
    return array.exists(index) ? array[index] : nullptr;
}

namespace {

bool anyMonsterAlive() {
    return std::any_of(Vars::monsterHP.begin(), Vars::monsterHP.end(),
                       [](std::int16_t hp) { return hp >= 1; });
}

}  // namespace

int drawLivingSlot() {
    if (!anyMonsterAlive()) return -1;
    int s;
    do s = Subs::randomInt(1, 3) - 1;
    while (Vars::monsterHP[s] < 1);
    return s;
}

void playBattleSound(const std::string& file) {
    Subs::getAppPath();
    Vars::appPath += "sound/" + file;
    if (Vars::soundOn == 1) platform::Runtime::get().audio().playEffect(Vars::appPath);
}

std::int16_t toI16(int value) { return std::int16_t(std::clamp(value, -32768, 32767)); }

std::uint8_t toU8(int value) { return std::uint8_t(std::clamp(value, 0, 255)); }

}  // namespace battle
