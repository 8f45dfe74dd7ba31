#include "support/fair_player.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "battle/fight_menus.h"
#include "battle/formations.h"
#include "battle/frmfight.h"
#include "cutscenes/frmcutscene.h"
#include "cutscenes/scene_model.h"
#include "party/frmlevelup.h"
#include "party/progression.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "shell/frmtileset.h"
#include "shell/frmtitle.h"
#include "shell/savefile.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "world/level_changes.h"
#include "world/map_view.h"
#include "world/route.h"
#include "world/terrain.h"
#include "world/zones.h"

namespace fairplay {
namespace {

namespace vk = platform::vk;
using storywalk::Cell;
using storywalk::Move;

constexpr int kStepMs = 125;              // the map screen's step timer
constexpr int kReadMs = 3000;             // reading one talk-box line
constexpr std::uint64_t kLongestSceneMs = 30ull * 60 * 1000;
constexpr double kLowShare = 0.4;         // heal a member under this share of its maximum
constexpr int kCureMP = 4;
constexpr int kPotionGap = 40;            // a potion for a gap this big; a herb below
constexpr int kChestDetour = 16;          // steps a player turns aside for a chest in sight
constexpr int kViewHalfWidth = 10, kViewHalfHeight = 7;
constexpr int kMaxGrindBattles = 60;      // per fixed fight
constexpr double kRestBelow = 0.5;        // a member under this share of its maximum looks for a rest
constexpr int kRestReach = 400;           // steps a player walks back for a rest
// Before a fixed fight a player takes a rest close by unless the party is fresh.
constexpr double kFreshShare = 0.9;
constexpr int kRestBeforeFightReach = 100;
constexpr int kStepsForABattle = 600;     // a grinding walk that meets no battle gives up
constexpr int kSlot = 0;

// The rule of readiness: the party takes on a fixed fight when, by the
// estimate, its monsters would take at most this share of either member's
// maximum health before they fall (the ally's spells left out), and what
// they would take beyond it is covered twice over by the healing at hand:
// Cure while the magic lasts, potions and herbs, at their mean. Grinding
// cannot help a hero at the top level, so she is always ready.
constexpr double kReadyShare = 0.8;
constexpr double kHealingCounted = 1.0 / 3;
constexpr double kMeanHerb = 12.5, kMeanPotion = 37.5, kMeanCure = 20;  // Cure adds wisdom / 2

// The new-game spread, one entry of the creation screen per point: four into
// strength (entry 1), three into dexterity (3), three into wisdom (5).
constexpr int kCreationPoints[] = {1, 1, 1, 1, 3, 3, 3, 5, 5, 5};
constexpr int kDifficultyEntry = 6, kCreationOK = 7;
// Spell groups by the player's liking: Spirit (Cure) first.
constexpr int kSpellOrder[] = {2, 0, 1};
// How often each ally tactic attacks, for the estimate.
constexpr double kAllyAttackShare[] = {1.0, 0.5, 0.8, 1.0 / 3, 0.0, 0.5, 0.0};
// Monster health by difficulty (Normal, Hardcore, Wimp), as the battle scales it.
constexpr double kMonsterHealth[] = {1.0, 1.5, 0.75};

bool isChest(int code) { return code >= 1 && code <= 9; }

// A cell where a random battle can come: a group, terrain that counts, no
// object, and no trigger of the present stage.
bool battleGround(const Cell& c) {
    const world::Zone* z = world::zoneAt(c.map, c.x, c.y, Vars::storyStage);
    if (z == nullptr || z->group == 0) return false;
    if (world::isBlocking(Vars::cell(c.x, c.y, 0, c.map))) return false;
    if (world::isQuietTerrain(Vars::cell(c.x, c.y, 0, c.map))) return false;
    if (Vars::cell(c.x, c.y, 1, c.map) != 0) return false;
    return world::triggerAt(c.map, world::progressNow(), c.x, c.y) == nullptr;
}

// The neighbour of c that is battle ground too, and the key that reaches it.
bool groundBeside(const Cell& c, Cell& next, int& key) {
    constexpr int dx[] = {-1, 0, 1, 0}, dy[] = {0, -1, 0, 1};
    constexpr int keys[] = {vk::Left, vk::Up, vk::Right, vk::Down};
    for (int d = 0; d < 4; ++d) {
        const Cell n{c.map, world::wrapX(c.x + dx[d]), world::wrapY(c.y + dy[d])};
        if (!battleGround(n) || world::levelChangeAt(n.map, n.x, n.y) != nullptr) continue;
        next = n;
        key = keys[d];
        return true;
    }
    return false;
}

int opposite(int key) {
    switch (key) {
    case vk::Left: return vk::Right;
    case vk::Right: return vk::Left;
    case vk::Up: return vk::Down;
    default: return vk::Up;
    }
}

// "lo-hi + b" as the battle screen shows a weapon: the mean blow.
double meanBlow(const std::string& caption) {
    int lo = 0, hi = 0, bonus = 0;
    if (std::sscanf(caption.c_str(), "%d-%d + %d", &lo, &hi, &bonus) != 3) return 0;
    return (lo + hi) / 2.0 + bonus;
}

// Expected damage of one swing against a defence: the hit chance, a critical
// blow half again as big, never below 1.
double swing(double blow, int strength, int dexterity, int defence) {
    const double hit = std::min(1.0, (dexterity / 2.0 + 50) / 100);
    const double critical = std::floor(strength / 5.0) / 100;
    return hit * ((1 - critical) * std::max(1.0, blow - defence) + critical * std::max(1.0, 1.5 * blow - defence));
}

// Milliseconds between two turns at a dexterity: ten steps of the gauge.
double turnMs(int dexterity) { return 10.0 * (800 - std::floor(dexterity / 2.0) * 10 + 1); }

}  // namespace

int Record::levelAt(int stage) const {
    for (const SceneMark& s : scenes)
        if (s.stage >= stage) return s.level;
    return 0;
}

// The event source during play: the hero's turn in battle is the player's;
// everything else waits as the harness would, with no limit on idle time
// beyond a day (a battle that long never ends).
class Player::BattleTurns : public platform::EventSource {
public:
    explicit BattleTurns(Player& p) : p_(p) {}
    void wait(std::uint64_t nextDue) override {
        harness::Harness& h = p_.h_;
        if (h.pendingActions() == 0 && heroTurn()) {
            p_.takeTurn();
            if (!heroTurn()) return;
        }
        h.source.wait(nextDue);
    }

    static bool heroTurn() {
        const frmFight& f = frmFight::get();
        return f.isLoaded() && Vars::autoBattle == 0 && platform::Runtime::get().inputForm() == &f &&
               !f.tmrHero->enabled() && !f.tmrHeroDead->enabled() && !f.tmrEnemyDead->enabled() &&
               !f.tmrFlee->enabled() && f.menuMode == battle::kMainMenu;
    }

private:
    Player& p_;
};

Player::Player(harness::Harness& h, std::uint32_t seed, Policy policy) : Walker(h), policy_(policy) {
    savefile::createSlotNamesIfMissing();
    frmTileset::get().loadPictures();
    h.seedDraws(seed);
    h.source.idleLimitMs = 24ull * 60 * 60 * 1000;
    Vars::autoBattle = 0;
    turns_ = std::make_unique<BattleTurns>(*this);
    platform::Runtime::get().setEventSource(turns_.get());

    h.onShow("frmCutscene", [this](platform::Form&) {
        record_.scenes.push_back({Vars::storyStage, Vars::heroLevel, int(Vars::heroExp), h_.now() - startMs_});
        // Watched to the end; the ending waits at its last line for a key.
        h_.then([this] {
            const bool ending = Vars::storyStage == cutscenes::kEndingStage;
            const std::uint64_t started = h_.now();
            h_.runUntil([ending] {
                const frmCutscene& s = frmCutscene::get();
                return !s.isLoaded() || (ending && s.currentStep() >= cutscenes::kEndingLastStep);
            }, kLongestSceneMs);
            record_.sceneMs += h_.now() - started;
            if (frmCutscene::get().isLoaded()) platform::Runtime::get().keyDown(vk::Return, 0);
        });
    });
    h.onShow("frmFight", [this](platform::Form&) { onBattle(); });
    h.onShow("frmLevelUp", [this](platform::Form&) {
        // A point into each attribute in turn.
        for (int i = 0; i < frmLevelUp::get().gains.points; ++i)
            h_.click("frmLevelUp", "lbl3", frmLevelUp::kRaise + i % 3);
        h_.click("frmLevelUp", "lbl3", frmLevelUp::kDone);
    });
    h.onShow("frmNewSpell", [this](platform::Form&) {
        for (int group : kSpellOrder)
            if (Vars::heroSpells[std::size_t(group)] < 3) {
                h_.click("frmNewSpell", "lbl3", group);
                return;
            }
    });
    // The reunion: the companion of the moment stays, as the list offers.
    h.onShow("frmChangeCharacter", [this](platform::Form&) { h_.key(Vars::keySelect); });
}

Player::~Player() { platform::Runtime::get().setEventSource(&h_.source); }

void Player::newGame(Difficulty difficulty) {
    frmTitle::get().show();
    for (int entry : kCreationPoints) h_.click("frmNew", "lbl3", entry);
    for (int i = 0; i < int(difficulty); ++i) h_.click("frmNew", "lbl3", kDifficultyEntry);
    h_.click("frmNew", "lbl3", kCreationOK);
    startMs_ = h_.now();
    h_.clickNow(harness::Harness::control("frmTitle", "Label3", 0));
}

void Player::onBattle() {
    frmFight& f = frmFight::get();
    ++record_.battles;
    ++record_.walks[Vars::storyStage].battles;
    if (grinding_) ++record_.grindBattles;
    lastGroup_ = Vars::encounterGroup;
    if (storywalk::isFixedGroup(lastGroup_))
        record_.fixedFights.push_back({Vars::storyStage, lastGroup_, Vars::heroLevel});
    if (f.transformed) return;  // the hero's figures are not her own then
    figures_.known = true;
    figures_.heroBlow = meanBlow(f.lblAttack[0].Caption);
    figures_.allyBlow = meanBlow(f.lblAttack[5].Caption);
    for (int i = 0; i < 4; ++i) figures_.defense[i] = f.defenseFigure(i);
    for (int i = 0; i < 2; ++i) figures_.block[i] = f.blockFigure(i);
}

void Player::takeTurn() {
    frmFight& f = frmFight::get();
    auto click = [&f](int entry) { platform::Runtime::get().click(f.lbl3[entry]); };
    using namespace Vars;
    const double heroShare = double(heroHP) / std::max<int>(heroMaxHP, 1);
    const double allyShare = double(allyHP) / std::max<int>(allyMaxHP, 1);
    const bool heroLower = heroShare <= allyShare;
    if (std::min(heroShare, allyShare) < kLowShare) {
        const int member = heroLower ? battle::kHeroEntry : battle::kAllyEntry;
        const int gap = heroLower ? heroMaxHP - heroHP : allyMaxHP - allyHP;
        const bool potion = heroItems[2] > 0, herb = heroItems[0] > 0;
        if (heroSpells[2] >= 1 && heroMP >= kCureMP) {
            for (int entry : {2, 3, 1, member}) click(entry);  // Spell, Spirit, Cure
        } else if (potion && (gap >= kPotionGap || !herb)) {
            for (int entry : {3, 2, member}) click(entry);  // Item, Potion
        } else if (herb) {
            for (int entry : {3, 0, member}) click(entry);  // Item, Herb
        }
        if (f.tmrHero->enabled() || !f.isLoaded()) return;
        f.showMainMenu();
        f.menuMode = battle::kMainMenu;
    }
    click(0);  // Attack
    if (!f.isLoaded() || f.menuMode != battle::kAttackTarget) return;
    int target = -1;
    for (int s = 0; s < 3; ++s)
        if (monsterHP[s] > 0 && (target < 0 || monsterHP[s] < monsterHP[target])) target = s;
    if (target >= 0) click(battle::kEntryOfSlot[target]);
}

void Player::press(int key) {
    StageWalk& walk = record_.walks[Vars::storyStage];
    const int exp = int(Vars::heroExp);
    h_.advance(kStepMs);
    h_.keyNow(key);
    ++walk.steps;
    if (map().isLoaded() && battleGround(storywalk::here())) ++walk.countedSteps;
    walk.exp += int(Vars::heroExp) - exp;
    for (int n = 0; n < 10 && map().isLoaded() && map().talkShown(); ++n) {
        h_.advance(kReadMs);
        h_.keyNow(Vars::keySelect);
    }
}

void Player::beforeWalk(const world::Trigger& goal) {
    const int stage = Vars::storyStage;
    pickUpChestsInSight();
    if (!map().isLoaded() || Vars::storyStage != stage) return;
    restIfHurt();
    if (!map().isLoaded() || Vars::storyStage != stage) return;
    if (const int group = storywalk::fightIn(goal)) grindBefore(group);
}

// Within sight of a fixed fight, a rest close by is worth the walk.
void Player::nearGoal(const world::Trigger& goal) {
    if (storywalk::fightIn(goal) != 0) restIfBelow(kFreshShare, kRestBeforeFightReach);
}

void Player::pickUpChestsInSight() {
    for (int n = 0; n < 10 && map().isLoaded(); ++n) {
        const Cell from = storywalk::here();
        // Around the story's places: a chest is no reason to start a fight.
        const std::vector<Move> path = storywalk::pathTo(
            [from](const Cell& c) {
                return c.map == from.map && std::abs(c.x - from.x) <= kViewHalfWidth &&
                       std::abs(c.y - from.y) <= kViewHalfHeight && isChest(Vars::cell(c.x, c.y, 1, c.map));
            },
            [](const Cell& c) { return world::triggerAt(c.map, world::progressNow(), c.x, c.y) != nullptr; });
        if (path.empty() || int(path.size()) > kChestDetour) return;
        for (const Move& m : path) {
            press(m.key);
            if (!map().isLoaded() || !(storywalk::here() == m.to)) return;
        }
        ++record_.chests;
    }
}

FightCost Player::estimate(int group) const {
    struct Foe {
        double hp;
        int defense, hit, special, accuracy;
        double intervalMs;
    };
    std::vector<Foe> foes;
    battle::buildFormation(group);
    for (int s = 0; s < 3; ++s)
        if (Vars::monsterHP[s] > 0)
            foes.push_back({Vars::monsterHP[s] * kMonsterHealth[std::min<int>(Vars::difficulty, 2)],
                            Vars::monsterDefense[s], (Vars::monsterHitMin[s] + Vars::monsterHitMax[s]) / 2,
                            (Vars::monsterSpecialMin[s] + Vars::monsterSpecialMax[s]) / 2,
                            Vars::monsterAccuracy[s], (Vars::monsterDelayMin[s] + Vars::monsterDelayMax[s]) / 2.0});
    Vars::clearMonsterSlots();
    Vars::noFlee = 0;
    if (!figures_.known) return {};
    std::sort(foes.begin(), foes.end(), [](const Foe& a, const Foe& b) { return a.hp < b.hp; });

    using namespace Vars;
    const double allyShare = kAllyAttackShare[std::min<int>(allyMode, 6)];
    // A monster's expected damage per millisecond on one member (0 hero, 1 ally).
    auto rate = [this](const Foe& m, int who) {
        const int dexterity = who == 0 ? heroDex : allyDex;
        const double special = std::max(1, m.special - figures_.defense[who + 2]);
        const double hitChance = std::clamp(m.accuracy - dexterity / 10, 0, 100) / 100.0;
        const double blow = std::max(1, m.hit - figures_.defense[who]);
        const double unblocked = 1 - std::clamp(figures_.block[who], 0, 100) / 100.0;
        return 0.5 * (0.2 * special + 0.8 * unblocked * hitChance * blow) / m.intervalMs;
    };
    double elapsed = 0, hero = 0, ally = 0;
    for (const Foe& m : foes) {
        const double perMs = swing(figures_.heroBlow, heroStr, heroDex, m.defense) / turnMs(heroDex) +
                             allyShare * swing(figures_.allyBlow, allyStr, allyDex, m.defense) / turnMs(allyDex);
        elapsed += m.hp / perMs;
        hero += elapsed * rate(m, 0);
        ally += elapsed * rate(m, 1);
    }
    return {hero / std::max<int>(heroMaxHP, 1), ally / std::max<int>(allyMaxHP, 1)};
}

bool Player::partyReady(int group) const {
    using namespace Vars;
    if (heroLevel >= party::kTopLevel) return true;
    const FightCost cost = estimate(group);
    const double beyond = std::max(0.0, cost.hero - kReadyShare) * heroMaxHP +
                          std::max(0.0, cost.ally - kReadyShare) * allyMaxHP;
    const double cures = heroSpells[2] >= 1 ? heroMP / kCureMP : 0;
    const double healing =
        cures * (kMeanCure + heroWis / 2) + heroItems[2] * kMeanPotion + heroItems[0] * kMeanHerb;
    return beyond <= kHealingCounted * healing;
}

bool Player::below(double share) const {
    return std::min(double(Vars::heroHP) / std::max<int>(Vars::heroMaxHP, 1),
                    double(Vars::allyHP) / std::max<int>(Vars::allyMaxHP, 1)) < share;
}

void Player::restIfBelow(double share, int reach) {
    if (!map().isLoaded() || !below(share)) return;
    const int stage = Vars::storyStage;
    const std::vector<Move> path = storywalk::pathTo(
        storywalk::restAt, [stage](const Cell& c) {
            return storywalk::storyTriggerAt(c, stage) != nullptr || storywalk::sideQuestAt(c);
        });
    if (path.empty() || int(path.size()) > reach) return;
    for (const Move& m : path) {
        press(m.key);
        if (!map().isLoaded() || Vars::storyStage != stage || !(storywalk::here() == m.to)) return;
    }
    ++record_.rests;
}

void Player::restIfHurt() { restIfBelow(kRestBelow, kRestReach); }

bool Player::walkToBattleGround(int& key) {
    const std::vector<Move> path = storywalk::pathTo(
        [](const Cell& c) {
            Cell next;
            int k = 0;
            return battleGround(c) && groundBeside(c, next, k);
        },
        storywalk::sideQuestAt);
    for (const Move& m : path) {
        press(m.key);
        if (!map().isLoaded() || !(storywalk::here() == m.to)) return false;
    }
    Cell next;
    return groundBeside(storywalk::here(), next, key);
}

void Player::grindBefore(int group) {
    restIfHurt();
    if (policy_ == Policy::Walking || !map().isLoaded() || partyReady(group)) {
        restIfBelow(kFreshShare, kRestBeforeFightReach);
        return;
    }
    grinding_ = true;
    const std::uint64_t started = h_.now();
    for (int fought = 0; fought < kMaxGrindBattles && map().isLoaded() && !partyReady(group); ++fought) {
        restIfHurt();
        int key = 0;
        if (!map().isLoaded() || !walkToBattleGround(key)) break;
        const int before = record_.battles;
        for (int n = 0; n < kStepsForABattle && record_.battles == before && map().isLoaded(); ++n) {
            press(key);
            key = opposite(key);
        }
        if (record_.battles == before) break;
    }
    record_.grindMs += h_.now() - started;
    grinding_ = false;
    restIfBelow(kFreshShare, kRestBeforeFightReach);
}

void Player::save() {
    h_.click("frmGame", "lbl3", kSlot);
    if (saveExists_) h_.answerMsgBox(platform::vbYes);
    h_.keyNow(vk::F5);
    saveExists_ = true;
    savedScenes_ = int(record_.scenes.size());
}

void Player::loadAfterDefeat() {
    h_.click("frmGame", "lbl3", kSlot);
    h_.clickNow(harness::Harness::control("frmTitle", "Label3", 1));
}

void Player::playUntil(int stage, int maxDefeats) {
    for (;;) {
        if (!map().isLoaded()) {
            if (Vars::storyStage >= cutscenes::kEndingStage) {
                record_.ended = true;
                break;
            }
            record_.defeats.push_back({Vars::storyStage, Vars::curMap, Vars::posX, Vars::posY, lastGroup_});
            if (int(record_.defeats.size()) > maxDefeats || !saveExists_) {
                record_.stuck = "the party fell too often";
                break;
            }
            loadAfterDefeat();
            if (!map().isLoaded()) {
                record_.stuck = "the save did not load";
                break;
            }
            continue;
        }
        if (Vars::storyStage >= stage) break;
        if (int(record_.scenes.size()) > savedScenes_) save();
        std::string why;
        if (!advanceStage(why)) {
            record_.stuck = why.empty() ? "the story did not move on at " + std::to_string(Vars::storyStage) : why;
            break;
        }
    }
    record_.ms = h_.now() - startMs_;
}

}  // namespace fairplay
