// The opening, stage 0: a council of war around Ryu's father. Ryu learns the
// Demons hunt his family's blood, is forbidden to search for his lost sister,
// runs off toward the Holy Chapel, and Sonia is sent after him. A narration
// then turns to the hero.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Sprite slots: 1 Ryu, 0 Sonia, 2 and 3 the two others at the table.
constexpr Operation kSetUp[] = {
    setBackdrop(12),
    setPortrait(Ryu),
    setLine("Everyone's here at last. Father, tell us what the scouts found. I'm sick of waiting."),
    setSprite(0, 11),
    setSprite(3, 2),
    setSprite(1, 4),
    setSprite(2, 8),
    playTrack(4),
};

constexpr SceneStep kSteps[] = {
    {1, setPortrait(Father), setLine("Patience, Ryu. Sit down. What is said here today stays between the four of us.")},
    {2, setPortrait(Ryu), setLine("Fine, I'm sitting. But half the country already knows the Demons are on the move.")},
    {3, setPortrait(Father), setLine("Knowing that they move is not knowing why. That is what this council is for.")},
    {4, setPortrait(Ryu), setLine("Sonia, you rode out to the border villages. Did you see them yourself?")},
    {5, setPortrait(Sonia), setLine("Only their tracks, and what was left of two farms. They didn't stop to loot. They were looking for something.")},
    {6, setPortrait(Ryu), setLine("Looking for something? Since when do Demons need a reason to burn a farm?")},
    {7, setPortrait(Father), setLine("These ones had one. Tina's Rogues have been shadowing their war bands for a month.")},
    {8, setPortrait(Ryu), setLine("The Rogues? I thought they only shadowed merchants with heavy purses.")},
    {9, setPortrait(Father), setLine("Mind your tongue, boy. Without Tina's people we would be blind out there.")},
    {10, setPortrait(Sonia), setLine("He's only teasing. Go on, Tina. I'd rather hear it from you than from the barracks.")},
    {11, setPortrait(Father), setLine("Tell them everything, Tina. Even the parts you are not sure of.")},
    {12, setPortrait(Tina), setLine("Yes, sir. Three weeks ago my scouts caught a Demon courier near the eastern pass.")},
    {13, setPortrait(Tina), setLine("He carried orders in their old script. My best reader needed four nights to make sense of them.")},
    {14, setPortrait(Tina), setLine("The Demons aren't raiding. They are gathering, because they mean to wake the Great Guardian.")},
    {15, setPortrait(Sonia), setLine("The Great Guardian? That's a tale to frighten children. It has been dead for a thousand years.")},
    {16, setPortrait(Tina), setLine("Sleeping, the orders say. Not dead. And they believe they have found a way to wake it.")},
    {17, setPortrait(Tina), setLine("For that they need blood. Not just any blood: the blood of one family.")},
    {18, setPortrait(Tina), setLine("A family with Demon blood in its veins, living hidden among Humans. That is who they hunt.")},
    {19, setPortrait(Tina), setLine("The farms they burned weren't chosen by chance. Each one had taken in a foundling, years ago.")},
    {20, setPortrait(Sonia), setLine("So they're searching for a child who was hidden away. A child of that family.")},
    {21, setPortrait(Tina), setLine("Yes. The orders name no village, only the blood. They won't stop until they find it.")},
    {22, setPortrait(Tina), setLine("My people have counted three war bands on this side of the sea, and ships bringing more.")},
    {23, setPortrait(Father), setLine("Then it is as I feared. That family is mine, and my son carries that blood.")},
    {24, setPortrait(Tina), setLine("I'm sorry, sir. I prayed I had misread the orders before I came to you.")},
    {25, setPortrait(Sonia), setLine("Then they'll come here, for Ryu. We can double the guard on the walls tonight.")},
    {26, setPortrait(Tina), setLine("Walls won't be enough. My Rogues can watch every road and pass into the valley.")},
    {27, setPortrait(Father), setLine("Do it. Anything you need from the armoury is yours, Tina.")},
    {28, setPortrait(Tina), setLine("There's one more thing. The orders warn their captains of the Zephyrs and of the Holy Chapel.")},
    {29, setPortrait(Sonia), setLine("The Zephyrs... the heavenly spirits from the old songs, the ones that drove the Demons back?")},
    {30, setPortrait(Ryu), setLine("If the Demons are afraid of them, then we need them. Where is this Holy Chapel?")},
    {31, setPortrait(Tina), setLine("On the other continent, beyond the sea. None of my people has ever found the way in.")},
    {32, setPortrait(Father), setLine("Forget the Chapel, Ryu. It is half legend, and the sea is full of Demon ships.")},
    {33, setPortrait(Ryu), setLine("It's not only the Chapel, Father. If they're hunting our blood, they're hunting my sister too.")},
    {34, setPortrait(Tina), setLine("Your sister? Sir, in all my years with you, you never spoke of a daughter.")},
    {35, setPortrait(Father), setLine("She was lost as a baby, in the last war. We searched for years and found nothing.")},
    {36, setPortrait(Father), setLine("I made my peace with it long ago. You should do the same, Ryu.")},
    {37, setPortrait(Sonia), setLine("He has a point, though. If she's alive, the Demons could reach her before we do.")},
    {38, setPortrait(Tina), setLine("And a girl who doesn't know what runs in her veins would never see them coming.")},
    {39, setPortrait(Father), setLine("Even if she lives, she could be anywhere in the world. I will not chase a ghost.")},
    {40, setPortrait(Ryu), setLine("She's not a ghost! Someone took her somewhere. Maybe across the sea, near that Chapel.")},
    {41, setPortrait(Father), setLine("Maybe. But you are the one they know is here, and here I can protect you.")},
    {42, setPortrait(Ryu), setLine("Protect me? You mean lock me up behind these walls while everyone else fights.")},
    {43, setPortrait(Tina), setLine("Your father is right, Ryu. Out there you'd be the very prize they're hunting for.")},
    {44, setPortrait(Sonia), setLine("Nobody wants to lock you up. But you'd be walking straight into their hands.")},
    {45, setPortrait(Ryu), setLine("So I sit here and wait while they find her first? I can't do that.")},
    {46, setPortrait(Father), setLine("You can, and you will. That is not a request, son.")},
    {47, setPortrait(Father), setLine("Tina's Rogues will look for your sister, quietly, the way they look for everything.")},
    {48, setPortrait(Ryu), setLine("They've been looking for a month, and all they found was one courier!")},
    {49, setPortrait(Father), setLine("Enough! I have already lost one child. I will not lose the other.")},
    {50, setPortrait(Father), setLine("You stay here until this is over. Do you understand me?")},
    {51, setPortrait(Sonia), setLine("Ryu... please. Your father only wants you safe. We all do.")},
    {52, setPortrait(Father), setLine("This council is over. Double the watch, and send riders to warn the villages.")},
    {53, setPortrait(Tina), setLine("It will be done, sir. My scouts will be on the roads before dawn.")},
    {54, setPortrait(Father), setLine("Ryu, go to your room and stay there. We will speak again in the morning.")},
    {55, setPortrait(Sonia), setLine("Ryu? Where are you going? That's not the way to your room.")},
    {56, setPortrait(Ryu), setLine("I'm sorry, Sonia. I'm going to find the Holy Chapel, and my sister with it.")},
    {57, setPortrait(Sonia), setLine("Ryu, wait! You don't have a map, or supplies, or even a ship!")},
    {58, setPortrait(Ryu), setLine("Then I'll find them on the road. And tell Father not to send anyone after me!")},
    {59, setPortrait(Father), setLine("Ryu! Stay where you are! That is an order!")},
    {60, setPortrait(Ryu), setLine("Goodbye, Father. I'll come back with the Zephyrs, and with her. I promise.")},
    {61, setPortrait(Father), setLine("Ryu! Come back here! ...That stubborn boy. He has my own temper, heaven help him."), hideSprite(1)},
    {62, setPortrait(Father), setLine("Sonia, go after him. Bring him back if you can. If you cannot, stay by his side.")},
    {63, setPortrait(Sonia), setLine("I will. I won't let anything happen to him, I swear it.")},
    {64, setPortrait(Tina), setLine("Alone on the roads, with Demons everywhere... I fear for the boy, sir."), hideSprite(0)},
    {65, setPortrait(Father), setLine("So do I, Tina. So do I. May the spirits watch over both my children.")},
    {66, hidePortrait(), setLine(""), setBackdrop(4), setLine("Far across the sea, a young woman warrior and her friend Sofi reach the gates of a small town."), hideSprite(0), hideSprite(3), hideSprite(2)},
    {67, setLine("Neither of them knows that the Demons are already searching for her. Her story begins here.")},
    {68, endScene()},
};

constexpr Operation kAfterEffects[] = {playTrack(1)};

constexpr SceneScript kScenes[] = {{0, 68, kSetUp, kSteps, kAfterEffects}};

// Steps 1 to 65 each show the speaker's face, then a line; the narration of
// 66 and 67 shows no face. Every step but the last has a line of its own.
constexpr bool councilSpeaksThenNarrationFollows(const SceneScript& s) {
    int lines = 0;
    for (const SceneStep& step : s.steps) {
        auto ops = step.operations();
        bool faced = false;
        for (const Operation& o : ops) {
            faced = faced || o.op == Op::setPortrait;
            lines += o.op == Op::setLine && !o.text.empty();
        }
        if (step.number <= 65 &&
            !(ops.size() >= 2 && ops[0].op == Op::setPortrait && ops[1].op == Op::setLine))
            return false;
        if (step.number > 65 && faced) return false;
    }
    return lines == s.stepCount - 1;
}

static_assert(allWellFormed(kScenes));
static_assert(everyStepListed(kScenes[0]));
static_assert(councilSpeaksThenNarrationFollows(kScenes[0]));

}  // namespace

std::span<const SceneScript> openingScene() { return kScenes; }

}  // namespace cutscenes
