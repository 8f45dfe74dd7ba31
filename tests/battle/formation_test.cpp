// Formations and the monster table: their shapes, the listed cases and hand totals.
#include <map>
#include <memory>
#include <set>

#include "battle/encounter.h"
#include "battle/formations.h"
#include "battle_test.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace battletest {
namespace {

struct Result {
    std::array<int, 3> ids;  // monster ids by slot, 0 when empty
    bool noFlee;
    std::vector<std::pair<int, int>> asked;
};

class FormationTest : public BattleTest {
protected:
    FormationTest() {
        for (int id = 1; id <= 50; ++id) {
            Subs::setMonster(id, 0);
            idOfPicture[Vars::monsterPic[0]] = id;
        }
    }
    std::map<int, int> idOfPicture;

    Result build(int group, std::deque<int> answers) {
        monsters(0, 0, 0);
        Vars::noFlee = 0;
        auto probe = std::make_unique<Probe>();
        Probe* p = probe.get();
        p->answers = std::move(answers);
        Subs::setRandomSource(std::move(probe));
        battle::buildFormation(group);
        Result r{{}, Vars::noFlee != 0, p->asked};
        for (int s = 0; s < 3; ++s)
            r.ids[s] = Vars::monsterPic[s] == 0 ? 0 : idOfPicture.at(Vars::monsterPic[s]);
        Subs::setRandomSource(nullptr);
        return r;
    }
    // Every outcome of a group, by the value of its last draw.
    std::vector<Result> outcomes(int group) {
        Result first = build(group, {});
        if (first.asked.empty()) return {first};
        std::vector<Result> all;
        int k = first.asked.back().second;
        for (int v = 1; v <= k; ++v)
            all.push_back(build(group, first.asked.size() == 2 ? std::deque<int>{1, v} : std::deque<int>{v}));
        return all;
    }
};

bool validShape(const std::array<int, 3>& ids) {
    bool lone = ids[0] == 0 && ids[1] == 0 && ids[2] != 0;
    bool pair = ids[0] != 0 && ids[0] == ids[1] && ids[2] == 0;
    bool trio = ids[0] != 0 && ids[0] == ids[1] && ids[2] != 0;
    return lone || pair || trio;
}

TEST_F(FormationTest, EveryGroupDrawsAtMostTwiceAndGivesWellShapedOutcomes) {
    const std::set<int> rareSlime = {15, 24, 26, 28, 29, 30, 31, 32, 33};
    for (int g = 0; g <= 255; ++g) {
        SCOPED_TRACE("group " + std::to_string(g));
        Result first = build(g, {});
        if (g == 0 || g >= 50) {
            EXPECT_TRUE(first.asked.empty());
            EXPECT_EQ(first.ids, (std::array<int, 3>{0, 0, 0}));
            EXPECT_FALSE(first.noFlee);
            continue;
        }
        if (first.asked.empty()) {  // a fixed fight
            EXPECT_TRUE(validShape(first.ids));
            EXPECT_TRUE(first.noFlee);
            continue;
        }
        ASSERT_EQ(first.asked.size(), rareSlime.count(g) ? 2u : 1u);
        if (rareSlime.count(g)) {
            EXPECT_EQ(first.asked[0], (std::pair<int, int>{1, 100}));
            Result slime = build(g, {5});
            EXPECT_EQ(slime.asked.size(), 1u);
            EXPECT_EQ(slime.ids, (std::array<int, 3>{0, 0, 46}));
        }
        for (const Result& r : outcomes(g)) {
            EXPECT_TRUE(validShape(r.ids));
            EXPECT_FALSE(r.noFlee);
            for (int id : r.ids) EXPECT_LE(id, 50);
        }
    }
}

TEST_F(FormationTest, GroupTwentyThreeIsGroupElevenAndGroupTwoHasItsOdds) {
    auto eleven = outcomes(11), twentyThree = outcomes(23);
    ASSERT_EQ(eleven.size(), twentyThree.size());
    for (std::size_t i = 0; i < eleven.size(); ++i) EXPECT_EQ(eleven[i].ids, twentyThree[i].ids);

    std::map<std::array<int, 3>, int> count;
    for (const Result& r : outcomes(2)) ++count[r.ids];
    EXPECT_EQ(count[(std::array<int, 3>{3, 3, 0})], 3);  // a pair of Snakes: 1 in 2
    EXPECT_EQ(count[(std::array<int, 3>{0, 0, 3})], 2);  // a lone Snake: 1 in 3
    EXPECT_EQ(count[(std::array<int, 3>{2, 2, 0})], 1);  // two Robbers: 1 in 6
}

TEST_F(FormationTest, GroupThirtyThreeBringsOneOfFiveLoneMonstersOrTheSlime) {
    EXPECT_EQ(build(33, {}).asked, (std::vector<std::pair<int, int>>{{1, 100}, {1, 5}}));
    const char* lone[] = {"Bk. Dragon", "G. Dragon", "Demon", "B. Dragon", "D. Knight"};
    for (int v = 1; v <= 5; ++v) {
        build(33, {1, v});
        EXPECT_EQ(Vars::monsterName[2], lone[v - 1]);
        EXPECT_EQ(Vars::monsterPic[0] + Vars::monsterPic[1], 0);
    }
    build(33, {5});
    EXPECT_EQ(Vars::monsterName[2], "Slime");
}

// Hand totals of the monster ids in the formation lists: every outcome of the
// random groups (11 and 23 each counted) and every fixed fight.
TEST_F(FormationTest, TheOutcomesAddUpToTheListedMonsters) {
    int random = 0, fixed = 0;
    for (int g = 1; g < 50; ++g)
        for (const Result& r : outcomes(g)) (r.asked.empty() ? fixed : random) += r.ids[0] + r.ids[1] + r.ids[2];
    EXPECT_EQ(random, 6478);
    EXPECT_EQ(fixed, 1600);
}

TEST_F(FormationTest, FixedFightsOfTheChestAndTheFinalBattle) {
    Result chest = build(10, {});
    EXPECT_EQ(chest.ids, (std::array<int, 3>{0, 0, 5}));
    EXPECT_TRUE(chest.noFlee);
    Result last = build(35, {});
    EXPECT_EQ(last.ids, (std::array<int, 3>{29, 29, 40}));
    EXPECT_TRUE(last.noFlee);
}

TEST_F(FormationTest, MonsterRowsHaveOrderedRangesAndEightMonstersSwapPictures) {
    const std::map<int, int> swapped = {{19, 21}, {20, 19}, {21, 20}, {22, 24},
                                        {24, 22}, {38, 40}, {39, 38}, {40, 39}};
    std::set<int> pictures;
    for (int id = 1; id <= 50; ++id) {
        SCOPED_TRACE("monster " + std::to_string(id));
        monsters(0, 0, 0);
        Subs::setMonster(id, 1);
        EXPECT_LE(Vars::monsterHitMin[1], Vars::monsterHitMax[1]);
        EXPECT_LE(Vars::monsterSpecialMin[1], Vars::monsterSpecialMax[1]);
        EXPECT_LE(Vars::monsterDelayMin[1], Vars::monsterDelayMax[1]);
        int expected = swapped.count(id) ? swapped.at(id) : id;
        EXPECT_EQ(Vars::monsterPic[1], expected);
        pictures.insert(Vars::monsterPic[1]);
        EXPECT_EQ(Vars::monsterPic[0] + Vars::monsterPic[2], 0);  // the other slots untouched
    }
    EXPECT_EQ(pictures.size(), 50u);

    Subs::setMonster(46, 2);
    Subs::setMonster(51, 2);  // no such row: the slot keeps the Slime
    Subs::setMonster(0, 2);
    EXPECT_EQ(Vars::monsterName[2], "Slime");
    EXPECT_EQ(Vars::monsterPic[2], 46);
    EXPECT_EQ(Vars::monsterHP[2], 500);
    EXPECT_EQ((std::array<int, 4>{Vars::monsterHitMin[2], Vars::monsterHitMax[2], Vars::monsterSpecialMin[2],
                                  Vars::monsterSpecialMax[2]}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_EQ(Vars::monsterAccuracy[2], 75);
    EXPECT_EQ(Vars::monsterExp[2], 100);
    EXPECT_EQ(Vars::monsterRubies[2], 100);
    EXPECT_EQ(Vars::monsterDefense[2], 10);
    EXPECT_EQ(Vars::monsterMagicDefense[2], 0);
    EXPECT_EQ(Vars::monsterDelayMin[2], 3000);
    EXPECT_EQ(Vars::monsterDelayMax[2], 5000);

    Subs::setMonster(40, 2);
    EXPECT_EQ((std::array<int, 4>{Vars::monsterPic[2], Vars::monsterHP[2], Vars::monsterExp[2], Vars::monsterRubies[2]}),
              (std::array<int, 4>{39, 1500, 0, 0}));
}

// Hand totals of each column of the monster table.
TEST_F(FormationTest, TheMonsterColumnsAddUpToTheTable) {
    std::array<int, 13> total{};
    for (int id = 1; id <= 50; ++id) {
        Subs::setMonster(id, 0);
        const int row[] = {Vars::monsterPic[0], Vars::monsterHP[0], Vars::monsterHitMin[0], Vars::monsterHitMax[0],
                           Vars::monsterSpecialMin[0], Vars::monsterSpecialMax[0], Vars::monsterAccuracy[0],
                           Vars::monsterExp[0], Vars::monsterRubies[0], Vars::monsterDefense[0],
                           Vars::monsterMagicDefense[0], Vars::monsterDelayMin[0], Vars::monsterDelayMax[0]};
        for (int i = 0; i < 13; ++i) total[i] += row[i];
    }
    EXPECT_EQ(total, (std::array<int, 13>{1275, 7120, 490, 722, 491, 731, 4150, 1848, 1843, 198, 150, 452000,
                                          584000}));
}

}  // namespace
}  // namespace battletest
