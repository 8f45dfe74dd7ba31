// The story below ground: the Guards' caves and dungeon under the first
// continent with their corridors of monsters, the old tunnel under the sea,
// the frozen caves where Maurice is met, and the Demons' hold.
#include <array>

#include "world/route_tables.h"

namespace world {
namespace {

// One of Jack's men, holding the stairs down from the shrine.
constexpr int kSoldier = 32;

// A monster waiting across a corridor two cells wide; beating it moves the
// story on by one.
// It stands drawn from `watchFrom` on.
constexpr Trigger guard(std::int16_t at, int x, int y, int group, std::int16_t watchFrom = 0) {
    return {at, {x, y, x + 1, y}, {fight(group), stage(at + 1)}, {x, y}, 0, -1, watchFrom};
}

constexpr std::array kMap1 = {
    // Before the palace: in by the shrine cave, north up the guarded hall.
    Trigger{260, {143, 125, 147, 131},
            {fight(6), stage(261),
             ally("More of them wait in the narrow hall that leaves this cave on its east side and "
                  "runs north. The Guards have lined it with beasts.")}},
    // Weakest first: robbers, elves and small dragons before the snakes,
    // guards and wizards, so a party that comes down at level 1 or 2 grows
    // into the hall.
    guard(261, 150, 121, 16), guard(262, 150, 118, 18), guard(263, 150, 115, 20),
    guard(264, 150, 112, 17), guard(265, 150, 109, 19), guard(266, 150, 106, 21),
    Trigger{267, {150, 103, 151, 103},
            {fight(22), stage(313),
             ally("That was the last of them. The hall opens into a cave ahead; keep going "
                  "north.")},
            {150, 103}},
    Trigger{313, {144, 86, 156, 95},
            {scene(), stage(314),
             ally("We can't linger. Take the tunnel from this cave's west side; where it turns "
                  "north, it climbs to the mountain cave.")}},
    Trigger{314, {126, 76, 134, 84},
            {fight(3), stage(315), ally("Keep north up this passage. It opens into the mountain "
                                        "cave, and the way out.")}},
    Trigger{315, {122, 64, 128, 72},
            {fight(6), stage(320),
             ally("Not the passage north: the stairs up are by this cave's north wall, north-west "
                  "of here. Where the road above runs west to the river, I leave you for its "
                  "mouth. Go on to the palace; I'll bring your brother to you there.")}},
    // After the palace: down again, west to the old stairs.
    Trigger{373, {112, 63, 124, 68},
            {scene(), stage(374),
             ally("The old stairs down are a long way south-west. Straight south from these "
                  "stairs a passage leads out; come on, before the Guards find us!")}},
    Trigger{374, {112, 73, 120, 77},
            {fight(6), stage(375), ally("Ha! Keep up, sister. At the bottom of this passage, "
                                        "turn west into the big cave.")}},
    Trigger{375, {85, 76, 95, 84},
            {fight(8), stage(376), ally("Not the passage south from here. Follow the cave west "
                                        "past the pool into the wide passage beyond; its first "
                                        "turning south leads to the stairs.")}},
    Trigger{376, {66, 90, 75, 94},
            {fight(25), stage(377), ally("This passage opens into a cave just below. The stairs "
                                         "down are on its west side. Come on!")}},
    // Rests before the steps up: at the foot of the guarded hall and
    // half-way up it, and before the Demon in the passage south.
    rest(260, {140, 125, 141, 126},
         say(kSoldier, "Soldier",
             "Jack left a few of us at the foot of these stairs. Rest by our fire before you "
             "try that hall."),
         267),
    rest(264, {152, 113, 154, 114},
         ally("A dry niche, out of their sight. Sit and bind your cuts; I'll keep an eye on the "
              "hall."),
         267),
    rest(376, {72, 84, 74, 85},
         ally("Hear that breathing below? Something big. Get your wind back in this hollow "
              "first; I'm on watch.")),
};

// The old dungeon's north passage, off the north wall of the hall at the foot
// of the stairs: a side quest, met whenever the party is down here. Its
// fourteen monsters wait one every other row up the passage, each live while
// the quest's flag stands at its place in the line; the last one ends it.
constexpr int kNorthPassageFights = 14, kNorthPassageFirstGroup = 36;
constexpr int kNorthPassageX = 56, kNorthPassageFoot = 95;

constexpr Trigger northPassageGuard(int place) {
    const int x = kNorthPassageX, y = kNorthPassageFoot - 2 * place;
    const bool last = place + 1 == kNorthPassageFights;
    Trigger t{std::int16_t(place), {x, y, x + 1, y},
              {fight(kNorthPassageFirstGroup + place), questStep(last ? kQuestDone : place + 1)},
              {x, y}, 0, std::int8_t(kNorthPassageQuest)};
    if (last)
        t.actions[2] = ally("That was the last of them. Whatever they guarded lies in the old halls "
              "to the west.");
    return t;
}

constexpr std::array kMap2 = {
    // The Guards' bunk room off the way north: a rest before the hall of
    // the Chimeras.
    rest(392, {68, 75, 72, 78},
         ally("The Guards' own bunks, and not a Guard in them! Lie down a bit before that "
              "hall; I'll wake you."),
         393),
    Trigger{377, {52, 96, 68, 104},
            {fight(6), stage(392),
             ally("The Guards have lined the passage off the north wall with their worst. It goes "
                  "nowhere we need: our way's the passage off the east side. I'd still like a "
                  "crack at them!")}},
    northPassageGuard(0),  northPassageGuard(1),  northPassageGuard(2),  northPassageGuard(3),
    northPassageGuard(4),  northPassageGuard(5),  northPassageGuard(6),  northPassageGuard(7),
    northPassageGuard(8),  northPassageGuard(9),  northPassageGuard(10), northPassageGuard(11),
    northPassageGuard(12), northPassageGuard(13),
    // Live from 378 too: a game saved in the north passage when the way on
    // still ran through it goes on from here.
    Trigger{378, {76, 66, 79, 67},
            {fight(9), stage(393), ally("On into the hall ahead!")}, {}, 392},
    Trigger{393, {80, 60, 85, 73},
            {fight(14), stage(394),
             ally("The way on leaves the middle of this hall's north wall. At its top it turns "
                  "east to the far stairs.")}},
    Trigger{394, {90, 50, 91, 50},
            {fight(6), stage(395),
             ally("Up to the end of this passage, then east. The far stairs lead deeper, toward "
                  "home.")}},
    Trigger{395, {115, 40, 115, 41},
            {fight(6), stage(396),
             ally("Still more? Father would laugh at these Guards. The stairs wait in the hall at "
                  "the end of this passage.")}},
    Trigger{396, {142, 34, 145, 45},
            {fight(25), stage(417),
             ally("The stairs are in this hall, below the two statues. Down to the fire caves!")}},
};

constexpr std::array kMap3 = {
    // Bunks off the cave at the head of the deep passage: the last rest
    // before the long way under the sea.
    rest(418, {18, 126, 21, 128},
         ally("Old bunks, dry and out of the heat! Somebody camped here once. Sleep a while; "
              "the deep passage can wait."),
         424),
    Trigger{417, {146, 41, 154, 46},
            {scene(), stage(418),
             ally("The tunnel under the sea starts down here. South out of this cave, west at the "
                  "fork, past the lava lake, till the passage bends south into a wide cave. Leave "
                  "that by its long passage south; pass the turning east, and at its end go west "
                  "to the stairs.")}},
};

constexpr std::array kMap5 = {
    Trigger{419, {166, 61, 174, 66},
            {stage(424),
             ally("Frozen caves, under our own land! West to the big cave with the pool, then the "
                  "passage south out of it, and east at its foot: that way up is nearest Father's "
                  "town.")}},
    // A corner of the great cave beside the frozen caves where Maurice waits.
    rest(898, {79, 51, 82, 52},
         hero("His tracks end in the cave ahead. A short rest in this corner first; he must not "
              "find us worn out."),
         899),
    Trigger{898, {84, 54, 96, 66},
            {fight(34), stage(899),
             hero("He would not listen. Below lies the Demons' hold, under the volcano, while the "
                  "others draw its eyes from above; its stairs lie at the end of the long passage "
                  "east from here.")}},
};

constexpr std::array kMap6 = {
    Trigger{418, {26, 131, 34, 134},
            {stage(419),
             ally("This is the Demons' own ground. North up this passage, then east to the great "
                  "hall. Leave it by the passage between the two statues, take the first turning "
                  "east, and keep east through the next hall to the stairs.")}},
    Trigger{899, {140, 66, 150, 69},
            {fight(27), stage(900),
             hero("Their last hall lies south of here, but the way is round: back west, down "
                  "between the two statues into the great hall, then out by its east passage, "
                  "which bends south and east to them.")}},
    // The hold's last guards stand down the passage to the last hall, with
    // their own guardroom half-way.
    // They take their posts once Maurice has fallen.
    guard(900, 100, 101, 40, 899), guard(901, 100, 105, 42, 899), guard(902, 100, 113, 43, 899),
    Trigger{903, {120, 108, 141, 122}, {fight(35), stage(999)}},
    // Rooms the Demons left in their flight: rests before the last fights.
    rest(899, {175, 60, 178, 63},
         hero("They fled this hall in a hurry and left their water jars. We drink and rest "
              "before we go on.")),
    rest(900, {102, 108, 105, 110},
         hero("Their last guardroom, empty now. One more rest here; the last hall lies just "
              "below."),
         903),
    Trigger{999, {120, 108, 141, 122},
            {heroThenGo("It is over. The volcano's last battle is won, and there is an orphanage "
                        "to rebuild."),
             stage(1000), scene(), endGame()}},
};

}  // namespace

const std::span<const Trigger> kMap1Route{kMap1}, kMap2Route{kMap2}, kMap3Route{kMap3},
    kMap5Route{kMap5}, kMap6Route{kMap6};

}  // namespace world
