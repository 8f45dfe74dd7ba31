#pragma once
// The map screen's own sound effects.

namespace world {

constexpr const char* kFootstepSound = "sound/snd3.snd";
constexpr const char* kChestSound = "sound/snd7.snd";

}  // namespace world
