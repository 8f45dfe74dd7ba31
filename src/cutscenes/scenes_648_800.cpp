// Stages 648 to 800: the elder brother's plan, the attack on the volcano,
// Sonia's account to Ryu, and the alarm outside the volcano.
#include <algorithm>

#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 648: the elder brother's plan.
constexpr Operation kSetUp648[] = {
    setBackdrop(0),
    setPortrait(Maurice),
    setLine("The poison on my blade has never failed me. Ryu should be dying by now, if he isn't dead."),
    setSprite(7, 0),
    playTrack(12),
};
constexpr SceneStep kSteps648[] = {
    {1, setLine("One scratch is enough. By now the fever has him, and that fever does not let go.")},
    {2, setLine("The Demons will howl, of course. They wanted him breathing, for their precious Guardian.")},
    {3, setLine("Let them howl. A sleeping god has never done anything for me.")},
    {4, setLine("Why wake a Guardian to rule over us all, when its power could run in my own veins instead?")},
    {5, setLine("Brewed with care, the blood of that family becomes a potion like no other.")},
    {6, setLine("One draught, and I become the greatest Demon this world has ever seen. Greater than the Guardian.")},
    {7, setLine("Dead or dying, his blood will serve. It only has to be fresh when I draw it.")},
    {8, setLine("Meanwhile the Demons dig toward the fire under the world. Let them. I will be done long before.")},
    {9, setLine("And who has a better right to that blood than I? It runs in my veins too, after all.")},
    {10, setLine("Yes, little brother. You never knew you had one, did you? Our father made very sure of that.")},
    {11, setLine("He had a son long before you. A Demon child, with the blood plain in his face.")},
    {12, setLine("So he left me to die, out in the dark, where no one would ever have to look at me.")},
    {13, setLine("I did not oblige him. I lived, and I have had many years to think about that night.")},
    {14, setLine("He kept one son and threw the other away. Now the one he kept will pay for both of us.")},
    {15, setLine("Sleep well, little brother, wherever you lie. Your blood will do great things, even if you never did.")},
    {16, setLine("And when it is done, no Demon and no Human will ever leave me out in the dark again.")},
    {17, endScene()},
};
constexpr Operation kAfter648[] = {playTrack(17)};

// Stage 700: the armies attack the volcano.
constexpr Operation kSetUp700[] = {
    setBackdrop(11),
    setPortrait(Darwin),
    setLine("Feel that heat, Jack? Your men would not last an hour in there without our protection."),
    setSprite(2, 1),
    setSprite(7, 7),
    playTrack(16),
};
constexpr SceneStep kSteps700[] = {
    {1, setPortrait(Jack), setLine("An hour? I'd give them a lot less. Half of them are sweating through their mail already.")},
    {2, setPortrait(Darwin), setLine("Then let us not keep them waiting. Bring your men up, group by group, as we agreed.")},
    {3, setPortrait(Jack), setLine("The groups are formed. Five men each, shields forward, and not one of them wants to stay behind.")},
    // The spell is heard as it is cast.
    {4, setPortrait(Darwin), setLine("Mystic Demons, raise the shield over every man! Let the fire pass them by!"), playSound(5)},
    {5, setPortrait(Jack), setLine("I can feel it. Like cold water poured over my head. The heat's still there, but it can't reach us.")},
    {6, setPortrait(Darwin), setLine("It will hold as long as your men stay close to mine. Tell them not to wander off.")},
    {7, setPortrait(Jack), setLine("They heard you. Nobody strays more than a sword's length from the nearest of your people.")},
    {8, setPortrait(Darwin), setLine("Good. We go ahead into the tunnels and break the Demons there before your men arrive.")},
    {9, setPortrait(Jack), setLine("And we'll be right on their heels. Men, form up! Swords out, and stay behind the Mystic Demons!")},
    {10, setPortrait(Darwin), setLine("Forward, my people! For every village they burned, for every family they hunted!")},
    {11, setPortrait(Jack), setLine("There they go. I've never seen anything move that fast through fire.")},
    {12, setPortrait(Darwin), setLine("We have waited a long time to strike back at the Demons. Today nothing holds my people back.")},
    {13, setPortrait(Jack), setLine("Our turn. First group, in! Second group, wait for my signal, then follow!")},
    {14, setPortrait(Darwin), setLine("Listen to that. The fighting has already started in the tunnels below.")},
    {15, setPortrait(Jack), setLine("Then I'm not standing up here while my men fight. I'm going down with the next group.")},
    {16, setPortrait(Darwin), setLine("You will not go alone. I have not come all this way to watch from the doorstep.")},
    {17, setPortrait(Jack), setLine("Then stay close, Darwin. Let's show them what Humans and Mystic Demons can do together.")},
    {18, endScene()},
};
constexpr Operation kAfter700[] = {playTrack(14)};

// Stage 738: Sonia tells Ryu the truth.
constexpr Operation kSetUp738[] = {
    setBackdrop(11),
    setPortrait(Ryu),
    setLine("Sonia! Sonia, can you hear me? Come on, say something!"),
    setSprite(2, 5),
    setSprite(7, 6),
    playTrack(16),
};
constexpr SceneStep kSteps738[] = {
    {1, setPortrait(Sonia), setLine("Ryu...? Is that you? My head... everything is spinning.")},
    {2, setPortrait(Ryu), setLine("It's me. Don't try to stand yet. What happened? Who did this to you?")},
    {3, setPortrait(Sonia), setLine("Tina. It was Tina, Ryu. She found me on the mountain, and we fought.")},
    {4, setPortrait(Ryu), setLine("Tina? She's the captain of Father's Rogues! She'd never raise a hand against you!")},
    {5, setPortrait(Sonia), setLine("She's gone over to the Demons. She told me so herself, and then she tried to kill me.")},
    {6, setPortrait(Ryu), setLine("Then where is she? I'll find her myself and make her answer for it!")},
    {7, setPortrait(Sonia), setLine("You won't find her. She's dead, Ryu. I... I never wanted it to end like that.")},
    {8, setPortrait(Ryu), setLine("Dead... Tina, of all people. The Rogues, the camp, all those years. Was it all a lie?")},
    {9, setPortrait(Sonia), setLine("Not all of it. But she turned long ago, and she killed her own Rogues when they wouldn't follow.")},
    {10, setPortrait(Ryu), setLine("That's why the valley was empty when we got there. No one on the walls, no one on the roads.")},
    {11, setPortrait(Sonia), setLine("There's more, Ryu. Things she told me about your father. Things I should have told you myself.")},
    {12, setPortrait(Ryu), setLine("About Father? What could Tina possibly know about him that I don't?")},
    {13, setPortrait(Sonia), setLine("For one thing, that I loved him. A long time ago, before I ever watched over you.")},
    {14, setPortrait(Ryu), setLine("You... loved Father? Sonia, I never knew. I never even guessed.")},
    {15, setPortrait(Sonia), setLine("He never noticed, and I never told him. Tina noticed. Tina noticed everything.")},
    {16, setLine("But that's not what matters now. Listen to me. Your father had another son.")},
    {17, setLine("Older than you, and born with Demon blood. Your father abandoned him, and kept it from every one of us.")},
    {18, setLine("The child lived, Ryu. He grew up, and now he works with the Demons.")},
    {19, setLine("And he wants you dead. Tina seemed sure of it. Your own brother wants your blood.")},
    {20, setPortrait(Ryu), setLine("A brother? Father had... no. No, he would have told me. He would have told someone!")},
    {21, setPortrait(Sonia), setLine("He never spoke of your sister to Tina in all her years with him. He kept his griefs to himself.")},
    {22, setPortrait(Ryu), setLine("Wait. The cloaked Demon on the tower stair, who stared at me as if he knew me...")},
    {23, setPortrait(Sonia), setLine("Ryu? What is it? You've gone pale.")},
    {24, setPortrait(Ryu), setLine("I've met him, Sonia! Face to face, close enough to touch. Those eyes were Father's eyes!")},
    {25, setPortrait(Sonia), setLine("Then he knows your face as well as you know his. Ryu, you must be careful.")},
    {26, setPortrait(Ryu), setLine("Careful? He's the one who should be careful. Brother or not, he sides with the Demons.")},
    {27, setPortrait(Sonia), setLine("Don't. I've seen today what hatred does to a friend. Don't let it happen to you too.")},
    {28, setPortrait(Ryu), setLine("Then what am I supposed to do? Sit and wait for him to come and take my blood?")},
    {29, setPortrait(Sonia), setLine("No. You do what you came here to do. The Demons are deeper in this mountain, and so are our friends.")},
    {30, setPortrait(Ryu), setLine("Jack and Darwin went in without us? How long ago?")},
    {31, setPortrait(Sonia), setLine("I can't say. I've heard fighting from deeper in for a while now, and it hasn't stopped.")},
    {32, setPortrait(Ryu), setLine("Then we're wasting time. Can you walk? Can you still draw that bow of yours?")},
    {33, setPortrait(Sonia), setLine("Give me your arm. I'll manage. After Tina, a few more Demons hold no fear for me.")},
    // A cry from inside the mountain.
    {34, setPortrait(Darwin), setLine("To me, all of you! They are coming up from below! We need every sword in here!")},
    {35, setPortrait(Ryu), setLine("That was Darwin! They're in trouble in there!")},
    {36, setPortrait(Sonia), setLine("Then go. Don't wait for me. I'll be right behind you.")},
    {37, setPortrait(Ryu), setLine("Not a chance. We go in together, Sonia. Come on!")},
    {38, endScene()},
};
constexpr Operation kAfter738[] = {playTrack(17)};

// Stage 800: the alarm outside the volcano.
constexpr Operation kSetUp800[] = {
    setBackdrop(11),
    setPortrait(Myst),
    setLine("Chi, wait. Do you feel that? Something is coming toward us, and it is not one of ours."),
    setSprite(2, 12),
    setSprite(7, 3),
    playTrack(16),
};
constexpr SceneStep kSteps800[] = {
    {1, setPortrait(Chi), setLine("I feel nothing but the heat of the mountain. What is it, Myst?")},
    {2, setPortrait(Myst), setLine("Demons. Not deeper in with the others, but outside, coming up from the shore. They are moving fast.")},
    {3, setPortrait(Chi), setLine("How many of them? Take your time, and be sure.")},
    {4, setPortrait(Myst), setLine("A dozen, perhaps. It is hard to count them; their anger runs together like one great fire.")},
    {5, setPortrait(Chi), setLine("A dozen. And here we are, the two of us, with a hall full of wounded men.")},
    {6, setPortrait(Myst), setLine("I could hold a few of them back with a spell. Not a dozen. Not for long.")},
    {7, setPortrait(Chi), setLine("Then we will not try. If we stand here, we die here, and the wounded with us.")},
    {8, setPortrait(Myst), setLine("But where can we go? The Demons are coming to the gate, and beyond this hall is only the mountain.")},
    {9, setPortrait(Chi), setLine("Deeper in, then. We go down into the volcano and find the others. Apart, we cannot face this.")},
    {10, setPortrait(Myst), setLine("And leave the wounded? Chi, they cannot walk. Some of them cannot even speak.")},
    {11, setPortrait(Chi), setLine("The Demons are hunting those who can fight. If they follow us inside, the wounded may be spared.")},
    {12, setPortrait(Myst), setLine("It is a hard choice. But I think the Humans I have come to know would make the same one.")},
    {13, setPortrait(Chi), setLine("Then we are agreed. Gather what strength you have. Are you ready?")},
    {14, setPortrait(Myst), setLine("Give me a moment first. I will not leave them without a prayer.")},
    {15, setPortrait(Chi), setLine("Be quick, Myst. I can hear them at the gate now.")},
    {16, setPortrait(Myst), setLine("Spirits of this world, keep these men hidden, and carry their pain until we return for them.")},
    {17, setPortrait(Chi), setLine("Well said. Now, into the mountain, and may we find the others alive.")},
    {18, endScene()},
};
constexpr Operation kAfter800[] = {playTrack(25)};

constexpr SceneScript kScenes[] = {
    {648, 17, kSetUp648, kSteps648, kAfter648},
    {700, 18, kSetUp700, kSteps700, kAfter700},
    {738, 38, kSetUp738, kSteps738, kAfter738},
    {800, 18, kSetUp800, kSteps800, kAfter800},
};

static_assert(allWellFormed(kScenes));
static_assert(std::ranges::all_of(kScenes, ordinaryStepForm));

}  // namespace

std::span<const SceneScript> scenes648To800() { return kScenes; }

}  // namespace cutscenes
