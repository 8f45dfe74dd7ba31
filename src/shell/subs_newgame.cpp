#include "party/companions.h"
#include "party/party.h"
#include "party/progression.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace Subs {
namespace {

constexpr std::uint8_t kFirstAlly = 18;  // Sofi

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
    heroEquip = {0, 0, 9, 9, 9};  // plain weapon and clothes; no shield, helmet or bracers
    clear(heroSpells);
    clear(heroItems);
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
