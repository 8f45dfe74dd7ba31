// The story on the second continent: the father's empty town, the town in the
// snow, the Zephyrs' tower, the volcano, and the reunion in the fishing town.
#include <array>

#include "world/route_tables.h"

namespace world {
namespace {

// The reunion's doorstep: the first house of the fishing town.
constexpr int kReunionX = 5, kReunionY = 18;
// The townswoman who takes the party in from the snow.
constexpr int kTownswoman = 25, kFishwife = 46;

// A band of Demons across the road at column x, seen from the volcano's fall.
constexpr Trigger passDemons(std::int16_t at, int x, int group) {
    return {at, {x, 69, x, 71}, {fight(group), stage(at + 1)}, {x, 70}, 0, -1, 800};
}

constexpr std::array kMap4 = {
    // Up from the frozen caves by either way: where home lies, and a rest,
    // since the party comes up worn from the long way under the sea into the
    // south's harder beasts.
    Trigger{424, {120, 101, 120, 101},
            {ally("Home at last! Father's town lies north-west of here. Take the road west, then "
                  "north up to its gate."),
             ally("Our own sky again! Sit by the cave mouth a while, sister; the road can wait "
                  "an hour."),
             refillParty()}},
    Trigger{424, {40, 31, 40, 31},
            {ally("Home at last! Father's town lies south-east. Follow the road east, then "
                  "south, then east again to its gate."),
             ally("Fresh air, and our own hills! Catch your breath here; Father can wait a little "
                  "longer."),
             refillParty()}},
    Trigger{424, {81, 55, 91, 64},
            {scene(), stage(460),
             ally("Father lies by his gate now. Next we ask the town in the snow for help: "
                  "south-east, down the road past the tower's lake."),
             ally("His house is ours tonight; he'd have wanted that. We sleep under his roof and "
                  "set out in the morning."),
             refillParty()}},
    Trigger{460, {107, 111, 117, 117},
            {scene(), stage(498),
             ally("They can spare us nothing yet. The tower first, then; its bridge is north-west "
                  "of here."),
             say(kTownswoman, "Townswoman",
                 "Nobody goes back into that cold tonight. Sit by our fire and sleep; the tower "
                 "has stood a thousand years."),
             refillParty()}},
    Trigger{498, {80, 91, 86, 93},
            {fight(25), stage(500), scene(), stage(546),
             ally("Nothing else stands in our way. Across the bridge to the tower door!")}},
    Trigger{546, {79, 85, 81, 86},
            {scene(), stage(648),
             ally("We prayed at the top, as the monk said, and nothing answered. And that cloaked "
                  "Demon on the stair, staring into my face before he swung once and ran... East, "
                  "to the volcano!")}},
    Trigger{648, {138, 74, 142, 77},
            {scene(), stage(700),
             ally("The road runs on south to the volcano's foot. Stay close to me.")}},
    Trigger{700, {138, 84, 142, 88},
            {scene(), stage(738),
             ally("That's a battle inside the mountain! The crater road turns east just south of "
                  "here. Quick!")}},
    Trigger{738, {148, 90, 152, 94},
            {scene(), stage(800),
             hero("Ryu and Sonia have gone deeper in, to Darwin's cry. I'd follow, but Demons are "
                  "coming down off the pass to the north-west to shut the army in from behind: I'll "
                  "meet them there.")}},
    Trigger{800, {124, 68, 130, 72},
            {scene(), stage(801),
             hero("There they are, coming down the road from the north-west. I rest behind these "
                  "rocks and let them come to me."),
             refillParty()}},
    // The Demons on the road down from the north-west, met one band at a
    // time; a spring above the road for the hero between them.
    passDemons(801, 119, 38), passDemons(802, 113, 39),
    Trigger{803, {107, 69, 107, 71},
            {fight(39), stage(896),
             hero("The Demons on this road are scattered, and none got past me to the army's back. "
                  "The mountain has gone quiet; as agreed at the palace, I make for the fishing "
                  "town by the landing shore, far to the north-west.")},
            {107, 70}, 0, -1, 800},
    rest(801, {108, 66, 112, 67},
         hero("A spring beside the road. I drink and bind my cuts before the next of them "
              "reach me."),
         803),
    Trigger{896, {kReunionX, kReunionY, kReunionX, kReunionY},
            {scene(), changeAlly(), stage(898),
             hero("Maurice is somewhere in the eastern mountains. The road east, over the "
                  "bridge, leads to a cave at their foot, and down after him.")}},
    // Rests the party may come back to while the story keeps it near.
    rest(460, {83, 58, 83, 58},
         hero("Our father's house, and his grave by the gate. A night's rest here, and then "
              "the road again."),
         896),
    rest(498, {109, 114, 109, 114},
         say(kTownswoman, "Townswoman",
             "Come in from the cold whenever you pass. There is always a bed by our fire."),
         896),
    rest(898, {9, 18, 9, 18},
         say(kFishwife, "Fishwife",
             "Rest here before you go after him. The others told me to keep a bed ready for "
             "you."),
         900),
};

}  // namespace

const std::span<const Trigger> kMap4Route{kMap4};

}  // namespace world
