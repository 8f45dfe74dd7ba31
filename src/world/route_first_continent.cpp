// The story on the first continent: from the village where the hero wakes,
// down the highway to the Holy Chapel and the cliff, into the caves by the
// shrine, and out past the river to the palace.
#include <array>

#include "world/route_tables.h"

namespace world {
namespace {

constexpr int kVillager = 3, kMonk = 13;
// The people who give the party a night's rest.
constexpr int kFisherman = 4, kSteward = 40;

constexpr std::array kMap0 = {
    Trigger{1, {156, 8, 166, 18},
            {say(kVillager, "Villager",
                 "You two look worn from the road. The highway runs south from here, all the way "
                 "to the harbour town."),
             stage(68)}},
    Trigger{68, {159, 34, 165, 36},
            {scene(), stage(121),
             hero("The highway bends west over the bridge, then turns south again. We follow "
                  "it.")}},
    Trigger{121, {146, 96, 154, 99},
            {scene(), stage(166),
             say(kMonk, "Monk",
                 "Pilgrims come this way to the Holy Chapel. Turn west where the road forks, then "
                 "south to the shrine.")}},
    // Stage 166 leaves the hero on the shrine's doorstep.
    Trigger{166, {142, 113, 146, 117},
            {scene(), stage(190),
             say(kMonk, "Monk",
                 "Rest now, child. You carried your friend here from the road, but nothing we knew "
                 "could save her. Sofi is gone; she lies at peace inside."),
             ally("I'm Jack; my men camp by the shrine. We came at your cry, too late to stop the "
                  "blow. When you want air, I'll walk you to the cliff path, south-east of here."),
             say(kMonk, "Monk",
                 "Eat with us and sleep a night under the Chapel's roof. The road will keep until "
                 "morning."),
             refillParty()}},
    Trigger{190, {157, 137, 161, 138},
            {scene(), stage(203),
             ally("We'll take your friend from the monks to the harbour town, north-east of the "
                  "shrine, and I'll see her buried. Come.")}},
    Trigger{203, {162, 114, 166, 120},
            {scene(), stage(259),
             ally("Sofi has her grave now. You told me you were a foundling from the last war: "
                  "you're the sister I've been searching for. Your brother waits where a river "
                  "meets the sea, west of the mountains; we go under them, by the shrine cave."),
             say(kFisherman, "Fisherman",
                 "I'm sorry for your loss, miss. Sleep in my net loft tonight; it's warm, and "
                 "nobody climbs up there but the cat."),
             refillParty()}},
    Trigger{259, {138, 122, 142, 126},
            {scene(), stage(260),
             ally("The cave mouth is just ahead, and the Guards keep beasts in it. On the way "
                  "through I'll tell you about your family, and why the Demons want your blood.")}},
    // Out of the mountain cave, west along the road.
    Trigger{320, {92, 77, 98, 80},
            {scene(), stage(340),
             hero("Sonia has gone down the river to its mouth, to meet Ryu. The palace lies "
                  "north-west: over the bridge, then north where the road turns into the wood.")}},
    Trigger{340, {57, 68, 63, 76},
            {scene(), stage(344),
             hero("The palace gate is just up this road, to the north-west. Sonia's friends "
                  "should be waiting for me.")}},
    Trigger{344, {47, 52, 57, 59},
            {scene(), stage(373),
             ally("The sea's crawling with Demon ships, so we go under it. Back east to the "
                  "mountain cave, and down!"),
             say(kSteward, "Steward",
                 "The council has ordered beds and a hot supper for you both. Eat well and rest; "
                 "the caves will still be there tomorrow."),
             refillParty()}},
    // Rests the party may come back to while the story keeps it near.
    rest(190, {152, 130, 152, 130},
         say(kMonk, "Monk",
             "The Chapel's door stands open to you, child. Come in and rest whenever the road "
             "is hard."),
         203),
    rest(259, {170, 117, 170, 117},
         say(kFisherman, "Fisherman",
             "The loft's yours whenever you need it. Mind the cat, and mind those caves."),
         340),
    rest(373, {49, 53, 55, 57},
         say(kSteward, "Steward",
             "Back again? Your beds are made. The council would rather you slept than fell."),
         396),
};

}  // namespace

const std::span<const Trigger> kMap0Route{kMap0};

}  // namespace world
