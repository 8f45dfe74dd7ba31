// Stage 896, the reunion: after the battle in the volcano the companions
// gather in town, Ryu comes back, the hero resolves to go after Maurice, and
// the party is healed before she picks a companion.
#include "cutscenes/scene_checks.h"
#include "cutscenes/scenes.h"

namespace cutscenes {
namespace {

using namespace face;

// Sprite slots: 0 Myst, 1 Sonia, 2 the hero, 3 Darwin, 6 Jack, 7 Chi, 8 Bree.
constexpr Operation kSetUp[] = {
    setBackdrop(12),
    setPortrait(Sonia),
    setLine("Is everyone here? Let me count... Jack, Darwin, Bree, Chi, Myst..."),
    setSprite(2, 9),
    setSprite(3, 1),
    setSprite(0, 12),
    setSprite(8, 10),
    setSprite(7, 3),
    setSprite(1, 6),
    setSprite(6, 7),
    playTrack(4),
};

constexpr SceneStep kSteps[] = {
    // All but Ryu; then he walks in, boasting.
    {1, setPortrait(Jack), setLine("Everyone but Ryu. None of my men has seen him since the fighting inside the volcano.")},
    {2, setPortrait(Hero), setLine("Then we wait. I won't leave this town without my brother.")},
    {3, setPortrait(Ryu), setLine("Did somebody say brother? Here I am, and not a scratch on me!"), setSprite(9, 5)},
    {4, setPortrait(Sonia), setLine("Ryu! Where have you been? We thought the Demons had you.")},
    {5, setPortrait(Hero), setLine("You're really unhurt? I was so afraid I'd lost you too.")},
    {6, setPortrait(Ryu), setLine("Afraid? They should've been afraid. I beat a whole pack of Demons by myself!")},
    {7, setPortrait(Bree), setLine("A whole pack, alone? I'd believe it more if you'd stop grinning.")},
    {8, setPortrait(Ryu), setLine("Believe what you like. Next time you can come and watch, if you can keep up.")},
    {9, setPortrait(Sonia), setLine("Leave him be, Bree. He boasts loudest when he's most relieved.")},
    {10, setPortrait(Jack), setLine("Good to have you back, Ryu. Now, there are still Demons to deal with.")},
    {11, setPortrait(Myst), setLine("The wounded we left at the gate lived; the Demons passed them by. But a few still lurk in the volcano.")},
    {12, setPortrait(Darwin), setLine("Stragglers. Their masters fled down to their hold, the deepest level under the volcano.")},
    {13, setPortrait(Ryu), setLine("Then let's go and dig them out! I'm not tired yet.")},
    // The man on the east road.
    {14, setPortrait(Sonia), setLine("Wait. There's something else. The townsfolk saw a man on the east road this morning.")},
    {15, setPortrait(Hero), setLine("A man? What did he look like?")},
    {16, setPortrait(Sonia), setLine("Tall, cloaked, walking fast into the mountains east of town. He stopped for no one.")},
    {17, setPortrait(Darwin), setLine("A lone man hurrying away from a lost battle. That can only be Maurice.")},
    {18, setPortrait(Ryu), setLine("Maurice! So he crawled out of the volcano. I knew that was too easy.")},
    {19, setPortrait(Sonia), setLine("We can't be sure it was him. But who else would head into those mountains now?")},
    {20, setPortrait(Jack), setLine("Then someone goes after him today, before the snow covers his tracks.")},
    // Talk to him, or kill him.
    {21, setPortrait(Darwin), setLine("Agreed. Find him, and finish him. He has led the Demon armies long enough.")},
    {22, setPortrait(Sonia), setLine("Finish him? Darwin, whatever he's done, he's still their brother.")},
    {23, setPortrait(Hero), setLine("I'll go after him. But I want to talk to him, not kill him.")},
    {24, setPortrait(Darwin), setLine("Talk? He wants your brother's blood, and he would take yours as gladly. Words are wasted on him.")},
    {25, setPortrait(Hero), setLine("He's our brother, Darwin. Maybe no one has ever spoken to him as one.")},
    {26, setPortrait(Bree), setLine("He's a Demon general. Speak to him and he'll cut your throat mid-sentence.")},
    {27, setPortrait(Chi), setLine("The monks would say her heart is right. If blood can be spared, it must be tried.")},
    {28, setPortrait(Sonia), setLine("I'm with Chi. Your father would never have wanted his children killing each other.")},
    {29, setPortrait(Myst), setLine("I have felt hatred in many Demons. In him, I think, there is also something lost.")},
    {30, setPortrait(Ryu), setLine("He wants me dead, you know. But if you say we talk, then we talk. I'm with you.")},
    {31, setPortrait(Bree), setLine("So I'm outvoted. Fine, but don't say I didn't warn you.")},
    {32, setPortrait(Hero), setLine("Thank you, all of you. I won't take an army. An army would only make him fight.")},
    // The others hunt the last Demons and wait in the first house.
    {33, setPortrait(Sonia), setLine("Then the rest of us go back into the volcano and clear it from the top down.")},
    {34, setPortrait(Ryu), setLine("Good! I wasn't finished with them anyway.")},
    {35, setPortrait(Sonia), setLine("You'll go where Jack sends you, and you'll come back when he says so.")},
    {36, setPortrait(Ryu), setLine("Yes, yes. You sound just like Father sometimes, Sonia.")},
    {37, setPortrait(Darwin), setLine("Loudly, level by level. While they watch us, anyone taking another way into their hold goes unseen.")},
    {38, setPortrait(Bree), setLine("And when we're done? We can't all sit in a volcano waiting for her.")},
    {39, setPortrait(Myst), setLine("The first house in this town has room for all of us. We could wait there.")},
    {40, setPortrait(Chi), setLine("Then let it be so. One of us walks with her now; the rest wait in that house until she returns.")},
    {41, setPortrait(Jack), setLine("Good. We hunt by day, and keep a lamp lit in the first house for her each night.")},
    // The tunnel, and who built it.
    {42, setPortrait(Sonia), setLine("One more thing. I want to know who built that tunnel through the mine.")},
    {43, setPortrait(Hero), setLine("The one under the sea? I thought the Demons dug it.")},
    {44, setPortrait(Jack), setLine("The Demons used it, no doubt. But nobody I've asked knows who built it.")},
    {45, setPortrait(Sonia), setLine("And your father's miners closed its doors. He must have known more than he told us.")},
    {46, setPortrait(Ryu), setLine("Father kept a lot to himself. An elder son, for one.")},
    {47, setPortrait(Sonia), setLine("He did. And maybe that tunnel was another of his secrets. I mean to find out.")},
    {48, setPortrait(Ryu), setLine("By yourself? You always tell me not to go poking into dark holes alone.")},
    {49, setPortrait(Sonia), setLine("I'm not a boy who runs off in the night. I'll be careful, I promise.")},
    {50, setPortrait(Ryu), setLine("Fair enough. But whatever you find down there, I want to hear it first.")},
    {51, setPortrait(Sonia), setLine("You'll be the first I tell. Your sister may need that road to get back across the sea.")},
    {52, setPortrait(Ryu), setLine("Back across the sea... And what's left for me here? Father's whole town stands empty.")},
    // The orphanage.
    {53, setPortrait(Sonia), setLine("Towns can be filled again. Your sister has plans of her own, from what she tells me.")},
    {54, setPortrait(Hero), setLine("When this is over, I'm going to rebuild the orphanage. For Sofi.")},
    {55, setPortrait(Sonia), setLine("A home for children, in her name. You've carried her with you this whole way.")},
    {56, setPortrait(Hero), setLine("She deserved a long life. The least I can do is give other children a home.")},
    {57, setPortrait(Sonia), setLine("Then you'll have help. I've a feeling none of us will want to miss it.")},
    {58, setPortrait(Hero), setLine("First I have to find Maurice. Everything else can wait until then.")},
    // The balloon, and the companion she takes.
    {59, setPortrait(Darwin), setLine("If the tunnel fails you, there is another way across. King Veyl owns a hot-air balloon.")},
    {60, setLine("His townspeople carried our supplies. I am sure he would lend it, if asked politely.")},
    {61, setPortrait(Hero), setLine("A balloon... I'll remember that. Thank you, Darwin.")},
    {62, setPortrait(Darwin), setLine("Now, the question that matters. Who goes with you into those mountains?")},
    {63, setPortrait(Hero), setLine("I've decided already. Rest now, all of you. I set out within the hour."), refillParty()},
    {64, endScene()},
};

constexpr Operation kAfterEffects[] = {playTrack(19)};

constexpr SceneScript kScenes[] = {{896, 64, kSetUp, kSteps, kAfterEffects}};

static_assert(allWellFormed(kScenes));
static_assert(ordinaryStepForm(kScenes[0]));
// Every step from 1 to 63 speaks; only step 60 keeps the face before it.
static_assert(stepsDoing(kScenes[0], Op::setPortrait, {{1, 59}, {61, 63}}));
static_assert(stepsSaying(kScenes[0], {{1, 63}}));
static_assert(stepsDoing(kScenes[0], Op::setSprite, {{3, 3}}));
static_assert(stepsDoing(kScenes[0], Op::refillParty, {{63, 63}}));

}  // namespace

std::span<const SceneScript> reunionScene() { return kScenes; }

}  // namespace cutscenes
