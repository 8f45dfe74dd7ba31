#pragma once
// The program-wide game state. Every screen reads and writes it directly; no
// screen owns it. Types are the ones saves and formulas rely on: compute in
// int and clamp before storing into a narrow field.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace Vars {

using u8 = std::uint8_t;
using i16 = std::int16_t;

// The world: x 0..199, y 0..149, layer 0..1 (terrain, objects), map 0..6.
constexpr int kMapWidth = 200, kMapHeight = 150, kLayers = 2, kMaps = 7;
constexpr std::size_t kMapCells = std::size_t(kMapWidth) * kMapHeight * kLayers * kMaps;
inline std::array<u8, kMapCells> mapData{};
constexpr std::size_t mapIndex(int x, int y, int layer, int map) {
    return std::size_t(x) + 200u * std::size_t(y) + 30000u * std::size_t(layer) +
           60000u * std::size_t(map);
}
inline u8& cell(int x, int y, int layer, int map) { return mapData[mapIndex(x, y, layer, map)]; }

// Where the party is.
inline u8 curMap = 0;
inline i16 posX = 0, posY = 0;
inline u8 facing = 3;  // 0 left, 1 up, 2 right, 3 down
inline i16 balloonX = 0, balloonY = 0;
inline u8 balloonMap = 0;

// Story and quests.
inline i16 storyStage = 0;
inline std::array<u8, 11> questFlags{};  // 99 marks a finished quest
inline u8 difficulty = 0;                // 0 Normal, 1 Hardcore, 2 Wimp

// The hero.
inline std::string heroName = "Nina";
inline i16 heroHP = 0, heroMaxHP = 0;
inline u8 heroMP = 0, heroMaxMP = 0;
inline u8 heroStr = 10, heroDex = 10, heroWis = 10;
inline u8 heroLevel = 1;
inline double heroExp = 0, heroNextExp = 0;
inline std::array<u8, 5> heroEquip{};   // weapon, armour, shield, helmet, bracers (9 = none)
inline std::array<u8, 3> heroSpells{};  // Attack, Support, Spirit levels 0..3
inline std::array<u8, 4> heroItems{};   // herbs, berries, potions, fire potions (at most 99)
inline u8 amulet = 0;
inline std::array<u8, 11> amuletsOwned{};
inline double rubies = 0;  // kept at most 9999

// The ally.
inline u8 allyId = 0;  // also its face number
inline std::string allyName;
inline i16 allyHP = 0, allyMaxHP = 0;
inline u8 allyStr = 10, allyDex = 10, allyWis = 10;
inline std::array<u8, 5> allyEquip{};
inline u8 allyMode = 0;  // battle tactic 0..6

// Encounters.
inline u8 encounterGroup = 0;  // 0: no random battles here
inline u8 encounterSteps = 0;
inline i16 noFlee = 0;  // Boolean: -1 True, 0 False

// The monster slots 0..2 of the battle under way; empty outside battles.
inline std::array<u8, 3> monsterPic{};
inline std::array<i16, 3> monsterHP{};
inline std::array<std::string, 3> monsterName{};
inline std::array<u8, 3> monsterHitMax{};
inline std::array<u8, 3> monsterHitMin{};
inline std::array<u8, 3> monsterSpecialMax{};
inline std::array<u8, 3> monsterSpecialMin{};
inline std::array<u8, 3> monsterAccuracy{};
inline std::array<i16, 3> monsterExp{};
inline std::array<i16, 3> monsterRubies{};
inline std::array<u8, 3> monsterDefense{};
inline std::array<u8, 3> monsterMagicDefense{};
inline std::array<i16, 3> monsterDelayMin{};
inline std::array<i16, 3> monsterDelayMax{};

// Empties all three slots, as after every battle and in a new game.
inline void clearMonsterSlots() {
    monsterPic = {};
    monsterHP = {};
    monsterName = {};
    monsterHitMax = monsterHitMin = {};
    monsterSpecialMax = monsterSpecialMin = {};
    monsterAccuracy = {};
    monsterExp = monsterRubies = {};
    monsterDefense = monsterMagicDefense = {};
    monsterDelayMin = monsterDelayMax = {};
}

// Music and sound.
inline u8 musicTrack = 2;  // the track now playing
inline u8 areaTrack = 2;   // the track to return to (2 is the title music)

// Screens' shared state.
inline std::string appPath;   // the application folder, then the file about to be opened
inline i16 saveMode = 0;      // Boolean: True = save, False = load
inline u8 editorTile = 0;     // the map maker's selected terrain code
inline u8 portraitId = 0;
inline u8 shopKind = 0;
inline i16 talkChain = 0;     // Boolean: the talk box's OK runs the area script again

// Settings (config.ini).
inline i16 keyRight = 39, keyLeft = 37, keyUp = 38, keyDown = 40, keySelect = 13, keyBalloon = 32;
inline u8 frameTexture = 1;
inline std::uint32_t textColor = 0xFFFFFF;  // &H00BBGGRR
inline std::uint32_t backColor = 0x000000;
inline u8 musicOn = 1, soundOn = 1, weatherOn = 1, autoBattle = 0;
inline u8 talkPosition = 0, statusLine = 1;

}  // namespace Vars
