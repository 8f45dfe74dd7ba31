#pragma once
// The one entry into a battle.

namespace Subs {

// Fights the formation of Vars::encounterGroup; returns when the battle
// screen has unloaded itself and the aftermath is done.
void startEncounter();

// Fills monster slot `slot` (0..2) from row `monsterId` of the monster table.
void setMonster(int monsterId, int slot);

}  // namespace Subs
