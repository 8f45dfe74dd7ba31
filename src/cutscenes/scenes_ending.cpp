// Stage 1000, the ending: a farewell in town, the narration, the epilogues, a
// year later the orphanage, and a closing line that waits for a key. Closing
// the screen changes nothing: the map's script ends the game.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {

// One line each, over the backdrop, while no one speaks.
const std::array<std::string_view, 9> kNarration = {
    "The battle in the volcano was over.",
    "The Demon armies were broken at last,",
    "and the Great Guardian would never wake.",
    "The Demons who were left asked for peace.",
    "Humans and Mystic Demons had fought side by side,",
    "and many brave soldiers never came home.",
    "A brother and a sister, lost to each other so long,",
    "had found each other, and friends for life.",
    "Now, at last, there was time to rest.",
};

namespace {

using namespace face;

// Sprite slots: 0 Myst, 1 Sonia, 2 the hero, 3 Darwin, 6 Jack, 7 Chi, 8 Bree,
// 9 Ryu; slot 5 stays empty, so clearing leaves blank pictures.
constexpr Operation kSetUp[] = {
    setBackdrop(12),
    setPortrait(Hero),
    setLine("..."),
    setSprite(2, 9),
    setSprite(3, 1),
    setSprite(0, 12),
    setSprite(8, 10),
    setSprite(7, 3),
    setSprite(1, 6),
    setSprite(6, 7),
    setSprite(9, 5),
    playTrack(4),
};

constexpr SceneStep kSteps[] = {
    // Back in town after the last battle: the victory, the dead, the peace.
    {1, setPortrait(Sonia), setLine("Look at you, dust from head to foot, and smiling. I don't think I've ever seen you smile.")},
    {2, setPortrait(Ryu), setLine("Didn't I say we'd win? I'm sure I said it. Loudly, and more than once!")},
    {3, setPortrait(Hero), setLine("We won. Their hold under the volcano is empty, and the Great Guardian will never wake.")},
    {4, setPortrait(Sonia), setLine("A thousand years of fear, ended in a single night. I can hardly believe it.")},
    {5, setPortrait(Hero), setLine("I keep thinking of everyone who isn't here to see it.")},
    {6, setPortrait(Ryu), setLine("Father should have been here. He held them back all those years, and never saw the end.")},
    {7, setPortrait(Bree), setLine("Too many graves for one war. The volcano alone took more good men than I can count.")},
    {8, setPortrait(Darwin), setLine("And many of my own people. The Mystic Demons paid their share of this victory.")},
    {9, setPortrait(Hero), setLine("I wish I could have met him once, Ryu, and stood beside you in front of him.")},
    {10, setPortrait(Jack), setLine("I never met him, but soldiers still speak his name with respect. I'd have been proud to serve him.")},
    {11, setPortrait(Darwin), setLine("Not every Demon left alive is our enemy. Many of them have sent word that they want peace.")},
    {12, setPortrait(Bree), setLine("Peace with Demons, after all this? I'll believe it when they lay down their blades.")},
    {13, setPortrait(Ryu), setLine("Bree, if Darwin's people can fight beside us, the others can at least stop fighting us.")},
    {14, setPortrait(Sonia), setLine("We'll have to be careful. A peace has to be watched over, like a fire at night.")},
    {15, setPortrait(Hero), setLine("Then we watch over it. I've seen enough killing for one life.")},
    {16, setPortrait(Ryu), setLine("And if they break their word, I'll be the first one on the walls!")},
    {17, setPortrait(Sonia), setLine("That's why we'll still need soldiers, and people to train them. The young ones know nothing yet.")},
    {18, setPortrait(Darwin), setLine("My people can teach yours what Demons fear. A few trainers in every town would be a start.")},
    {19, setPortrait(Hero), setLine("Jack, would your men stay on? Not to fight, only to teach.")},
    {20, setPortrait(Sonia), setLine("He'll say yes before you've finished asking. Just look at his face.")},
    {21, setPortrait(Myst), setLine("I feel no Demons anywhere near this town. For the first time, the air is quiet.")},
    {22, setPortrait(Sonia), setLine("Then let's make use of the quiet. When did any of us last rest for a whole day?")},
    {23, setPortrait(Bree), setLine("Don't ask. I think I've forgotten what a bed looks like.")},
    {24, setPortrait(Darwin), setLine("Then I propose we rest. Whatever comes next can wait a few days.")},
    {25, setPortrait(Jack), setLine("Agreed. My men have earned it twice over. I'll see them home first.")},
    {26, setPortrait(Chi), setLine("Today I will pray for those we lost, and for every one of you on the roads ahead.")},
    {27, setPortrait(Ryu), setLine("So this is goodbye? After everything, it feels strange to just walk away.")},
    {28, setPortrait(Hero), setLine("It's not goodbye. We'll see each other again, I promise.")},
    {29, setPortrait(Ryu), setLine("You'd better mean it. I only just found my sister, I'm not losing her now!")},
    {30, setPortrait(Sonia), setLine("Come, you two. The day is getting on, and there are beds waiting for all of us.")},
    // The narration stands alone over the backdrop for four ticks.
    {31, jumpStep(37), playTrack(29), showNarration(), setBackdrop(2), clearPortrait(), setLine(""), clearSprites()},
    {32}, {33}, {34}, {35}, {36}, {37}, {38}, {39}, {40},
    {41, hideNarration()},
    // Chi, at the Holy Chapel.
    {42, setSprite(8, 3), setPortrait(Chi), setLine("The Holy Chapel at last. It is quieter than I imagined, after so many battles.")},
    {43, setLine("When Myst and I went into the volcano, I was not sure either of us would see daylight again.")},
    {44, setLine("Yet we found the others in the end. And she found her way through all of it.")},
    {45, setLine("I have seen courage in many forms on this journey. Hers was the quietest, and the strongest.")},
    {46, setLine("Ryu, who never stops talking. Sonia, who never stops worrying. Jack, who never stops marching.")},
    {47, setLine("I will miss them more than I can say. But my road leads another way now.")},
    {48, setLine("The monks here have asked me to walk with them, from village to village.")},
    {49, setLine("They travel and pray wherever the war has left its scars. There are many such places.")},
    {50, setLine("Perhaps that is where I can do the most good, now that the fighting is done.")},
    {51, setLine("Farewell, my friends. Each morning, wherever I am, I will remember you in my prayers.")},
    // Bree and Darwin on the road home.
    {52, setBackdrop(1), setSprite(3, 1), setSprite(8, 10), setPortrait(Bree), setLine("It's a long walk home, Darwin. Are you sure you don't want to ride?")},
    {53, setPortrait(Darwin), setLine("I have walked longer roads than this one, Bree. And in worse company.")},
    {54, setPortrait(Bree), setLine("Worse company? I'll take that as praise, coming from you.")},
    {55, setPortrait(Darwin), setLine("It was meant as such. Tell me, what did you make of her, in the end?")},
    {56, setPortrait(Bree), setLine("When I first met her, I thought she was too soft for this war.")},
    {57, setPortrait(Darwin), setLine("So did I. And yet it was her mercy that held the rest of us together.")},
    {58, setPortrait(Bree), setLine("Maybe. I still say she took too many risks. And her brother is no better.")},
    {59, setPortrait(Darwin), setLine("Ryu? Loud, rash and far too pleased with himself. He will make a fine leader one day.")},
    {60, setPortrait(Bree), setLine("A leader? Him? He can't go an hour without boasting about something.")},
    {61, setPortrait(Darwin), setLine("Give him a few years and a town to rebuild. Boys like him grow into their words.")},
    {62, setPortrait(Bree), setLine("Then I hope they both come to visit. Even the loud one.")},
    {63, setPortrait(Darwin), setLine("They will. Those two have a way of turning up wherever they are needed.")},
    // Myst gives back her Human form.
    {64, setBackdrop(3), clearSprites(), setSprite(9, 12), setPortrait(Myst), setLine("This Human form was only ever borrowed. Soon I must give it back.")},
    {65, setLine("I came among the Humans as a guest, to learn their ways. They taught me more than I asked.")},
    {66, setLine("That fear and courage can live in one heart. That a friend will carry you when you cannot walk.")},
    {67, setLine("When I am gone from this body, I will still be near. I will watch over them all.")},
    {68, setLineNaming("...Especially for ", "...")},
    {69, setLine("She carries the blood of Demons and the heart of a Human. She will need someone who knows both.")},
    {70, setLine("Whatever she makes of her life, she will not face it alone. That is my promise.")},
    {71, setLine("The wind is rising. I can feel my people calling me home.")},
    {72, setLine("Goodbye, borrowed hands. You held the wounded, and you held my prayers.")},
    {73, setLine("Now let this form fall away, like a cloak at the end of a long road...")},
    {74},
    {75, setLine("The rain, the wind... I am in all of it now. Do not grieve for me.")},
    // Jack remembers the volcano.
    {76, setBackdrop(7), clearSprites(), setSprite(7, 7), setPortrait(Jack), setLine("Forty men followed me into that volcano. Not nearly as many walked out.")},
    {77, setLine("The heat was the first enemy. Without Darwin's people shielding us, we'd have burned at the gate.")},
    {78, setLine("Then the Demons came out of the smoke, more of them than I'd ever seen in one place.")},
    {79, setLine("We held the tunnels for hours. Every time a man fell, another stepped into his place.")},
    {80, setLine("I wrote to every family myself. It was the hardest thing I've done in this whole war.")},
    {81, setLine("They asked me if it was worth it. I told them the truth: the world is still here.")},
    {82, setLine("Some of the young ones want to stay soldiers. I'll train them, but I'll teach them to come home.")},
    {83, setLine("If we're lucky, they'll never see a war like this one.")},
    {84, setLine("Rest well, lads. You did your duty, and more."), jumpStepUnlessHardcore(91)},
    // Maurice, alone.
    {85, setBackdrop(11), clearSprites(), setSprite(8, 0), setPortrait(Maurice), setLine("So the Demons are broken, and I am still breathing. My sister's doing, not mine.")},
    {86, setLine("She came into those frozen caves to talk, and I answered her with steel.")},
    {87, setLine("Even beaten, I was spared. I always called that kind of thing weakness. Perhaps it is not.")},
    {88, setLine("I led their armies against my own blood, and I called it ambition.")},
    {89, setLine("I told myself that family owed me everything. It was easier than looking at what I became.")},
    {90, setLine("Ryu... I would have bled him for a potion. My own brother.")},
    {91, setLine("Whatever is left of me, I owe to them now. Even if they never want to see my face again.")},
    // A year later, the orphanage opens.
    {92, setBackdrop(12), setSprite(2, 9), setSprite(8, 4), setSprite(7, 6), playTrack(30), setPortrait(Ryu), setLine("A whole year of hammering and painting, and it's finally finished! Doesn't it look grand?")},
    {93, setPortrait(Hero), setLine("It does. There were days I never thought we would see this one.")},
    {94, setPortrait(Sonia), setLine("The sign is up. Sofi's name, right over the door, where everyone will see it.")},
    {95, setPortrait(Hero), setLine("Sofi always wanted a house full of noise. Now she has one.")},
    {96, setPortrait(Ryu), setLine("Are the others really coming? It's a long way for some of them.")},
    {97, setPortrait(Sonia), setLine("They promised. And Jack has never broken a promise in his life.")},
    {98, setPortrait(Hero), setLine("The children are already inside. Some of them haven't stopped running since dawn.")},
    {99, setPortrait(Ryu), setLine("I showed them my sword. Sonia made me put it away.")},
    {100, setPortrait(Hero), setLine("Good. This is one house where nobody needs a sword.")},
    {101, setPortrait(Ryu), setLine("Fine, fine. Hey, look down the road! Is that who I think it is?")},
    {102, setPortrait(Jack), setLine("Sorry I'm late. The roads are full of travellers now that they're safe again."), setSprite(6, 7)},
    {103, setPortrait(Hero), setLine("Jack! You came. Thank you.")},
    {104, setPortrait(Jack), setLine("Wouldn't miss it. A few of my old lads sent gifts for the children, too.")},
    {105, setPortrait(Sonia), setLine("And someone else is coming up behind you. I'd know that quick step anywhere.")},
    {106, setPortrait(Bree), setLine("Don't look so surprised. I said I'd come, didn't I?"), setSprite(1, 10)},
    {107, setPortrait(Hero), setLine("Bree! Where's Darwin? I thought you two would travel together.")},
    {108, setPortrait(Ryu), setLine("Probably still walking. He always did like a slow road.")},
    {109, setPortrait(Bree), setLine("He stopped to talk with every Mystic Demon between here and home. He'll be along.")},
    {110, setPortrait(Ryu), setLine("And who's that in the robes? Chi! Hey, Chi, over here!")},
    {111, setPortrait(Chi), setLine("Peace be upon this house. The monks sent me with their blessing."), setSprite(10, 3)},
    {112, setPortrait(Ryu), setLine("Their blessing and nothing to eat? You monks travel too light.")},
    {113, setPortrait(Darwin), setLine("Forgive an old man his pace. I see I am the last to arrive, as usual."), setSprite(9, 1)},
    {114, setPortrait(Hero), setLine("Darwin! Now everyone's here. Well... almost everyone.")},
    {115, setPortrait(Bree), setLine("Myst isn't here to see it. Or maybe she is, somehow.")},
    {116, setPortrait(Darwin), setLine("She is. The wind has been gentle all morning. I think that is her doing.")},
    {117, setPortrait(Ryu), setLine("Enough talk, let's open the doors! The children have been waiting all day!")},
    {118, setPortrait(Sonia), setLine("Hold on, Ryu. Your sister should say a few words first.")},
    {119, setPortrait(Hero), setLine("Me? I'm not good at speeches.")},
    {120, setPortrait(Sonia), setLine("You don't have to be good. Just say what's in your heart.")},
    {121, setPortrait(Hero), setLine("Welcome, everyone. Not so long ago I stood on a cliff and thought I had nothing left.")},
    {122, setLine("Then you found me, one by one, and gave me a reason to go on.")},
    {123, setLine("This house is for children who have no one. Here, they will always have someone.")},
    {124, setLine("It carries the name of my first friend. Welcome to Sofi's house."), jumpStepUnlessHardcore(135)},
    // Hours later, Maurice.
    {125, clearSprites(), setSprite(10, 0), setSprite(2, 9), setPortrait(Maurice), setLine("The others have gone, I see. Good. I did not come here to be stared at.")},
    {126, setPortrait(Hero), setLine("Maurice... you came. I didn't think you would.")},
    {127, setPortrait(Maurice), setLine("Neither did I. I stood at the end of the road for hours before I could walk up it.")},
    {128, setPortrait(Hero), setLine("You're welcome here. You always will be.")},
    {129, setPortrait(Maurice), setLine("After all I did, you say welcome. You are stranger than any Demon I ever led.")},
    {130, setPortrait(Hero), setLine("Stay a while. The children won't ask who you were, only who you are.")},
    {131, setPortrait(Maurice), setLine("Not yet. There is one place I must go first, and I have put it off too long.")},
    {132, setPortrait(Hero), setLine("Father's grave. I'll come with you.")},
    {133, setPortrait(Maurice), setLine("He abandoned me to the dark. And still, I find I have things to say to him.")},
    {134, setPortrait(Hero), setLine("Then we'll say them together. We are both his children, whatever he did.")},
    {135, setPortrait(Maurice), setLine("Together, then. Lead the way, sister.")},
    // The monk closes the story.
    {136, setPortrait(Monk), setLine("And so the war that began a thousand years ago came to its end at last."), clearSprites()},
    {137, setLine("The Great Guardian sleeps still, and no one is left who would wake it. It will sleep forever.")},
    {138, setLine("Demons and Humans, who had feared each other for so long, learned to live side by side.")},
    {139, setLine("Where armies once marched, merchants and pilgrims now travel without fear.")},
    {140, setLine("In the house named for Sofi, children who had lost everything found a home.")},
    {141, setLine("The monks of the Holy Chapel keep this story, so that it is never forgotten.")},
    {142, setLine("The war is over. May the peace that was won so dearly hold for a thousand years more.")},
    {143, clearPortrait(), setLine("")},
    {144, setLine("...Thank you for playing!...")},
};

constexpr SceneScript kScenes[] = {{kEndingStage, kEndingLastStep, kSetUp, kSteps, {}}};

static_assert(allWellFormed(kScenes));
static_assert(everyStepListed(kScenes[0]));
// The narration and the tick after Myst's last words are silent; the closing
// screen clears the face and waits at its last line.
static_assert(stepsSaying(kScenes[0], {{1, 30}, {42, 73}, {75, 142}, {144, 144}}));
static_assert(stepsEmpty(kScenes[0], {{32, 40}, {74, 74}}));
static_assert(stepsDoing(kScenes[0], Op::setPortrait,
                         {{1, 30}, {42, 42}, {52, 64}, {76, 76}, {85, 85}, {92, 121}, {125, 136}}));
static_assert(stepsDoing(kScenes[0], Op::clearPortrait, {{31, 31}, {143, 143}}));
static_assert(stepsDoing(kScenes[0], Op::setBackdrop,
                         {{31, 31}, {52, 52}, {64, 64}, {76, 76}, {85, 85}, {92, 92}}));
static_assert(stepsDoing(kScenes[0], Op::playTrack, {{31, 31}, {92, 92}}));
static_assert(stepsDoing(kScenes[0], Op::jumpStep, {{31, 31}}));
static_assert(stepsDoing(kScenes[0], Op::jumpStepUnlessHardcore, {{84, 84}, {124, 124}}));

}  // namespace

std::span<const SceneScript> endingScene() { return kScenes; }

}  // namespace cutscenes
