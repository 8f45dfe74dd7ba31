#pragma once
// Small pictures: the battle menu's icons, items, equipment and the map
// maker's toolbar. Drawn at 16 x 16 and shown doubled.
#include <vector>

#include "image.h"

namespace assetgen {

std::vector<Image> makeMenuIcons();     // icons 0..27
std::vector<Image> makeItemIcons();     // item 0..3: herb, berries, potion, fire potion
std::vector<Image> makeWeaponIcons();   // weapon 0..6
std::vector<Image> makeArmourIcons();   // armor 0..6
std::vector<Image> makeShieldIcons();   // shield 0..5
std::vector<Image> makeToolbarIcons();  // toolbar 0..12, then the close button

}  // namespace assetgen
