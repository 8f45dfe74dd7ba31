// Stages 68 to 203: Ryu and Sonia look for the Holy Chapel, Ryu's father and
// Tina face the first Demon attacks, the hero mourns Sofi and meets Sonia,
// and Ryu learns how the Zephyrs may be summoned.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Stage 68: Ryu on his way; Sonia catches up.
constexpr Operation kSetUp68[] = {
    setBackdrop(3),
    setPortrait(Ryu),
    setLine("So this is the other continent. Strange roads, strange forests... where do I even start?"),
    setSprite(1, 4),
    playTrack(5),
};
// Ryu alone until Sonia catches up at step 5 (sprite slot 2).
constexpr SceneStep kSteps68[] = {
    {1, setLine("Somewhere on this side of the sea stands the Holy Chapel. Nobody back home knew where.")},
    {2, setLine("And my sister... if she's alive, she could be in any town on this coast. Would I know her face?")},
    {3, setLine("She'd be grown by now. I wonder if anyone ever told her she has a brother.")},
    {4, setLine("...")},
    {5, setPortrait(Sonia), setLine("Ryu! Three harbours and two fishing boats, and here you are, staring at the waves."), setSprite(2, 11)},
    {6, setPortrait(Ryu), setLine("Sonia? What are you doing here? I told them not to send anyone after me!")},
    {7, setPortrait(Sonia), setLine("Your father's orders: bring you home, or stay at your side if you won't come.")},
    {8, setPortrait(Ryu), setLine("Well, I'm not going home. Not without the Zephyrs, and not without her.")},
    {9, setPortrait(Sonia), setLine("I know. I saw your face at that council. That's why I won't drag you back.")},
    {10, setPortrait(Ryu), setLine("Then what? You'll trail after me like a nursemaid and report every step to Father?")},
    {11, setPortrait(Sonia), setLine("We've found our way out of worse together. Let me help again: the Chapel first, then your sister.")},
    {12, setPortrait(Ryu), setLine("...Fine. But I lead, and no letters home behind my back.")},
    {13, setPortrait(Sonia), setLine("Agreed, no letters. And I swear I'll keep you safe, whatever road this takes us down.")},
    {14, setPortrait(Ryu), setLine("Then let's go! The Chapel can't be far from the coast, I'm sure of it.")},
    {15, setPortrait(Sonia), setLine("Let's hope you're right for once. And stay where I can see you this time.")},
    {16, endScene()},
};
constexpr Operation kAfter68[] = {playTrack(1)};

// Stage 121: Ryu's father and Tina weigh the Demon attacks.
constexpr Operation kSetUp121[] = {
    setBackdrop(12),
    setPortrait(Father),
    setLine("Another village struck in the night, Tina? Tell me how many of them there were this time."),
    setSprite(0, 8),
    setSprite(3, 2),
    playTrack(5),
};
constexpr SceneStep kSteps121[] = {
    {1, setPortrait(Tina), setLine("Eleven Demons, sir, no more. Two houses burned, one well fouled, no one taken.")},
    {2, setPortrait(Father), setLine("Eleven. Last month they came forty strong. Why do they send so few?")},
    {3, setPortrait(Tina), setLine("That is the pattern now, sir. Packs of ten or twelve, striking and gone before dawn.")},
    {4, setLine("Seven raids in nineteen days, and not one pack larger than fifteen.")},
    {5, setLine("My scouts think the packs only keep us busy, while their main force is drawn off elsewhere.")},
    {6, setPortrait(Father), setLine("Drawn off where? An army does not vanish from a valley.")},
    {7, setPortrait(Tina), setLine("East, toward the coast, sir. We lost their tracks at the water's edge.")},
    {8, setPortrait(Father), setLine("The coast... Then they may be after my son. That is the road he took.")},
    {9, setPortrait(Tina), setLine("It may be so, sir. Sonia took the same road within the hour he left.")},
    {10, setLine("There is worse. A trader from across the sea swears Demons were seen on the other continent.")},
    {11, setPortrait(Father), setLine("On the other continent? Impossible. My miners closed every door there long ago.")},
    {12, setPortrait(Tina), setLine("Every door, sir? The trader told it twice, before three witnesses.")},
    {13, setPortrait(Father), setLine("Every one. I saw the last of them sealed myself. If Demons are there, they crossed by sea.")},
    {14, setPortrait(Tina), setLine("Then not all the ships we counted were bringing troops here. Some sailed the other way.")},
    {15, setLine("I can send two of my best scouts after the boy, sir. Quietly, as always.")},
    {16, setPortrait(Father), setLine("Not yet. Ryu has Sonia, and I need every Rogue here while the packs still come.")},
    {17, setPortrait(Tina), setLine("Sir! The bells on the east wall! Demons at the gate, thirty of them at least!")},
    {18, setPortrait(Father), setLine("So much for small packs. Tina, your Rogues to the walls. Archers on the towers.")},
    {19, setPortrait(Tina), setLine("At once, sir. Twelve to the gate, the rest to the towers.")},
    {20, setPortrait(Father), setLine("Rally the guard and bar the gate! No Demon sets foot inside these walls tonight!")},
    {21, endScene()},
};
constexpr Operation kAfter121[] = {playTrack(0)};

// Stage 166: Ryu and Sonia part; Jack joins the hero.
constexpr Operation kSetUp166[] = {
    setBackdrop(1),
    setPortrait(Ryu),
    setLine("That forest must be the last one before the Holy Chapel. We're close now, Sonia."),
    setSprite(1, 4),
    setSprite(2, 11),
    playTrack(5),
};
constexpr SceneStep kSteps166[] = {
    {1, setPortrait(Sonia), setLine("Close, yes. Which is why I've been thinking about what comes after the Chapel.")},
    {2, setPortrait(Ryu), setLine("After? We ask the monks about the Zephyrs. Then we look for my sister. Simple.")},
    {3, setPortrait(Sonia), setLine("Not so simple. Every day we spend together on the road is a day she's alone out there.")},
    {4, setPortrait(Ryu), setLine("So we split up? You're supposed to stick to me, remember? Father's orders.")},
    {5, setPortrait(Sonia), setLine("I remember. But no Demon will set foot in a holy place. You'll be safe at the Chapel.")},
    {6, setPortrait(Ryu), setLine("And you'd go looking for her by yourself? You don't even know what she looks like.")},
    {7, setPortrait(Sonia), setLine("Neither do you. I'll ask in every town for a young woman who was once a foundling.")},
    {8, setPortrait(Ryu), setLine("Hmph. I wanted to be the one who found her. But you're right, the monks come first.")},
    {9, setPortrait(Sonia), setLine("You'll have your chance. Ask the monks what they know of the Zephyrs, and listen for once.")},
    {10, setPortrait(Ryu), setLine("I always listen! Well, when it's worth hearing. Where do we meet, once we're both done?")},
    {11, setPortrait(Sonia), setLine("Where the river we crossed two days ago runs out over the sand. Can you find it again?")},
    {12, setPortrait(Ryu), setLine("Of course I can. I'm not the one who nearly fell in.")},
    {13, setPortrait(Sonia), setLine("I swear that stone moved. Wait for me by the river's mouth, Ryu, however long it takes.")},
    {14, setPortrait(Ryu), setLine("I will. And Sonia... if you find her, tell her I'm coming. Tell her she's not alone.")},
    {15, endScene()},
};
// The music comes last, after the hero is moved and Jack has joined.
constexpr Operation kAfter166[] = {moveHero(152, 130), companionJoins(Jack), playTrack(0)};

// Stage 190: the hero at the cliff; the last stand of Ryu's father.
constexpr Operation kSetUp190[] = {
    setBackdrop(6),
    setPortrait(Hero),
    setLine("..."),
    setSprite(4, 9),
};
// The hero edges toward the brink (slot 4, steps 13 to 18) until Sonia
// (slot 5) stops her; at step 38 the scene moves to the father's town, where
// Tina (slot 0) reports to the wounded father (slot 3).
constexpr SceneStep kSteps190[] = {
    {1, setLine("Sofi... I keep telling myself it isn't real. That you'll open your eyes and laugh at me.")},
    {2, setLine("...")},
    {3, setLine("You always walked ahead of me, calling back that I was too slow. I can still hear you.")},
    {4, setLine("...")},
    {5, setLine("We grew up in the same orphanage, you and I. You were the only family I ever had.")},
    {6, setLine("...")},
    {7, setLine("I should have been the one in front. I had a sword in my hand, and it did nothing.")},
    {8, setLine("...")},
    {9, setLine("Where do I even go now? The orphanage is gone, and nobody is waiting for me anywhere.")},
    {10, setLine("...")},
    {11, setLine("I'm so tired, Sofi. Of the roads, of the fighting, of all of it.")},
    {12, setLine("...")},
    {13, setLine("The wind is so strong up here. It is the only thing I can hear now."), moveSprite(4, 20)},
    {14, setLine("..."), moveSprite(4, 20)},
    {15, setLine("Wait for me, Sofi. I don't want to walk the rest of this road alone."), moveSprite(4, 20)},
    {16, setLine("..."), moveSprite(4, 20)},
    {17, setLine("The edge is right there. Just a few more steps, and I could be with you again."), moveSprite(4, 20)},
    {18, setLine("..."), moveSprite(4, 25)},
    {19, setPortrait(Sonia), setLine("Stop! Step away from the edge, please. Whatever happened, this isn't the way."), setSprite(5, 11)},
    {20, setPortrait(Hero), setLine("...")},
    {21, setPortrait(Sonia), setLine("That's it. One step back, then another. I won't hurt you. My name is Sonia.")},
    {22, setPortrait(Hero), setLine("Why do you care? You don't even know me.")},
    {23, setPortrait(Sonia), setLine("I don't need to know you to see you're hurting. Who was it you lost?")},
    {24, setPortrait(Hero), setLine("Her name was Sofi. She was my friend. My only friend.")},
    {25, setPortrait(Sonia), setLine("I'm so sorry. I've lost people in this war too. The weight never leaves; you learn to carry it.")},
    {26, setPortrait(Hero), setLine("I couldn't protect her. I was only a step behind her, and still I couldn't save her.")},
    {27, setPortrait(Sonia), setLine("Then carry her memory instead of that blame. She wouldn't want you to follow her over a cliff.")},
    {28, setPortrait(Hero), setLine("How would you know what she wanted?")},
    {29, setPortrait(Sonia), setLine("Because I know what I'd want, if it were me who had fallen. I'd want my friend to live.")},
    {30, setPortrait(Hero), setLine("She used to tell me to watch where I was going, not where I had been.")},
    {31, setPortrait(Sonia), setLine("She sounds like a wise friend. Where does she lie now?")},
    {32, setPortrait(Hero), setLine("With the monks at the shrine. I won't leave her with strangers, and I can't bury her on this rock.")},
    {33, setPortrait(Sonia), setLine("Then we won't. I'll carry her down to the nearest town myself, and she'll have a proper grave.")},
    {34, setPortrait(Hero), setLine("...")},
    {35, setPortrait(Sonia), setLine("I'm searching for someone too, a young woman lost long ago. Maybe we can help each other.")},
    {36, setLine("Walk with me as far as the town, at least. You don't have to decide anything else tonight.")},
    {37, setPortrait(Hero), setLine("..."), hideSprite(5)},
    {38, setBackdrop(12), setPortrait(Tina), setLine("Sir, you're bleeding! Let me call the healers before you say another word."), setSprite(0, 8), setSprite(3, 2), hideSprite(4)},
    {39, setLine("The news is bad, sir. The Demons fell on the Rogue camp before dawn. Sixty of them, maybe more.")},
    {40, setPortrait(Father), setLine("The camp... How many of your people came back, Tina?")},
    {41, setLine("Tell me plainly. I have heard bad news before, and I will hear it again.")},
    {42, setPortrait(Tina), setLine("Nineteen, sir, out of eighty-four. The camp itself is ash. There is nothing left to hold.")},
    {43, setPortrait(Father), setLine("Sixty-five good men and women lost. The Demons will answer for every one of them.")},
    {44, setPortrait(Tina), setLine("Not today, sir. Their main force holds the valley, and the east gate is breached.")},
    {45, setPortrait(Father), setLine("Then hear me. Take what is left of your army and retreat into the hills.")},
    {46, setPortrait(Tina), setLine("Retreat, sir? And leave you here, wounded? I cannot do that.")},
    {47, setPortrait(Father), setLine("You must. Find Ryu, and protect him at all costs. Nothing else matters now.")},
    {48, setPortrait(Tina), setLine("Then come with us, sir. Two horses stand saddled at the north gate.")},
    {49, setPortrait(Father), setLine("No. Someone must hold them here, or they will ride you down before you reach the hills.")},
    {50, setLine("I have lived my whole life in this valley. I will not run from it at the end.")},
    {51, setPortrait(Tina), setLine("Yes, sir. I will keep the boy safe, whatever it costs. You have my word.")},
    {52, setPortrait(Father), setLine("Go now, Tina, and do not look back. May the spirits guide your Rogues.")},
    {53, endScene()},
};
constexpr Operation kAfter190[] = {companionJoins(Sonia)};

// Stage 203: Ryu at the Holy Chapel.
constexpr Operation kSetUp203[] = {
    setBackdrop(2),
    setPortrait(Ryu),
    setLine("Excuse me, are you one of the monks here? I've crossed the sea to show you something."),
    setSprite(3, 5),
    setSprite(1, 3),
    playTrack(5),
};
constexpr SceneStep kSteps203[] = {
    {1, setLine("This parchment says the Demons fear the Zephyrs and this Chapel. I need to know why.")},
    {2, setPortrait(Monk), setLine("Let me see it, my son. These marks are old. Older than the walls of this Chapel.")},
    {3, setPortrait(Ryu), setLine("I don't care how old they are. How do I summon the Zephyrs? The Demons are hunting my family.")},
    {4, setPortrait(Monk), setLine("Summon them? You speak as if the Zephyrs were hounds that come to a whistle.")},
    {5, setPortrait(Ryu), setLine("Then tell me how it's done! I didn't cross an ocean to hear riddles.")},
    {6, setPortrait(Monk), setLine("...")},
    {7, setLine("Sit, and hear the legend as it was told to me. Then you may judge whether it is a riddle.")},
    {8, setPortrait(Ryu), setLine("All right, I'll listen. Just... keep it short, please.")},
    {9, setPortrait(Monk), setLine("A thousand years past, the Demons poured out of the earth and covered the land in fire.")},
    {10, setLine("Then the Zephyrs came down from the heavens, spirits of wind and light, and drove them back.")},
    {11, setLine("The Great Guardian the Demons hail fell silent, and the world has called it dead ever since.")},
    {12, setPortrait(Ryu), setLine("It isn't dead, it only sleeps. And they mean to wake it. Can the Zephyrs stop them again?")},
    {13, setPortrait(Monk), setLine("Perhaps. The Zephyrs do not answer pride or fear, only a prayer made in the right place.")},
    {14, setLine("The first Zephyr appeared at a tower on the other continent, far across the sea from here.")},
    {15, setLine("That tower stands above the mountains and is surrounded by water. Few have ever reached it.")},
    {16, setLine("Climb to its height and pray. If the Zephyrs still listen, it is there they will hear you.")},
    {17, setLine("I cannot promise they will answer. The legend tells where they came, not whether they return.")},
    {18, setPortrait(Ryu), setLine("The other continent? That's where I came from! All that way for nothing!")},
    {19, setLine("Weeks on a leaking boat, and now I get to do it all again. Wonderful. Just wonderful.")},
    {20, setPortrait(Monk), setLine("Not for nothing. You came to learn the way, and now you know it. Go in peace, my son.")},
    {21, endScene()},
};
constexpr Operation kAfter203[] = {playTrack(0)};

constexpr SceneScript kScenes[] = {
    {68, 16, kSetUp68, kSteps68, kAfter68},
    {121, 21, kSetUp121, kSteps121, kAfter121},
    {166, 15, kSetUp166, kSteps166, kAfter166},
    {190, 53, kSetUp190, kSteps190, kAfter190},
    {203, 21, kSetUp203, kSteps203, kAfter203},
};

static_assert(allWellFormed(kScenes));
static_assert(ordinaryStepForm(kScenes[0]));
static_assert(ordinaryStepForm(kScenes[1]));
static_assert(ordinaryStepForm(kScenes[2]));
// The move from the cliff to the father's town changes the backdrop before the face.
static_assert(ordinaryStepFormMovingAt(kScenes[3], 38));
static_assert(ordinaryStepForm(kScenes[4]));

}  // namespace

std::span<const SceneScript> scenes68To203() { return kScenes; }

}  // namespace cutscenes
