#pragma once
// The party's shared procedures: level-up, companions, item and healing effects.
#include <cstdint>

namespace Subs {

// Raises heroLevel by one, sets the next heroNextExp, raises the maxima and,
// when heroHP > 0, shows the level-up screens.
void levelUp();

// Makes companion `id` the ally; returns the new allyMaxHP.
int setAlly(std::uint8_t id);

void useBerry();
void useHerbHero();
void useHerbAlly();
void usePotionHero();
void usePotionAlly();
void castCureHero();
void castCureAlly();
void castHealParty();
// A rest: the hero's health and magic and the ally's health at their maxima.
void refillParty();

}  // namespace Subs
