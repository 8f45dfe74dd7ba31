// Stages 259 to 373: Tina's betrayal comes to light, Ryu's father dies, Ryu
// meets Sonia and Jack again, the hero meets her brother, and the allies plan
// their campaign while Maurice pursues his own.
#include <algorithm>

#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 259: Tina reports to Maurice.
constexpr Operation kSetUp259[] = {
    setBackdrop(8),
    setPortrait(Maurice),
    setLine("You kept me waiting, Tina. I hope what you bring me is worth it."),
    setSprite(3, 8),
    setSprite(1, 0),
    playTrack(12),
};
// Tina (slot 3) leaves Maurice alone for his last line.
constexpr SceneStep kSteps259[] = {
    {1, setPortrait(Tina), setLine("Worth it, and more. Ryu's father is out of the way, wounded and left to hold his walls alone.")},
    {2, setLine("Four of my captains spoke against me. All four were executed before sunrise.")},
    {3, setPortrait(Maurice), setLine("Four heads. A small price. And the rest of your Rogues?")},
    {4, setPortrait(Tina), setLine("Won over, every one who is left. They follow me now, not him.")},
    {5, setPortrait(Maurice), setLine("So you hand me an army without costing me a single Demon. I am almost impressed.")},
    {6, setPortrait(Tina), setLine("Almost is not what you promised me. I want my reward, and the power that comes with it.")},
    {7, setPortrait(Maurice), setLine("You will have it the day you deliver the boy. Ryu, alive, with his blood still in his veins.")},
    {8, setPortrait(Tina), setLine("He ran across the sea with Sonia at his heels. He will not be hard to find.")},
    {9, setLine("His father ordered me to protect him at all costs. I will find him gladly, sir.")},
    {10, setPortrait(Maurice), setLine("Then bring him to me, and do not fail. The Demons do not forgive failure, and neither do I.")},
    {11, setPortrait(Tina), setLine("I do not fail. Glory to the Great Guardian!")},
    {12, setPortrait(Maurice), setLine("Glory to the Great Guardian. May it wake, and may the world kneel before it.")},
    {13, setPortrait(Tina), setLine("Expect word from me within the month. My Rogues ride at dawn.")},
    {14, setPortrait(Maurice), setLine("Go. And Tina... do not make me come looking for you.")},
    {15, setLine("Run to your Chapels and your Zephyrs, Ryu. Wherever you run, I will be there to stop you."), hideSprite(3)},
    {16, endScene()},
};
constexpr Operation kAfter259[] = {playTrack(14)};

// Stage 313: the death of Ryu's father.
constexpr Operation kSetUp313[] = {
    setBackdrop(12),
    setPortrait(Father),
    setLine("So this is how it ends... alone on my own wall by a broken gate, with my town empty below me."),
    setSprite(3, 2),
    playTrack(5),
};
constexpr SceneStep kSteps313[] = {
    {1, setLine("Tina will have reached the hills by now. She will find my son. She must.")},
    {2, setLine("Ryu, my stubborn boy. Wherever you are, I pray you are safe, and your sister with you.")},
    {3, setLine("My daughter. I never even learned what name she grew up with.")},
    {4, setLine("There is one thing I never told them. I meant to, every year, and every year I kept silent.")},
    {5, setLine("There was another child before them. A Demon child, a son of mine, and I turned away from him.")},
    {6, setLine("Forgive me, both of you. And you, my first son, wherever you are. The truth dies here with me.")},
    {7, setLine("It grows dark... so dark. Ryu... my girl... forgive your father.")},
    {8, endScene()},
};
constexpr Operation kAfter313[] = {playTrack(9)};

// Stage 320: Ryu, Sonia and Jack regroup.
constexpr Operation kSetUp320[] = {
    setBackdrop(3),
    setPortrait(Ryu),
    setLine("Sonia! At last! I was starting to think you'd forgotten the river. And who's this with you?"),
    setSprite(6, 7),
    setSprite(7, 6),
    setSprite(2, 5),
    playTrack(5),
};
constexpr SceneStep kSteps320[] = {
    {1, setPortrait(Sonia), setLine("This is Jack. He captains men of his own. But that can wait, Ryu. I found her.")},
    {2, setPortrait(Ryu), setLine("Found her? You mean... my sister? You're sure? Where is she?")},
    {3, setPortrait(Sonia), setLine("I'm sure. She's gone on to the palace, where friends are waiting for her.")},
    {4, setPortrait(Ryu), setLine("Why didn't you bring her here? I've been pacing this beach for days!")},
    {5, setPortrait(Sonia), setLine("Because every road here is watched, and the Demons want her blood as badly as yours.")},
    {6, setPortrait(Ryu), setLine("What's she like? Does she look like me? Is she tall? Does she laugh at bad jokes?")},
    {7, setPortrait(Sonia), setLine("She's brave, and quiet, and a fine hand with a sword. She's been through a great deal.")},
    {8, setPortrait(Ryu), setLine("A sword, huh? Good. Does she know who she is? What the Demons want from us?")},
    {9, setPortrait(Sonia), setLine("She knows. I told her everything on our way through the caves. She took it better than you would.")},
    {10, setPortrait(Ryu), setLine("Hey! ...Well, maybe. I've news too. The monks told me how to summon the Zephyrs.")},
    {11, setLine("A tower back home, above the mountains and ringed by water. The first Zephyr appeared there.")},
    {12, setPortrait(Sonia), setLine("Back home? After all those weeks at sea? You must have loved hearing that.")},
    {13, setPortrait(Ryu), setLine("I nearly threw my parchment at the monk. But if that's where I must pray, I'll go.")},
    {14, setPortrait(Sonia), setLine("Good. Jack, you've been patient. Tell Ryu your plan.")},
    {15, setPortrait(Jack), setLine("My men are camped a day's march from here. Forty of them, and tired of waiting.")},
    {16, setPortrait(Sonia), setLine("Jack travelled with your sister before I found her, Ryu. He knows what she's worth.")},
    {17, setPortrait(Jack), setLine("We shouldn't split up again. I say we regroup with the others at the palace, and plan there.")},
    {18, setPortrait(Sonia), setLine("The palace it is. Ryu, can you keep up, or shall I carry you?")},
    {19, setPortrait(Ryu), setLine("Keep up? I'll be there first! Come on, both of you, my sister's waiting!")},
    {20, endScene()},
};
constexpr Operation kAfter320[] = {playTrack(18)};

// Stage 340: Maurice learns of the escape.
constexpr Operation kSetUp340[] = {
    setBackdrop(0),
    setPortrait(Maurice),
    setLine("Escaped? All of them? Out of the best guarded cells on this continent?"),
    setSprite(7, 0),
    setSprite(3, 8),
    playTrack(5),
};
constexpr SceneStep kSteps340[] = {
    {1, setLine("Someone opened those doors, from inside or outside, and either way I want a name.")},
    {2, setPortrait(Tina), setLine("The Guards swear no one passed them, sir. Four are dead, and two more cannot stand.")},
    {3, setPortrait(Maurice), setLine("Spare me the count of the dead. Take your Rogues and hunt the prisoners down, every last one.")},
    {4, setPortrait(Tina), setLine("And you? I thought you meant to stay until the boy was found.")},
    {5, setPortrait(Maurice), setLine("I sail for the other continent, where the Demons have found a way to revive the Guardian.")},
    {6, setLine("The Guardian will not wait. This continent is yours to watch, Tina; I trust I will not regret it.")},
    {7, setPortrait(Tina), setLine("You won't. I'll see to matters here, and the prisoners will wish they'd stayed in their cells.")},
    {8, endScene()},
};
constexpr Operation kAfter340[] = {playTrack(18)};

// Stage 344: brother and sister; the council at the palace. Ryu joins.
constexpr Operation kSetUp344[] = {
    setBackdrop(5),
    setPortrait(Hero),
    setLine("So you're Ryu... Sonia told me everything, and still I don't know what to say."),
    setSprite(1, 4),
    setSprite(6, 6),
    setSprite(7, 7),
    setSprite(3, 1),
    setSprite(2, 9),
    playTrack(4),
};
constexpr SceneStep kSteps344[] = {
    {1, setPortrait(Ryu), setLine("Neither do I, and I always know what to say! Let me look at you... you're really here.")},
    {2, setPortrait(Hero), setLine("I'm really here. I buried the only family I had on the way here, and now I have a brother.")},
    {3, setPortrait(Ryu), setLine("A brother who searched half the world for you, and would have searched the other half too!")},
    {4, setPortrait(Hero), setLine("Sonia says you ran away from home to find me. Was that wise?")},
    {5, setPortrait(Ryu), setLine("Not wise at all! Father was furious. But I'd do it again, every single step.")},
    {6, setPortrait(Hero), setLine("Father... I still can't say that word without it sounding strange.")},
    {7, setPortrait(Ryu), setLine("You'll get used to it. He's stern and stubborn, but he never stopped missing you.")},
    {8, setPortrait(Ryu), setLine("And I promise you this: no Demon lays a hand on you while I'm around. Not one!")},
    {9, setPortrait(Sonia), setLine("Careful with your promises, Ryu. From what I've seen, she may end up protecting you.")},
    {10, setLine("I hate to end this, but the council is waiting, and the Demons won't wait for a family reunion.")},
    {11, setPortrait(Hero), setLine("She's right. There will be time for the rest later. I want to hear what we can do.")},
    {12, setPortrait(Darwin), setLine("Then allow me. I am Darwin, of the Mystic Demons, and I sit on this palace's council.")},
    {13, setLine("Do not look so surprised, young lady. My people want the Great Guardian asleep as much as you do.")},
    {14, setPortrait(Jack), setLine("Jack. I've fought beside her before; she'll not shame this council, and neither will my men.")},
    {15, setPortrait(Ryu), setLine("Good, now that everyone's met everyone, what's the plan? I can't sit still much longer.")},
    {16, setPortrait(Sonia), setLine("The plan starts with what the monks told you. Tell them about the tower, Ryu.")},
    {17, setPortrait(Ryu), setLine("The monks sent me to the tower of the first Zephyr. I pray at the top, and the Zephyrs come.")},
    {18, setPortrait(Darwin), setLine("If the Zephyrs answer you, the Demons will lose their nerve. You must go to that tower, Ryu.")},
    {19, setPortrait(Jack), setLine("A prayer won't win the war alone. The Demons will still need fighting on the ground.")},
    {20, setPortrait(Darwin), setLine("Then your men will not fight alone, Jack. I command some seventy Mystic Demons.")},
    {21, setLine("They are scattered across this land. Give me time to gather them, and they will fight as one.")},
    {22, setPortrait(Sonia), setLine("Gather them, then. But where do we strike? We still don't know where their armies come from.")},
    {23, setPortrait(Jack), setLine("The volcano in the east. Every Demon band we've tracked came from that direction.")},
    {24, setPortrait(Darwin), setLine("The volcano, yes. My people have felt the fire stirring under it for months.")},
    {25, setLine("But we know nothing of its passages, its guards, or how many Demons wait inside.")},
    {26, setPortrait(Sonia), setLine("Then someone must go and look. I'll scout the volcano myself. I move quietly.")},
    {27, setPortrait(Darwin), setLine("Alone? That is either very brave or very foolish, Sonia. Perhaps both.")},
    {28, setPortrait(Jack), setLine("She'll manage. And once she knows the ground, I'll bring my army to meet her there.")},
    {29, setPortrait(Sonia), setLine("Thank you, Jack. How soon can your men be ready to march?")},
    {30, setPortrait(Ryu), setLine("Wait, wait. Sonia gets the volcano, Jack gets his army... and I climb a tower by myself?")},
    {31, setPortrait(Sonia), setLine("You wanted to prove yourself, didn't you? Here's your chance, and the task that matters most.")},
    {32, setPortrait(Jack), setLine("Within the week. But the boy's right to worry. The road to that tower crosses Demon ground.")},
    {33, setPortrait(Darwin), setLine("Then let us count it out, so no one forgets. Ryu: the tower and the Zephyrs.")},
    {34, setPortrait(Darwin), setLine("Jack: your army. Myself: the Mystic Demons. Sonia: the volcano and its secrets.")},
    {35, setPortrait(Sonia), setLine("And nobody does anything reckless until we meet again. Ryu, that means you.")},
    {36, setPortrait(Darwin), setLine("A plan is only as good as the patience of those who follow it.")},
    {37, setPortrait(Ryu), setLine("Patience isn't really my strength. But fine, I'll behave. Mostly.")},
    {38, setPortrait(Darwin), setLine("Mostly will have to do. I will send word to my people tonight.")},
    {39, setPortrait(Sonia), setLine("Settled, then. If the war scatters us over there, we meet at the fishing town by the landing shore.")},
    {40, setPortrait(Darwin), setLine("A tower, a volcano and an army. Ambitious work for so small a council.")},
    {41, setPortrait(Sonia), setLine("I'll need arrows, and plenty of them. Jack, see that your men eat well before they set out.")},
    {42, setPortrait(Ryu), setLineNaming("So we all have stuff to do!  Wait, what about you ", "?")},
    {43, setPortrait(Hero), setLine("I want to come with you, Ryu, to the tower and to our father's town. I want to meet him.")},
    {44, setPortrait(Ryu), setLine("Really? Of course! Father won't believe his eyes when we walk through the gate together!")},
    {45, setPortrait(Sonia), setLine("I don't like it. Two half-Demons on one road; one ambush, and the Demons would have you both.")},
    {46, setPortrait(Hero), setLine("I've lost too much already, Sonia. I won't sit and wait while my brother walks into danger.")},
    {47, setPortrait(Ryu), setLine("You heard her! Two swords are better than one. I'll keep her safe, I swear it.")},
    {48, setPortrait(Darwin), setLine("Let them go together, Sonia. They have been apart too long, and they will guard each other.")},
    {49, setPortrait(Sonia), setLine("...Very well. I can't argue against all of you. But promise me you'll both be careful.")},
    {50, setPortrait(Jack), setLine("Then we're done here. Rest while you can, all of you. Tomorrow we move.")},
    {51, endScene()},
};
// The music comes first, then Ryu joins.
constexpr Operation kAfter344[] = {playTrack(18), companionJoins(Ryu)};

// Stage 373: Maurice alone.
constexpr Operation kSetUp373[] = {
    setBackdrop(12),
    setPortrait(Maurice),
    setLine("Empty streets, empty houses. Tina does thorough work, I'll grant her that."),
    setSprite(7, 0),
    playTrack(5),
};
constexpr SceneStep kSteps373[] = {
    {1, setLine("These walls were built to keep Demons out. Now the only one left on them is a dead old man.")},
    {2, setLine("And Tina believed every word. The Demons have found a way, I told her. How eager she was.")},
    {3, setLine("The truth is simpler. There is no other way. The Great Guardian cannot wake without that blood.")},
    {4, setLine("Ryu, or his sister. One of those two must bleed, or the Guardian never opens its eyes.")},
    {5, setLine("And both of them are somewhere I cannot reach. For now.")},
    {6, setLine("Tina needed a reason to stay behind and hunt. A lie served better than the truth ever could.")},
    {7, setLine("Let her chase runaway prisoners across the other continent. It keeps the Humans busy there.")},
    {8, setLine("The Demons have a second plan besides, one that needs no blood at all.")},
    {9, setLine("In the volcano to the east, they are digging. Deeper every day, toward the core of the earth.")},
    {10, setLine("When they break through, the lava will rise and pour over every field and town in the world.")},
    {11, setLine("No walls, no Zephyrs, no prayers will stop fire that comes up from below.")},
    {12, setLine("A world drowned in fire, or a Guardian awake. Either way the Demons win, and I with them.")},
    {13, setLine("Enough. The volcano is a long road from this valley, and the diggers will want watching.")},
    {14, setLine("Farewell, empty town. Soon there will be nowhere left for anyone to come home to.")},
    {15, endScene()},
};
constexpr Operation kAfter373[] = {playTrack(9)};

constexpr SceneScript kScenes[] = {
    {259, 16, kSetUp259, kSteps259, kAfter259},
    {313, 8, kSetUp313, kSteps313, kAfter313},
    {320, 20, kSetUp320, kSteps320, kAfter320},
    {340, 8, kSetUp340, kSteps340, kAfter340},
    {344, 51, kSetUp344, kSteps344, kAfter344},
    {373, 15, kSetUp373, kSteps373, kAfter373},
};

static_assert(allWellFormed(kScenes));
static_assert(std::ranges::all_of(kScenes, ordinaryStepForm));

}  // namespace

std::span<const SceneScript> scenes259To373() { return kScenes; }

}  // namespace cutscenes
