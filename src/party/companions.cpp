#include "party/companions.h"

#include <algorithm>
#include <array>

#include "party/party.h"
#include "party/progression.h"
#include "shell/vars.h"

namespace party {
namespace {

// A figure that grows with the hero's level: `atFirst` at level 1 and `atTop`
// at level 40, in a straight line between.
struct Growth {
    int atFirst, atTop;
    constexpr int at(int level) const {
        return atFirst + (atTop - atFirst) * (level - 1) / (kTopLevel - 1);
    }
};

// Equipment codes: weapon, armour, shield (9: none), helmet, bracers.
using Gear = std::array<std::uint8_t, 5>;

struct Companion {
    std::uint8_t id;
    std::string_view name;  // the battle picks the ally's spell by this text
    std::uint8_t tactic;    // default allyMode
    Growth str, dex, wis, maxHP;
    Gear gear, laterGear;   // laterGear from kLaterGearLevel on
};

// The companions join with the gear of their trade and trade up once the
// party reaches the deep zones.
constexpr int kLaterGearLevel = 20;

// Tactics: 0 attack, 1 attack or spell, 2 mostly attack, 3 attack, defend
// or spell, 4 defend, 5 attack or defend, 6 spell or defend.
//
// Fighters (Ryu, Jack, Darwin, Maurice) carry the most hit points and
// strength; the casters (Chi, Bree, Myst) the most wisdom and staves (weapon
// 6) without a shield; Sonia, the scout, is the quickest. Ryu's sword is
// weapon 4 until he trades it for weapon 5, which also makes his Blade
// stronger; Darwin's Strike is weaker while he still carries weapon 3. Sofi,
// the companion of a new game, starts with the plainest kit of all.
constexpr std::array<Companion, 9> kCompanions = {{
    // id       name       tactic str     dex       wis        maxHP      gear             laterGear
    {kRyu,     "Ryu",     1, {16, 90}, {14, 80}, {10, 45},  {40, 560}, {4, 2, 2, 1, 1}, {5, 4, 3, 3, 2}},
    {kChi,     "Chi",     6, {10, 45}, {12, 60}, {20, 100}, {30, 420}, {6, 1, 9, 0, 1}, {6, 3, 9, 2, 3}},
    {kSofi,    "Sofi",    2, {12, 60}, {14, 70}, {12, 60},  {32, 450}, {1, 1, 1, 0, 0}, {3, 3, 2, 2, 1}},
    {kSonia,   "Sonia",   3, {14, 75}, {18, 95}, {14, 65},  {36, 500}, {2, 2, 2, 1, 1}, {4, 4, 4, 3, 2}},
    {kMaurice, "Maurice", 1, {18, 85}, {14, 70}, {20, 90},  {45, 600}, {3, 3, 9, 2, 2}, {5, 4, 9, 4, 3}},
    {kBree,    "Bree",    1, {10, 50}, {14, 70}, {18, 95},  {30, 430}, {6, 1, 9, 0, 0}, {6, 3, 9, 2, 2}},
    {kMyst,    "Myst",    1, {12, 55}, {16, 80}, {24, 100}, {34, 460}, {2, 2, 1, 1, 1}, {4, 3, 3, 3, 2}},
    {kJack,    "Jack",    2, {20, 95}, {12, 65}, {10, 40},  {48, 620}, {3, 3, 3, 2, 1}, {5, 4, 4, 4, 3}},
    {kDarwin,  "Darwin",  1, {18, 90}, {14, 75}, {16, 70},  {44, 600}, {3, 3, 2, 2, 2}, {5, 4, 3, 3, 3}},
}};

// What the battle screen can show and the tactic table can act on.
constexpr bool gearFits(const Gear& g) {
    return g[0] >= 1 && g[0] <= 6 && g[1] >= 1 && g[1] <= 4 &&
           ((g[2] >= 1 && g[2] <= 4) || g[2] == 9) && g[3] <= 4 && g[4] <= 3;
}
constexpr bool attributeFits(Growth g) {
    return g.atFirst >= 10 && g.atTop <= 100 && g.atFirst <= g.atTop;
}
constexpr bool rowsFit() {
    for (const Companion& c : kCompanions)
        if (!gearFits(c.gear) || !gearFits(c.laterGear) || !attributeFits(c.str) ||
            !attributeFits(c.dex) || !attributeFits(c.wis) || c.tactic > 6 ||
            c.maxHP.atFirst < 1 || c.maxHP.atTop > 32767)
            return false;
    return true;
}
static_assert(rowsFit(), "a companion row leaves the ranges the battle relies on");

const Companion* find(std::uint8_t id) {
    auto it = std::find_if(kCompanions.begin(), kCompanions.end(),
                           [id](const Companion& c) { return c.id == id; });
    return it == kCompanions.end() ? nullptr : &*it;
}

constexpr std::array<std::uint8_t, kCompanions.size()> idsOf() {
    std::array<std::uint8_t, kCompanions.size()> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = kCompanions[i].id;
    return ids;
}
constexpr auto kIds = idsOf();

// Everything but the tactic.
void applyFigures(const Companion& c) {
    using namespace Vars;
    const int level = std::clamp<int>(heroLevel, 1, kTopLevel);
    allyName = std::string(c.name);
    allyStr = static_cast<u8>(c.str.at(level));
    allyDex = static_cast<u8>(c.dex.at(level));
    allyWis = static_cast<u8>(c.wis.at(level));
    allyEquip = level < kLaterGearLevel ? c.gear : c.laterGear;
    allyMaxHP = static_cast<i16>(c.maxHP.at(level));
    // A fallen companion rises with the new maximum; a wounded one stays wounded.
    if (allyHP < 1 || allyHP > allyMaxHP) allyHP = allyMaxHP;
}

}  // namespace

std::string_view companionName(std::uint8_t id) {
    const Companion* c = find(id);
    return c ? c->name : std::string_view();
}

bool isCompanion(std::uint8_t id) { return find(id) != nullptr; }

int defaultTactic(std::uint8_t id) {
    const Companion* c = find(id);
    return c ? c->tactic : 0;
}

std::span<const std::uint8_t> companionIds() { return kIds; }

void growAlly() {
    if (const Companion* c = find(Vars::allyId)) applyFigures(*c);
}

}  // namespace party

namespace Subs {

int setAlly(std::uint8_t id) {
    // An id that is no companion changes nothing.
    // The tactic is the player's choice and stays as it was.
    if (const party::Companion* c = party::find(id)) party::applyFigures(*c);
    return Vars::allyMaxHP;
}

}  // namespace Subs
