#include "battle/fight_backdrop.h"

#include <array>

namespace battle {
namespace {

// How a row of terrain picks its backdrop.
enum class Rule { woods, sand, cave, plains, town, snow };

struct TerrainRow {
    Rule rule;
    std::array<int, 14> codes;  // -1 pads the short rows
};

// Tested in this order; the first row holding the code decides.
constexpr TerrainRow kRows[] = {
    {Rule::woods, {62, 64, 65, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {Rule::sand, {46, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {Rule::cave, {21, 22, 31, 32, 33, 34, 55, 78, 79, -1, -1, -1, -1, -1}},
    {Rule::plains, {13, 28, 35, 39, 42, 60, 63, 67, 68, 69, 70, 71, 72, 73}},
    {Rule::town, {4, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {Rule::snow, {74, 75, 76, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
};

constexpr int kFinalEnemyPicture = 39;
constexpr int kFinalLairBackdrop = 11;
constexpr int kGroupWithOwnBackdrop = 26;
constexpr int kOwnBackdrop = 10;

int byRule(Rule rule, int curMap, int group) {
    const bool nearTown = group == 1 || group == 11;
    switch (rule) {
        case Rule::woods: return nearTown ? 4 : 8;
        case Rule::sand: return nearTown ? 4 : 3;
        case Rule::cave: return curMap == 4 ? 5 : 0;
        case Rule::plains: return group == 31 ? 1 : group == 32 ? 4 : 7;
        case Rule::town: return 12;
        case Rule::snow: return curMap == 0 || curMap == 4 ? 9 : 10;
    }
    return kNoBackdrop;
}

int byTerrain(int terrain, int curMap, int group) {
    for (const TerrainRow& row : kRows)
        for (int code : row.codes)
            if (code == terrain) return byRule(row.rule, curMap, group);
    return kNoBackdrop;
}

}  // namespace

int backdropUnder(int terrain, int curMap, int encounterGroup, int middlePicture) {
    int n = terrain < 0 ? kNoBackdrop : byTerrain(terrain, curMap, encounterGroup);
    if (middlePicture == kFinalEnemyPicture) n = kFinalLairBackdrop;
    if (encounterGroup == kGroupWithOwnBackdrop) n = kOwnBackdrop;
    return n;
}

}  // namespace battle
