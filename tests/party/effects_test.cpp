// The item and healing effects: draws, caps, the order of sound and cap, and
// no wrapping of bytes or 16-bit figures.
#include <functional>
#include <string>
#include <vector>

#include "party/party.h"
#include "platform/runtime.h"
#include "shell/vars.h"
#include "support/harness.h"

namespace {

// Notes the hit points each time a sound starts.
class HPAtSound : public platform::Audio {
public:
    void playEffect(const std::string& path) override {
        sounds.push_back(path);
        heroHP.push_back(Vars::heroHP);
        allyHP.push_back(Vars::allyHP);
    }
    void musicOpen(const std::string&) override {}
    void musicPlay() override {}
    void musicClose() override {}
    bool musicPlaying() const override { return false; }
    std::vector<std::string> sounds;
    std::vector<int> heroHP, allyHP;
};

struct State {
    int heroHP, heroMaxHP, allyHP, allyMaxHP, heroMP, heroMaxMP, heroWis;
    int herbs, berries, potions;
};

struct EffectCase {
    const char* name;
    std::function<void()> effect;
    State before;
    std::vector<harness::Draw> draws;
    State after;
    int heroHPAtSound, allyHPAtSound;
};

void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.name; }

void put(const State& s) {
    Vars::heroHP = Vars::i16(s.heroHP);
    Vars::heroMaxHP = Vars::i16(s.heroMaxHP);
    Vars::allyHP = Vars::i16(s.allyHP);
    Vars::allyMaxHP = Vars::i16(s.allyMaxHP);
    Vars::heroMP = Vars::u8(s.heroMP);
    Vars::heroMaxMP = Vars::u8(s.heroMaxMP);
    Vars::heroWis = Vars::u8(s.heroWis);
    Vars::heroItems = {Vars::u8(s.herbs), Vars::u8(s.berries), Vars::u8(s.potions), 0};
}

class EffectTest : public harness::HarnessTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(EffectTest, DrawsCapsAndSoundOrder) {
    const EffectCase& c = GetParam();
    Vars::soundOn = 1;
    put(c.before);
    h.scriptDraws(c.draws);
    HPAtSound probe;
    platform::Runtime::get().setAudio(&probe);
    c.effect();
    platform::Runtime::get().setAudio(&h.audio);

    const State& a = c.after;
    EXPECT_EQ(Vars::heroHP, a.heroHP);
    EXPECT_EQ(Vars::allyHP, a.allyHP);
    EXPECT_EQ(Vars::heroMP, a.heroMP);
    EXPECT_EQ(Vars::heroItems[0], a.herbs);
    EXPECT_EQ(Vars::heroItems[1], a.berries);
    EXPECT_EQ(Vars::heroItems[2], a.potions);
    ASSERT_EQ(probe.sounds.size(), 1u);
    EXPECT_NE(probe.sounds[0].find("sound/snd0.snd"), std::string::npos);
    EXPECT_EQ(probe.heroHP[0], c.heroHPAtSound);
    EXPECT_EQ(probe.allyHP[0], c.allyHPAtSound);
}

//                 heroHP max  allyHP max  MP  maxMP wis herbs berries potions
INSTANTIATE_TEST_SUITE_P(
    Effects, EffectTest,
    ::testing::Values(
        EffectCase{"BerryBelowMax", Subs::useBerry, {50, 50, 40, 40, 5, 30, 10, 0, 3, 0},
                   {{10, 20, 20}}, {50, 50, 40, 40, 25, 30, 10, 0, 2, 0}, 50, 40},
        EffectCase{"BerryReachesMax", Subs::useBerry, {50, 50, 40, 40, 20, 30, 10, 0, 1, 0},
                   {{10, 20, 10}}, {50, 50, 40, 40, 30, 30, 10, 0, 0, 0}, 50, 40},
        EffectCase{"BerryAtByteTop", Subs::useBerry, {50, 50, 40, 40, 250, 255, 10, 0, 1, 0},
                   {{10, 20, 20}}, {50, 50, 40, 40, 255, 255, 10, 0, 0, 0}, 50, 40},
        EffectCase{"HerbHeroCapped", Subs::useHerbHero, {95, 100, 40, 40, 0, 0, 10, 2, 0, 0},
                   {{10, 15, 10}}, {100, 100, 40, 40, 0, 0, 10, 1, 0, 0}, 100, 40},
        EffectCase{"HerbAllyBelowMax", Subs::useHerbAlly, {50, 50, 10, 40, 0, 0, 10, 1, 0, 0},
                   {{10, 15, 15}}, {50, 50, 25, 40, 0, 0, 10, 0, 0, 0}, 50, 25},
        EffectCase{"PotionHeroSoundBeforeCap", Subs::usePotionHero,
                   {90, 100, 40, 40, 0, 0, 10, 0, 0, 1}, {{25, 50, 50}},
                   {100, 100, 40, 40, 0, 0, 10, 0, 0, 0}, 140, 40},
        EffectCase{"PotionAllySoundBeforeCap", Subs::usePotionAlly,
                   {50, 50, 30, 40, 0, 0, 10, 0, 0, 1}, {{25, 50, 25}},
                   {50, 50, 40, 40, 0, 0, 10, 0, 0, 0}, 50, 55},
        EffectCase{"PotionNearTheTopOfTheType", Subs::usePotionHero,
                   {32760, 32767, 40, 40, 0, 0, 10, 0, 0, 1}, {{25, 50, 50}},
                   {32767, 32767, 40, 40, 0, 0, 10, 0, 0, 0}, 32767, 40},
        EffectCase{"CureHeroHalfWisdomCapBeforeSound", Subs::castCureHero,
                   {10, 200, 40, 40, 10, 30, 21, 0, 0, 0}, {{15, 25, 25}},
                   {45, 200, 40, 40, 6, 30, 21, 0, 0, 0}, 45, 40},
        EffectCase{"CureAllyUsesHeroWisdom", Subs::castCureAlly,
                   {50, 50, 30, 60, 4, 30, 40, 0, 0, 0}, {{15, 25, 15}},
                   {50, 50, 60, 60, 0, 30, 40, 0, 0, 0}, 50, 60},
        EffectCase{"HealAllyDrawnFirst", Subs::castHealParty,
                   {10, 100, 10, 100, 7, 30, 24, 0, 0, 0}, {{15, 30, 15}, {15, 30, 30}},
                   {44, 100, 29, 100, 0, 30, 24, 0, 0, 0}, 44, 29},
        EffectCase{"HealCapsBoth", Subs::castHealParty,
                   {90, 100, 39, 40, 9, 30, 100, 0, 0, 0}, {{15, 30, 30}, {15, 30, 30}},
                   {100, 100, 40, 40, 2, 30, 100, 0, 0, 0}, 100, 40},
        // Counts and magic points are the caller's to check; empty ones stay empty.
        EffectCase{"NothingLeftDoesNotWrap", Subs::castCureHero,
                   {10, 200, 40, 40, 3, 30, 10, 0, 0, 0}, {{15, 25, 15}},
                   {30, 200, 40, 40, 0, 30, 10, 0, 0, 0}, 30, 40},
        EffectCase{"NoHerbsDoesNotWrap", Subs::useHerbHero, {10, 50, 40, 40, 0, 0, 10, 0, 0, 0},
                   {{10, 15, 12}}, {22, 50, 40, 40, 0, 0, 10, 0, 0, 0}, 22, 40}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
