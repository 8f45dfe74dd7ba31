#pragma once
// Which monsters an encounter group brings into the three slots.

namespace battle {

// Fills the slots for the group: a fixed fight (and no flight), one drawn
// outcome of a random group, or nothing for a group without a formation.
void buildFormation(int encounterGroup);

}  // namespace battle
