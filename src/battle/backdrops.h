#pragma once
// Which battle backdrop (graphics/<n>.bmp) stands behind a fight, chosen by
// the terrain under the hero. Terrain codes fall into groups that each show
// one kind of place; codes in no group leave the backdrop black.
#include <array>

namespace battle {

inline constexpr int kNoBackdrop = -1;
inline constexpr int kBackdropCount = 13;

enum class TerrainGroup : unsigned char { none, woods, sand, underground, plains, town, snow };

namespace detail {

struct GroupCodes {
    TerrainGroup group;
    std::array<int, 14> codes;  // -1 pads the short rows
};

// In the order the battle screen tests them: the first row holding a code wins.
inline constexpr GroupCodes kGroups[] = {
    {TerrainGroup::woods, {62, 64, 65, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {TerrainGroup::sand, {46, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {TerrainGroup::underground, {21, 22, 31, 32, 33, 34, 55, 78, 79, -1, -1, -1, -1, -1}},
    {TerrainGroup::plains, {13, 28, 35, 39, 42, 60, 63, 67, 68, 69, 70, 71, 72, 73}},
    {TerrainGroup::town, {4, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    {TerrainGroup::snow, {74, 75, 76, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
};

constexpr std::array<TerrainGroup, 256> groupTable() {
    std::array<TerrainGroup, 256> t{};
    for (const GroupCodes& g : kGroups)
        for (int c : g.codes)
            if (c >= 0 && t[static_cast<std::size_t>(c)] == TerrainGroup::none) t[static_cast<std::size_t>(c)] = g.group;
    return t;
}

inline constexpr std::array<TerrainGroup, 256> kGroupOf = groupTable();

}  // namespace detail

constexpr TerrainGroup terrainGroup(int tileCode) {
    return tileCode >= 0 && tileCode < 256 ? detail::kGroupOf[static_cast<std::size_t>(tileCode)] : TerrainGroup::none;
}

// The backdrop a terrain group shows, given the map (0..6) and the zone's
// encounter group; kNoBackdrop for terrain outside every group.
constexpr int terrainBackdrop(int tileCode, int curMap, int encounterGroup) {
    const bool nearTown = encounterGroup == 1 || encounterGroup == 11;
    switch (terrainGroup(tileCode)) {
        case TerrainGroup::woods: return nearTown ? 4 : 8;
        case TerrainGroup::sand: return nearTown ? 4 : 3;
        case TerrainGroup::underground: return curMap == 4 ? 5 : 0;
        case TerrainGroup::plains: return encounterGroup == 31 ? 1 : encounterGroup == 32 ? 4 : 7;
        case TerrainGroup::town: return 12;
        case TerrainGroup::snow: return curMap == 0 || curMap == 4 ? 9 : 10;
        case TerrainGroup::none: break;
    }
    return kNoBackdrop;
}

// The full choice of the battle screen: the final enemy's picture (39) in the
// middle slot means its lair, and group 26 always fights in backdrop 10.
constexpr int chooseBackdrop(int tileCode, int curMap, int encounterGroup, int middleMonsterPicture) {
    int n = terrainBackdrop(tileCode, curMap, encounterGroup);
    if (middleMonsterPicture == 39) n = 11;
    if (encounterGroup == 26) n = 10;
    return n;
}

}  // namespace battle
