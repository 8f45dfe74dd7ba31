// Stand-in for the battle's entry until it is on main: the map screen's
// tests put their own double into frmMap::startEncounter.
#include "battle/encounter.h"

namespace Subs {
void startEncounter() {}
void setMonster(int, int) {}
}  // namespace Subs
