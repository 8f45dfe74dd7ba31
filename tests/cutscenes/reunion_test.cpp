// The reunion: Ryu joins the group, and only its last line heals the party.
#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

using namespace face;
using CutsceneReunion = CutsceneTest;

constexpr std::int16_t kReunion = 896;

struct Party {
    Vars::i16 heroHP, heroMaxHP;
    Vars::u8 heroMP, heroMaxMP;
    Vars::i16 allyHP, allyMaxHP;
    Vars::u8 allyId;
    bool operator==(const Party&) const = default;
};
Party party() {
    return {Vars::heroHP, Vars::heroMaxHP, Vars::heroMP, Vars::heroMaxMP,
            Vars::allyHP, Vars::allyMaxHP, Vars::allyId};
}

TEST_F(CutsceneReunion, PlayedToItsEndItHealsThePartyAtItsLastLine) {
    // The fixture's party: 10 of 25 HP, 3 of 14 MP, the companion at 5 of 20.
    start(kReunion);
    tickTo(62);
    EXPECT_EQ(party(), (Party{10, 25, 3, 14, 5, 20, 18}));
    tickTo(63);
    EXPECT_EQ(faceShown(), store().img[Hero]);
    EXPECT_EQ(party(), (Party{25, 25, 14, 14, 20, 20, 18}));
    EXPECT_TRUE(screen().isLoaded());
    tickTo(64);
    EXPECT_FALSE(screen().isLoaded());
    EXPECT_EQ(h.now(), 1000u + 448000u);
    EXPECT_EQ(Vars::musicTrack, 19);
}

TEST_F(CutsceneReunion, SkippedBeforeItsLastLineThePartyStaysAsItWas) {
    for (int keyAfter : {1, 3, 40, 62}) {
        SCOPED_TRACE(keyAfter);
        Vars::heroHP = 1, Vars::heroMP = 0, Vars::allyHP = 19;
        start(kReunion);
        tickTo(keyAfter);
        pressKey();
        EXPECT_FALSE(screen().isLoaded());
        EXPECT_EQ(party(), (Party{1, 25, 0, 14, 19, 20, 18}));
        EXPECT_EQ(Vars::musicTrack, 19);
    }
}

TEST_F(CutsceneReunion, RyuJoinsAtTheThirdStepAndNothingElseMoves) {
    start(kReunion);
    std::array<platform::PicturePtr, kSpriteSlots> figures;
    for (int slot = 0; slot < kSpriteSlots; ++slot) figures[std::size_t(slot)] = figure(slot);
    const platform::PicturePtr backdrop = screen().Image2->picture();
    EXPECT_EQ(figure(9), nullptr);
    tickTo(2);
    EXPECT_EQ(figure(9), nullptr);
    tickTo(3);
    EXPECT_EQ(faceShown(), store().img[Ryu]);
    figures[9] = store().pic[5];
    tickTo(63);
    for (int slot = 0; slot < kSpriteSlots; ++slot)
        EXPECT_EQ(figure(slot), figures[std::size_t(slot)]) << slot;
    EXPECT_EQ(screen().Image2->picture(), backdrop);
    EXPECT_EQ(Vars::musicTrack, 4);
}

}  // namespace
}  // namespace cutscenes::test
