#include "cutscenes/frmintro.h"

#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace cutscenes {

// Told by a monk of the Holy Chapel: the old war only.
const std::array<std::string_view, 31> kIntroLines = {
    "One thousand years ago...",
    "...the Demons rose out of the fire beneath the earth, and the whole world trembled before them.",
    "The Humans took up swords and spears against them, but they were few, and their walls were weak.",
    "At the head of the Demon hosts stood the Great Guardian, whom every Demon hailed as its master.",
    "Winged fiends darkened the sky, and swarms of lesser Demons followed wherever they flew.",
    "Town after town was burned. The rivers ran black with ash, and the fields bore nothing.",
    "For many years the Humans fought on, and for many years they lost.",
    "It seemed that soon no Human would be left to remember that there had ever been a war.",
    "Yet the last knights would not kneel. In the caves under an old tower they gathered for a final stand.",
    "They did not hope to win. They hoped only to be remembered as those who did not run.",
    "On the eve of their last battle, they climbed the tower, above the mountains and the water, and prayed.",
    "They prayed not for victory, but for mercy upon all who still lived.",
    "And their prayers were answered. There the first Zephyr, a heavenly spirit, came upon the wind.",
    "The Zephyrs fought beside the Humans, and no Demon could stand against their light.",
    "When the war was won, those who had prayed built a chapel and named it the Holy Chapel.",
    "There its monks keep the knowledge of how the Zephyrs may be called once more.",
    "That knowledge is guarded closely, and passed down from one keeper to the next.",
    "The Demons fear the Holy Chapel still, for they have never forgotten the light of the Zephyrs.",
    "The Demons were driven back into the dark places of the earth, and the Great Guardian fell still.",
    "Those who sing of that war say the Great Guardian died in it. They are wrong.",
    "It did not die. It only sleeps, deep in a place that no Human has ever found.",
    "For a thousand years it has slept, and for a thousand years the Demons have waited.",
    "Some of them waited patiently. Others grew tired of waiting, and began to search.",
    "They search for a way to wake their master, and to finish the war that it began.",
    "Not all of their kind wish it so. The Mystic Demons turned from the old hatred long ago.",
    "But the Demons who remember the Great Guardian have never stopped hating the Humans.",
    "Their ships have been seen again upon the sea. Their war bands have been seen in the hills.",
    "The Humans have grown comfortable. Few believe the old songs, and fewer still pray.",
    "Yet the Holy Chapel still stands, and its monks still keep their watch.",
    "If the Great Guardian wakes, the Zephyrs must be called again, or the world will burn.",
    "This is the story the old songs tell. Remember it, for it is not yet finished.",
};

}  // namespace cutscenes

namespace {

using cutscenes::Box;
using cutscenes::place;

struct Sprite {
    int index;
    Box box;
};

// The figures are not stretched: each takes its picture's size.
constexpr Sprite kSprites[] = {
    {0, {5400, 3600, 1545, 1545}},
    {1, {7200, 4080, 540, 1350}},  {2, {4680, 4680, 540, 1350}},  {3, {8760, 5040, 540, 1350}},
    {4, {3480, 5280, 540, 1350}},  {5, {8040, 5280, 540, 1350}},
    {6, {6720, 4320, 510, 750}},
    {11, {6480, 4920, 780, 690}},  {12, {5160, 5760, 780, 690}},  {13, {7440, 5640, 780, 690}},
    {14, {9720, 6120, 780, 690}},  {15, {3000, 5880, 780, 690}},
    {16, {1920, 6480, 630, 525}},  {17, {6840, 5640, 630, 525}},  {18, {9000, 6240, 630, 525}},
    {19, {2520, 5640, 630, 525}},  {20, {4200, 5760, 630, 525}},  {21, {6360, 6360, 630, 525}},
    {22, {5640, 5040, 630, 525}},
};

// The figures that stand in the design, from the store's intro array.
struct DesignFigure {
    int sprite, introPicture;
};
constexpr DesignFigure kDesignFigures[] = {{1, 0}, {6, 1}, {11, 2}, {16, 3}};

// At load the rest of each host takes the picture of its first figure.
struct Copies {
    int from, first, last;
};
constexpr Copies kCopies[] = {{11, 12, 15}, {16, 17, 22}, {1, 2, 5}};

// What each step shows and hides, in order.
struct SpriteChange {
    int step, first, last;
    bool shown;
};
constexpr SpriteChange kSpriteChanges[] = {
    {1, 0, 0, true},     {2, 1, 1, true},   {4, 11, 22, true}, {4, 0, 1, false},
    {8, 11, 22, false},  {8, 1, 5, true},   {14, 2, 5, false}, {14, 6, 6, true},
    {19, 0, 0, true},
};
struct BackdropChange {
    int step, backdrop;
};
constexpr BackdropChange kBackdropChanges[] = {{8, 0}, {14, 2}};

constexpr int kMonster = 25;     // the store's imgEnemy
constexpr int kNarrator = 13;    // the monk's face
constexpr int kFirstBackdrop = 1;
constexpr int kIntroTrack = 22, kTitleTrack = 2;
constexpr int kLastStep = 31;

static_assert(std::size(cutscenes::kIntroLines) == kLastStep);

}  // namespace

void frmIntro::build() {
    Caption = "Thorncall II";
    buildWindowAndBackdrop();

    for (const Sprite& s : kSprites) {
        platform::Image& figure = add(Image3, s.index);
        place(figure, s.box);
        figure.Visible = s.index == 0;
    }
    const frmTileset& store = frmTileset::get();
    for (const DesignFigure& d : kDesignFigures) Image3[d.sprite].setPicture(store.intro[d.introPicture]);

    buildLineFaceAndTimer([this] { tmrShow_Timer(); });
}

void frmIntro::Form_Load() {
    const frmTileset& store = frmTileset::get();
    Image3[0].setPicture(store.imgEnemy[kMonster]);
    introStep = 0;
    Vars::musicTrack = kIntroTrack;
    Subs::playMusic(kIntroTrack);
    for (const Copies& c : kCopies)
        for (int i = c.first; i <= c.last; ++i) Image3[i].setPicture(Image3[c.from].picture());
    Image1->setPicture(store.img[kNarrator]);
    Image2->setPicture(store.battle[kFirstBackdrop]);
    Label2->Caption = cutscenes::kIntroLines[0];
}

void frmIntro::tmrShow_Timer() {
    ++introStep;
    if (introStep >= kLastStep) {
        endShow();
        return;
    }
    Label2->Caption = cutscenes::kIntroLines[introStep];
    for (const SpriteChange& c : kSpriteChanges)
        if (c.step == introStep)
            for (int i = c.first; i <= c.last; ++i) Image3[i].Visible = c.shown;
    for (const BackdropChange& c : kBackdropChanges)
        if (c.step == introStep) Image2->setPicture(frmTileset::get().battle[c.backdrop]);
}

void frmIntro::Form_KeyDown(int, int) { endShow(); }

void frmIntro::endShow() {
    Vars::musicTrack = kTitleTrack;
    Subs::playMusic(kTitleTrack);
    unload();
}
