#pragma once
// The battle backdrop behind a fight.

namespace battle {

constexpr int kNoBackdrop = -1;

// The backdrop number (graphics/<n>.bmp) for the terrain under the hero, the
// map, the encounter group and the picture of the middle monster; kNoBackdrop
// leaves the screen black.
int backdropUnder(int terrain, int curMap, int encounterGroup, int middlePicture);

}  // namespace battle
