#pragma once
// Small helpers the battle's files share.
#include <cstdint>
#include <string>

#include "platform/color.h"
#include "platform/picture.h"

class PictureArray;

namespace battle {

// Colours of the battle screen's texts.
constexpr platform::VbColor kWhite = 0xFFFFFF;
constexpr platform::VbColor kRed = 0x0000FF;
constexpr platform::VbColor kHighlight = 0x0000C0;  // the menu entry the keys point at

// The auto-attack line reads this while auto attack is on.
constexpr const char* kAutoAttackOn = "(Auto Attack Enabled)";

// A picture of the store, or none when the store lacks that index.
platform::PicturePtr storePicture(const PictureArray& array, int index);

// A random living slot: draws randomInt(1, 3) - 1 again until the slot lives.
// Draws nothing and returns -1 when no monster lives.
int drawLivingSlot();

// Plays sound/<file> itself, as the battle does, only when soundOn is 1;
// appPath receives the path either way.
void playBattleSound(const std::string& file);

// Stores an int sum into the game's narrow fields without wrapping.
std::int16_t toI16(int value);
std::uint8_t toU8(int value);

// A blow after a defence: never below 1.
inline int afterDefence(int damage, int defence) {
    int d = damage - defence;
    return d < 1 ? 1 : d;
}

}  // namespace battle
