// The story below ground: the Guards' caves and dungeon under the first
// continent with their corridors of monsters, the old tunnel under the sea,
// the frozen caves where Maurice is met, and the Demons' hold.
#include <array>

#include "world/route_tables.h"

namespace world {
namespace {

// A monster waiting across a corridor two cells wide; beating it moves the
// story on by one.
constexpr Trigger guard(std::int16_t at, int x, int y, int group) {
    return {at, {x, y, x + 1, y}, {fight(group), stage(at + 1)}, {x, y}};
}

constexpr std::array kMap1 = {
    // Before the palace: in by the shrine cave, north up the guarded hall.
    Trigger{260, {143, 125, 147, 131},
            {fight(6), stage(261),
             ally("More of them wait up the hall to the north. The Guards have lined it with "
                  "beasts.")}},
    guard(261, 150, 121, 16), guard(262, 150, 118, 17), guard(263, 150, 115, 18),
    guard(264, 150, 112, 19), guard(265, 150, 109, 20), guard(266, 150, 106, 21),
    Trigger{267, {150, 103, 151, 103},
            {fight(22), stage(313),
             ally("That was the last of them. The hall opens into a cave ahead; keep going "
                  "north.")},
            {150, 103}},
    Trigger{313, {144, 86, 156, 95},
            {scene(), stage(314),
             ally("We can't linger. The tunnel west climbs toward the mountain cave and the open "
                  "air.")}},
    Trigger{314, {126, 76, 134, 84},
            {fight(3), stage(315), ally("One more stretch west, then the stairs up into the "
                                        "mountain cave.")}},
    Trigger{315, {122, 64, 128, 72},
            {fight(6), stage(320),
             ally("The stairs up are at the north end of this cave. The river road runs west "
                  "from the mountains.")}},
    // After the palace: down again, west to the old stairs.
    Trigger{373, {112, 63, 124, 68},
            {scene(), stage(374),
             ally("The old stairs down are far to the west. Let's find them before the Guards "
                  "find us.")}},
    Trigger{374, {112, 73, 120, 77},
            {fight(6), stage(375), ally("Ha! Keep up, sister. The big cave is just west of "
                                        "here.")}},
    Trigger{375, {85, 76, 95, 84},
            {fight(8), stage(376), ally("South from here, then down the stairs to the old "
                                        "dungeon.")}},
    Trigger{376, {66, 90, 75, 94},
            {fight(25), stage(377), ally("There's the way down, right ahead. Come on!")}},
};

constexpr std::array kMap2 = {
    Trigger{377, {52, 96, 68, 104},
            {fight(6), stage(378),
             ally("Look at that, a whole line of them up the north passage. They won't stop "
                  "us.")}},
    // Rows 76 to 78 are left clear: a side passage opens there.
    guard(378, 56, 95, 36), guard(379, 56, 93, 37), guard(380, 56, 91, 38),
    guard(381, 56, 89, 39), guard(382, 56, 87, 40), guard(383, 56, 85, 41),
    guard(384, 56, 83, 42), guard(385, 56, 81, 43), guard(386, 56, 79, 44),
    guard(387, 56, 75, 45), guard(388, 56, 73, 46), guard(389, 56, 71, 47),
    guard(390, 56, 69, 48),
    Trigger{391, {56, 68, 57, 68},
            {fight(49), stage(392),
             ally("Done! The passage turns east at the top. On to the hall beyond.")},
            {56, 68}},
    Trigger{392, {65, 66, 75, 67},
            {fight(9), stage(393), ally("Into the hall ahead, then north out of it.")}},
    Trigger{393, {80, 60, 85, 73},
            {fight(14), stage(394),
             ally("North up the passage from this hall, then east to the far stairs.")}},
    Trigger{394, {90, 50, 91, 50},
            {fight(6), stage(395),
             ally("East now. The far stairs lead deeper, toward home.")}},
    Trigger{395, {115, 40, 115, 41},
            {fight(6), stage(396),
             ally("Still more? Father would laugh at these Guards. The stairs wait in the hall "
                  "east of here.")}},
    Trigger{396, {142, 34, 145, 45},
            {fight(25), stage(417),
             ally("The stairs are in this hall. Down to the fire caves!")}},
};

constexpr std::array kMap3 = {
    Trigger{417, {146, 41, 154, 46},
            {scene(), stage(418),
             ally("An old tunnel runs under the sea from these caves. Its stairs are far to the "
                  "south-west.")}},
};

constexpr std::array kMap5 = {
    Trigger{419, {166, 61, 174, 66},
            {stage(424),
             ally("Frozen caves, under our own land. The southern way up is nearest to "
                  "Father's town.")}},
    Trigger{898, {84, 54, 96, 66},
            {fight(34), stage(899),
             hero("He would not listen. The stairs down to the Demons' hold lie in the east of "
                  "these caves.")}},
};

constexpr std::array kMap6 = {
    Trigger{418, {26, 131, 34, 134},
            {stage(419),
             ally("This is the Demons' own ground. Stairs up lie far to the north-east; keep "
                  "moving.")}},
    Trigger{899, {140, 66, 150, 69},
            {fight(27), stage(900),
             hero("Their last hall lies to the south, past the great hall in the west.")}},
    Trigger{900, {120, 108, 141, 122}, {fight(35), stage(999)}},
    Trigger{999, {120, 108, 141, 122},
            {heroThenGo("It is over. Let the killing end here; there is an orphanage to "
                        "rebuild."),
             stage(1000), scene(), endGame()}},
};

}  // namespace

const std::span<const Trigger> kMap1Route{kMap1}, kMap2Route{kMap2}, kMap3Route{kMap3},
    kMap5Route{kMap5}, kMap6Route{kMap6};

}  // namespace world
