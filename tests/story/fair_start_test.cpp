// The start of a newcomer's game on Normal, played by the fair player (see
// tests/support/fair_player.h) with no edits to the state: from hero creation
// through the shrine and the cliff to the harbour town's scene, the party
// falls nowhere. The whole game is the fair play-through benchmark's.
#include <gtest/gtest.h>

#include "shell/vars.h"
#include "support/fair_player.h"
#include "support/game_test.h"

namespace {

constexpr int kAfterTheHarbourTown = 259;

class FairStart : public harness::GameTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(FairStart, ANewPartyReachesTheHarbourTownWithoutFalling) {
    h.linkAssets();
    {
        fairplay::Player player(h, GetParam());
        player.newGame(fairplay::Normal);
        player.playUntil(kAfterTheHarbourTown, 0);
        const fairplay::Record& r = player.record();
        EXPECT_TRUE(r.defeats.empty()) << "fell at stage " << r.defeats.front().stage << ", group "
                                       << r.defeats.front().group;
        EXPECT_EQ(r.stuck, "");
        EXPECT_EQ(Vars::storyStage, kAfterTheHarbourTown);
        ASSERT_FALSE(r.scenes.empty());
        EXPECT_EQ(r.scenes.back().stage, 203);
        EXPECT_GT(r.battles, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FairStart, ::testing::Values(1u, 2u, 3u));

}  // namespace
