#pragma once
// The sound effects a scene can play, by number, with the procedure that plays each.
#include <array>

#include "shell/subs.h"

namespace cutscenes {

struct SoundEffect {
    int number;
    void (*play)();
};

constexpr std::array kSoundEffects{
    SoundEffect{0, Subs::playSnd0},   SoundEffect{2, Subs::playSnd2},
    SoundEffect{4, Subs::playSnd4},   SoundEffect{5, Subs::playSnd5},
    SoundEffect{6, Subs::playSnd6},   SoundEffect{10, Subs::playSnd10},
    SoundEffect{11, Subs::playSnd11}, SoundEffect{12, Subs::playSnd12},
    SoundEffect{13, Subs::playSnd13}, SoundEffect{14, Subs::playSnd14},
    SoundEffect{16, Subs::playSnd16}, SoundEffect{17, Subs::playSnd17},
};

constexpr bool hasSoundEffect(int number) {
    for (const SoundEffect& s : kSoundEffects)
        if (s.number == number) return true;
    return false;
}

}  // namespace cutscenes
