// The companions: every id at the lowest and the top level (their ranges are
// checked where the table is built), the hit-point rule, and who has joined
// by which story stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "party/companions.h"
#include "party/party.h"
#include "party/roster.h"
#include "shell/vars.h"

namespace {

TEST(SetAlly, EveryCompanionJoinsWholeAndGrowsFromLevelOneToForty) {
    // A companion's id is its face number.
    const std::map<int, std::string> nameOf = {{12, "Ryu"},  {14, "Chi"},     {18, "Sofi"},
                                               {21, "Sonia"}, {28, "Maurice"}, {30, "Bree"},
                                               {47, "Myst"},  {51, "Jack"},    {59, "Darwin"}};
    std::set<int> ids;
    for (std::uint8_t id : party::companionIds()) {
        int maxAtOne = 0;
        for (int level : {1, 40}) {
            SCOPED_TRACE("id " + std::to_string(id) + " level " + std::to_string(level));
            Vars::heroLevel = Vars::u8(level);
            Vars::allyHP = 0;
            Vars::allyMode = 5;
            const int result = Subs::setAlly(id);
            EXPECT_EQ(Vars::allyName, nameOf.count(id) ? nameOf.at(id) : "");
            EXPECT_EQ(result, Vars::allyMaxHP);
            EXPECT_EQ(Vars::allyHP, Vars::allyMaxHP);
            EXPECT_EQ(Vars::allyMode, 5);  // the player's tactic stays
            if (level == 1) maxAtOne = Vars::allyMaxHP;
        }
        EXPECT_GT(Vars::allyMaxHP, maxAtOne);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), nameOf.size());
}

TEST(SetAlly, HitPointsResetOnlyWhenFallenOrAboveTheMaximum) {
    Vars::heroLevel = 10;
    struct Case {
        int before;
        bool reset;
    };
    for (Case c : {Case{0, true}, Case{-5, true}, Case{1, false}, Case{30, false},
                   Case{32000, true}}) {
        Vars::allyHP = Vars::i16(c.before);
        Subs::setAlly(party::kSonia);
        EXPECT_EQ(Vars::allyHP, c.reset ? Vars::allyMaxHP : c.before) << c.before;
    }
}

TEST(SetAlly, AnUnknownIdChangesNothing) {
    Vars::heroLevel = 10;
    Subs::setAlly(party::kMyst);
    Vars::allyHP = 7;
    const std::string name = Vars::allyName;
    const int max = Vars::allyMaxHP;
    EXPECT_EQ(Subs::setAlly(13), max);
    EXPECT_EQ(Vars::allyName, name);
    EXPECT_EQ(Vars::allyHP, 7);
}

TEST(Roster, CompanionsJoinAtTheirScenes) {
    using party::joinedCompanions;
    using Ids = std::vector<std::uint8_t>;
    EXPECT_EQ(joinedCompanions(0), Ids{party::kSofi});
    EXPECT_EQ(joinedCompanions(165), Ids{party::kSofi});
    EXPECT_EQ(joinedCompanions(166), Ids{party::kJack});
    EXPECT_EQ(joinedCompanions(190), (Ids{party::kJack, party::kSonia}));
    EXPECT_EQ(joinedCompanions(343).size(), 2u);
    EXPECT_EQ(joinedCompanions(344), (Ids{party::kJack, party::kSonia, party::kRyu}));
    EXPECT_EQ(joinedCompanions(895).size(), 3u);
    for (int stage : {896, 898, 1000}) {
        const Ids ids = joinedCompanions(stage);
        EXPECT_EQ(ids.size(), 7u);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), party::kMaurice), 0);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), party::kSofi), 0);
    }
    // The change of ally has no way out but a choice, so nobody may be missing.
    for (int stage = 0; stage <= 1000; ++stage) EXPECT_FALSE(joinedCompanions(stage).empty());
}

}  // namespace
