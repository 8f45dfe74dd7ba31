#include "party/companions.h"
#include "party/party.h"
#include "party/progression.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace Subs {
namespace {

constexpr std::uint8_t kFirstAlly = 18;  // Sofi

// A new hero sets out with the only gear she will ever have (no chest or
// place gives more): a long sword and chain mail, no shield, helmet or
// bracers, and a few herbs, since the first fights come before any chest. A
// lighter blade or clothes leave the Demons of the last fights out of reach
// without hours of grinding.
constexpr std::array<std::uint8_t, 5> kFirstGear = {4, 3, 9, 9, 9};
constexpr std::array<std::uint8_t, 4> kFirstItems = {5, 0, 0, 0};  // herbs, berries, potions, fire potions

template <class T, std::size_t N>
void clear(std::array<T, N>& a) {
    a.fill(T{});
}

}  // namespace

void initNewGame() {
    using namespace Vars;
    heroName = "Nina";
    heroLevel = 1;
    heroExp = 0;
    heroNextExp = party::nextExpAt(1);
    heroStr = heroDex = heroWis = 10;
    heroHP = heroMaxHP = 25;
    heroMP = heroMaxMP = 14;
    heroEquip = kFirstGear;
    clear(heroSpells);
    heroItems = kFirstItems;
    amulet = 0;
    clear(amuletsOwned);
    rubies = 0;

    curMap = 0;
    posX = 11;
    posY = 20;
    facing = 3;
    balloonX = balloonY = 0;
    balloonMap = 0;

    storyStage = 0;
    difficulty = 0;
    clear(questFlags);
    encounterGroup = 0;
    encounterSteps = 0;
    clearMonsterSlots();
    noFlee = 0;
    portraitId = 0;
    shopKind = 0;
    talkChain = 0;

    // setAlly fills the ally's HP only from 0.
    allyId = kFirstAlly;
    allyHP = 0;
    setAlly(allyId);
    allyMode = u8(party::defaultTactic(allyId));
}

}  // namespace Subs
