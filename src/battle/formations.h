#pragma once
// Which monsters an encounter group brings into the three slots.

namespace battle {

// Fills the slots for the group: a fixed fight (and no flight), one drawn
// outcome of a random group, or nothing for a group without a formation.
void buildFormation(int encounterGroup);

// The picture of the monster that leads a fixed group (its last slot), as the
// map shows it waiting; 0 for any other group.
int fixedGroupPicture(int encounterGroup);

// The picture of a monster of the monster table; 0 for an unknown id.
int monsterPicture(int monsterId);

}  // namespace battle
