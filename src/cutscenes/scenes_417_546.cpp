// Stages 417 to 546: the road to the attack on the volcano.
#include <algorithm>

#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 417: Sonia alone before the volcano; Tina's betrayal.
constexpr Operation kSetUp417[] = {
    setBackdrop(6),
    setPortrait(Sonia),
    setLine("The sea cliffs under the volcano, by night. Behind me, in that mountain, beats the Demon army's heart."),
    setSprite(5, 11),
};
constexpr SceneStep kSteps417[] = {
    {1, setLine("Jack and Darwin are counting on me to find a way in. From here I can't even see a door.")},
    {2, setLine("Smoke on every side of the peak, patrols on every path up it, and their ships in the cove below me.")},
    {3, setLine("The old songs say the Zephyrs drove them back once. I used to laugh at those songs.")},
    {4, setLine("Now Ryu has gone to call the Zephyrs down at that tower, with his sister beside him.")},
    {5, setLine("Two children of that blood on the same road, and every Demon alive hunting for it.")},
    {6, setLine("I swore to their father I'd stay by Ryu's side. Now I'm watching a mountain instead of him.")},
    {7, setLine("This war has already cost too much. Burnt farms, empty villages, and a girl I carried to her burial.")},
    {8, setLine("That mountain is the only way to end it. Somewhere there must be a path the patrols don't use.")},
    {9, setLine("Climbing in by night might work, if the heat doesn't kill us before the Demons do.")},
    {10, setLine("...")},
    // Tina steps out: Sonia's figure moves to slot 4 and Tina takes slot 5.
    {11, setPortrait(Tina), setLine("Sonia! Don't reach for your bow. It's only me."), setSprite(4, 6), setSprite(5, 8)},
    {12, setPortrait(Sonia), setLine("Tina! Thank the spirits. Where have you been? Nobody has heard from the Rogues in weeks.")},
    {13, setPortrait(Tina), setLine("The Rogues? You won't be hearing from them again. I saw to that myself.")},
    {14, setPortrait(Sonia), setLine("What do you mean, you saw to it? Tina, what happened to them?")},
    {15, setPortrait(Tina), setLine("Some followed me gladly. The ones who wouldn't, I killed with my own hands.")},
    {16, setPortrait(Sonia), setLine("Killed them? Your own people? Followed you where?")},
    {17, setPortrait(Tina), setLine("To the winning side. I serve the Demons now, and they reward those who serve them well.")},
    {18, setPortrait(Sonia), setLine("...")},
    {19, setPortrait(Tina), setLine("Nothing to say? You always had a speech ready at the council.")},
    {20, setLine("Don't look at me like that. Your precious council never gave me anything but orders.")},
    {21, setLine("I read their letters, counted their war bands and bled on their roads. For a nod and a 'well done'.")},
    {22, setPortrait(Sonia), setLine("You were his most trusted captain. He'd have given you anything you asked for.")},
    {23, setPortrait(Tina), setLine("Anything? Don't make me laugh. You of all people should know what that man keeps to himself.")},
    {24, setLine("Oh yes, I know your secret too. You loved him. Half the camp saw it, and he never did.")},
    {25, setLine("All those years at his side, waiting for him to look up from his maps. He never looked, did he?")},
    {26, setPortrait(Sonia), setLine("That's enough, Tina. What I felt is mine, and it was over long ago.")},
    {27, setLine("And it has nothing to do with you turning on the people who trusted you.")},
    {28, setPortrait(Tina), setLine("Doesn't it? Then here's something you don't know. Something he hid from you, from all of us.")},
    {29, setPortrait(Sonia), setLine("I'm not listening to any more of your poison.")},
    {30, setPortrait(Tina), setLine("He had another child, Sonia. Before Ryu. A son with Demon blood, and he left him out to die.")},
    {31, setPortrait(Sonia), setLine("You're lying. He would never abandon a child. Not him.")},
    {32, setPortrait(Tina), setLine("He did, and he never said a word. Not even at the council, when he spoke of his lost daughter.")},
    {33, setPortrait(Sonia), setLine("If that were true... then where is that child now?")},
    {34, setPortrait(Tina), setLine("Alive, so the Demons whisper. Grown, serving them, and eager to see his little brother dead.")},
    {35, setPortrait(Sonia), setLine("Ryu... Does Ryu know any of this?")},
    {36, setPortrait(Tina), setLine("Not yet. And if I have my way, he'll never hear it from you.")},
    {37, setPortrait(Sonia), setLine("So this is why you came. Not to boast. You came to stop me from reaching him.")},
    {38, setPortrait(Tina), setLine("The Demons asked one thing of me today: that you never leave this mountain. I gave my word.")},
    {39, setPortrait(Sonia), setLine("Then you'll have to go through me. I swore to keep Ryu safe, and I keep my oaths.")},
    {40, setPortrait(Tina), setLine("Your oaths. Always your oaths. Draw your bow, then, and let's see what they're worth.")},
    {41, setPortrait(Sonia), setLine("I've seen you fight a hundred times, Tina. I know every trick you have.")},
    {42, setPortrait(Tina), setLine("Not every one, Sonia. Not the ones the Demons taught me.")},
    {43, endScene()},
};

// Stage 424: the hero and Ryu in the abandoned town.
constexpr Operation kSetUp424[] = {
    setBackdrop(12),
    setPortrait(Ryu),
    setLine("Not a soul anywhere. Where did Tina and her Rogues go?"),
    setSprite(3, 9),
    setSprite(1, 4),
    playTrack(5),
};
constexpr SceneStep kSteps424[] = {
    {1, setLine("Her people watched every road into this valley. She'd never leave it open unless Father ordered it.")},
    {2, setPortrait(Hero), setLine("Then maybe he did. Maybe they all left together, for somewhere safer.")},
    {3, setPortrait(Ryu), setLine("Father? Leave his own town? He'd sooner sleep on the walls than give them up to the Demons.")},
    {4, setPortrait(Hero), setLine("The houses still stand, and no one has looted them. Only the east gate is broken in.")},
    {5, setPortrait(Ryu), setLine("Broken in, and then left alone? Demons never stop at a gate, unless they've got what they came for.")},
    {6, setPortrait(Hero), setLine("Then they didn't come for the town. They came for him, and only for him.")},
    {7, setPortrait(Ryu), setLine("A Demon war band that leaves every house standing? They knew exactly who they were after.")},
    {8, setPortrait(Hero), setLine("If they came only for him... Ryu, where is Father?")},
    {9, setPortrait(Ryu), setLine("On the wall, if he's anywhere. He'd never leave while one stone of this place stood. Come on!")},
    {10, setLine("There, by the gate... He held it to the end, alone, while I chased old songs across the sea.")},
    {11, setPortrait(Hero), setLine("I came all this way hoping to meet him at last. And this is how I meet our father.")},
    {12, setPortrait(Ryu), setLine("He'd have liked you. He'd have pretended not to for a day, and then he'd have liked you.")},
    {13, setPortrait(Hero), setLine("We'll bury him by his gate. And then? Search the valley for Tina, or go on to the tower?")},
    {14, setPortrait(Ryu), setLine("Both! You find Tina and the Rogues, and I'll go on to the tower alone. It'll be faster.")},
    {15, setPortrait(Hero), setLine("No. The tower comes first, and we go together. I won't lose a brother on the day I lost a father.")},
    {16, setPortrait(Ryu), setLine("Stubborn, just like him. Fine, we stay together. But that tower won't be easy to reach.")},
    {17, setLine("The monk said few have ever reached it, and he wasn't joking. We'll need help to get there.")},
    {18, setPortrait(Hero), setLine("Who would help us here? I don't know a single soul on this side of the sea.")},
    {19, setPortrait(Ryu), setLine("There's a town in the snow, far to the south. We'll ask there. And if we meet Tina, she owes us answers.")},
    {20, endScene()},
};
constexpr Operation kAfter424[] = {playTrack(19)};

// Stage 460: Jack and Darwin muster their armies.
constexpr Operation kSetUp460[] = {
    setBackdrop(5),
    setPortrait(Darwin),
    setLine("Still no word from Sonia. While we wait, let us count what we have, Jack."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(5),
};
constexpr SceneStep kSteps460[] = {
    {1, setPortrait(Jack), setLine("Forty men, give or take. All of them sound, and all of them have seen a Demon up close.")},
    {2, setPortrait(Darwin), setLine("Seventy of my people, Mystic Demons every one. Fewer than I would like, more than they expect.")},
    {3, setPortrait(Jack), setLine("A hundred and ten against a whole mountain of them. I've fought worse odds. Not many.")},
    {4, setPortrait(Darwin), setLine("Numbers are not all. If this cave is hot a day's march from the mountain, think what its heart is like.")},
    {5, setPortrait(Jack), setLine("My lads have sweated in this cave a week without a grumble. A bit of heat never stopped them.")},
    {6, setPortrait(Darwin), setLine("Not this heat. Without a spell on them, Human skin blisters before the first tunnel ends.")},
    {7, setPortrait(Jack), setLine("Then your people cast their spells on mine. Can seventy of yours cover forty of mine?")},
    {8, setPortrait(Darwin), setLine("Not all at once. A shielding spell holds best over a few bodies, kept close together.")},
    {9, setPortrait(Jack), setLine("Small groups, then. Five of my men to a group, and as many of yours as it takes to shield them.")},
    {10, setPortrait(Darwin), setLine("Eight groups of five, with eight or nine of mine in each. The arithmetic works, for once.")},
    {11, setPortrait(Jack), setLine("Good. We send them in one after another, so the tunnels don't choke.")},
    {12, setPortrait(Darwin), setLine("And my people lead each group. We feel the Demons long before we see them.")},
    {13, setPortrait(Jack), setLine("Fine by me. My men follow, swords out, and nobody breaks off on his own.")},
    {14, setPortrait(Darwin), setLine("Sonia will know the ways in. Once she is back, we choose our door and march.")},
    {15, setPortrait(Jack), setLine("And if she isn't back soon? I don't like leaving her out there alone.")},
    {16, setPortrait(Darwin), setLine("Nor do I. But by now she knows that mountain better than either of us.")},
    {17, setPortrait(Jack), setLine("Then I'll drill the men in groups of five tonight. When she comes, we'll be ready.")},
    {18, endScene()},
};
constexpr Operation kAfter460[] = {playTrack(17)};

// Stage 500: Tina's confession.
constexpr Operation kSetUp500[] = {
    setBackdrop(1),
    setPortrait(Tina),
    setLine("You want to know why, Sonia? Then listen, because I will only tell it once."),
    setSprite(3, 8),
};
constexpr SceneStep kSteps500[] = {
    {1, setLine("It began on a night like any other. I was out alone, counting Demon fires from a ditch.")},
    {2, setLine("A man walked out of the dark and sat down beside me, as if he had every right to be there.")},
    {3, setLine("He knew my name. He knew how many Rogues I had, and how many of them I could trust.")},
    {4, setLine("He didn't threaten me. He asked me what I wanted, and no one had ever asked me that.")},
    {5, setLine("Power, I told him. Not coin, not praise. The right to give orders instead of taking them.")},
    {6, setLine("He promised me all of it. Captains of my own, lands of my own, a place among the Demons' lords.")},
    {7, setLine("And all he wanted in return was the boy. Ryu, brought to him alive.")},
    {8, setLine("I told myself I'd think it over. I had already decided before he was out of sight.")},
    {9, setLine("So I cleared the way. Those who stood against me were executed. The rest came over to me.")},
    // She turns on Sonia, who comes into view.
    {10, setLine("And now there's only you, Sonia. You, standing between me and everything I was promised."), setSprite(1, 6)},
    {11, setLine("Don't you see? You were the nearest thing to a friend I ever had in that camp.")},
    {12, setLine("We shared rations and night watches and jokes about the old man's temper. I haven't forgotten.")},
    {13, setLine("But a friend who stands in my way is still in my way.")},
    {14, setLine("Get up. I won't strike someone on the ground, not even now.")},
    {15, setLine("I hoped you would come with me. I even told him so. He only laughed.")},
    {16, setLine("So this is how it has to be. If you won't kneel with me, then I must destroy you.")},
    {17, setLine("Goodbye, Sonia. I'll remember you as you were, before you made me do this.")},
    {18, endScene()},
};

// Stage 546: the armies set out.
constexpr Operation kSetUp546[] = {
    setBackdrop(5),
    setPortrait(Darwin),
    setLine("We have waited long enough. Ryu, his sister and Sonia could still be days away."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(5),
};
constexpr SceneStep kSteps546[] = {
    {1, setPortrait(Jack), setLine("Agreed. Every day we sit in this camp, that mountain fills up with more of them.")},
    {2, setPortrait(Darwin), setLine("Then we strike now. My people go in first, before a single one of your men sets foot inside.")},
    {3, setPortrait(Jack), setLine("In first? You'll take the worst of it. I won't have your people die to spare mine.")},
    {4, setPortrait(Darwin), setLine("Better mine than yours. The fire hardly troubles us, and we can thin their ranks at the gates.")},
    {5, setPortrait(Jack), setLine("You thin their ranks, then we come in behind you while they're still reeling. I like it.")},
    {6, setPortrait(Darwin), setLine("Strike hard, pull back, strike again. When your men arrive, the Demons will be tired and few.")},
    {7, setPortrait(Jack), setLine("That leaves supplies. Food, water, arrows. Forty men go through a lot, even on a day's march.")},
    {8, setPortrait(Darwin), setLine("King Veyl has offered his townspeople to carry them. Carts, mules and strong backs.")},
    {9, setPortrait(Jack), setLine("Townsfolk on a battlefield? I'd rather they stayed well behind the lines.")},
    {10, setPortrait(Darwin), setLine("They will. They carry the loads as far as the foot of the mountain, and no farther.")},
    {11, setPortrait(Jack), setLine("Good. Then nobody goes inside who can't swing a sword.")},
    {12, setPortrait(Darwin), setLine("And Ryu and the others? We should leave them word of where we have gone.")},
    {13, setPortrait(Jack), setLine("I'll leave a man here at the camp. If they turn up, he'll point them east, to the volcano.")},
    {14, setPortrait(Darwin), setLine("Sonia will follow the moment she hears. That woman would find us at the bottom of the sea.")},
    {15, setPortrait(Jack), setLine("Then we're agreed. I'll have the men strike camp at first light.")},
    {16, setPortrait(Darwin), setLine("So be it. And tell them this: my people will not leave a single one of them behind.")},
    {17, setPortrait(Jack), setLine("I'll tell them. To the volcano, then, and may every one of us walk out of it again.")},
    {18, endScene()},
};
constexpr Operation kAfter546[] = {playTrack(23)};

constexpr SceneScript kScenes[] = {
    {417, 43, kSetUp417, kSteps417, {}},
    {424, 20, kSetUp424, kSteps424, kAfter424},
    {460, 18, kSetUp460, kSteps460, kAfter460},
    {500, 18, kSetUp500, kSteps500, {}},
    {546, 18, kSetUp546, kSteps546, kAfter546},
};

static_assert(allWellFormed(kScenes));
static_assert(std::ranges::all_of(kScenes, ordinaryStepForm));

}  // namespace

std::span<const SceneScript> scenes417To546() { return kScenes; }

}  // namespace cutscenes
