// The ending as each difficulty plays it, tick by tick.
#include <map>
#include <set>

#include "cutscene_fixture.h"

namespace cutscenes::test {
namespace {

using namespace face;

constexpr const char* kClosingLine = "...Thank you for playing!...";

// What the screen shows after one tick.
struct Frame {
    std::string line;
    int face = -1;      // -1: no picture
    int backdrop = -1;
    std::map<int, int> figures;  // slot: character picture
    bool narration = false;
    int track = 0;
};

int indexIn(const PictureArray& array, int count, const platform::PicturePtr& p) {
    for (int i = 0; i < count && p; ++i)
        if (array.exists(i) && array[i] == p) return i;
    return -1;
}

class CutsceneEnding : public CutsceneTest {
protected:
    Frame frame() const {
        Frame f;
        f.line = screen().Label2->Caption;
        f.face = indexIn(store().img, 60, faceShown());
        f.backdrop = indexIn(store().battle, kBackdrops, screen().Image2->picture());
        for (int slot = 0; slot < kSpriteSlots; ++slot)
            if (int k = indexIn(store().pic, kSpritePictures, figure(slot)); k >= 0) f.figures[slot] = k;
        f.narration = true;
        for (auto& [i, label] : screen().lbl) f.narration = f.narration && label->Visible;
        f.track = Vars::musicTrack;
        return f;
    }

    // Plays the ending from load; frames[t] is the screen after tick t. A key
    // is pressed after every tick before `closingTick` and must change nothing.
    std::vector<Frame> play(Vars::u8 difficulty, int closingTick) {
        Vars::difficulty = difficulty;
        start(kEndingStage);
        loadedAt = h.now();
        std::vector<Frame> frames{frame()};
        for (int tick = 1; tick <= closingTick; ++tick) {
            h.advance(7000);
            frames.push_back(frame());
            if (tick < closingTick) {
                pressKey();
                EXPECT_TRUE(screen().isLoaded()) << "closed by a key at tick " << tick;
            }
        }
        return frames;
    }

    std::uint64_t loadedAt = 0;
};

struct Mode {
    Vars::u8 difficulty;
    int closingTick;
    int tickOf92;  // the first tick of the orphanage
};
// The jumps skip 32 to 37 always, 85 to 91 and 125 to 135 unless Hardcore.
constexpr Mode kNormal{0, 120, 79}, kHardcore{1, 138, 86}, kWimp{2, 120, 79};

TEST_F(CutsceneEnding, TheClosingLineComesAtTheTickTheJumpsImplyAndWaitsForOneKey) {
    for (Mode m : {kNormal, kHardcore, kWimp}) {
        SCOPED_TRACE(int(m.difficulty));
        const auto frames = play(m.difficulty, m.closingTick);
        EXPECT_EQ(frames[m.closingTick - 1].line, "");
        EXPECT_EQ(frames[m.closingTick - 1].face, -1);
        EXPECT_EQ(frames[m.closingTick].line, kClosingLine);
        EXPECT_EQ(h.now() - loadedAt, std::uint64_t(m.closingTick) * 7000);
        for (int t = 0; t < m.closingTick; ++t) EXPECT_NE(frames[t].line, kClosingLine) << t;
        // It never closes by itself, however long it waits.
        h.advance(100 * 7000);
        EXPECT_TRUE(screen().isLoaded());
        EXPECT_EQ(screen().Label2->Caption, kClosingLine);
        pressKey();
        EXPECT_FALSE(screen().isLoaded());
        // The orphanage's music plays on; closing changes nothing.
        EXPECT_EQ(Vars::musicTrack, 30);
    }
}

TEST_F(CutsceneEnding, MauriceAppearsOnlyInHardcore) {
    struct Case {
        Mode mode;
        std::set<int> mauriceTicks;
        int lines;  // ticks that bring a new line of their own
    };
    // Steps 85 to 91, then the odd steps 125 to 135, each on tick step - 6.
    const Case cases[] = {
        {kNormal, {}, 113},
        {kWimp, {}, 113},
        {kHardcore, {79, 80, 81, 82, 83, 84, 85, 119, 121, 123, 125, 127, 129}, 131},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode.difficulty));
        const auto frames = play(c.mode.difficulty, c.mode.closingTick);
        std::set<int> maurice;
        int lines = 0;
        for (int t = 1; t < int(frames.size()); ++t) {
            if (frames[t].face == Maurice) maurice.insert(t);
            lines += !frames[t].line.empty() && frames[t].line != frames[t - 1].line;
            // The Demons' lair backdrop belongs to his epilogue alone.
            EXPECT_EQ(frames[t].backdrop == 11, c.mode.difficulty == 1 && t >= 79 && t <= 85) << t;
            if (frames[t].face == Maurice) {
                EXPECT_TRUE(frames[t].figures.contains(8) || frames[t].figures.contains(10));
            }
        }
        EXPECT_EQ(maurice, c.mauriceTicks);
        EXPECT_EQ(lines, c.lines);
        pressKey();
    }
}

TEST_F(CutsceneEnding, NarrationStandsAloneForFourTicksOverTheSecondBackdrop) {
    const auto frames = play(0, 36);
    EXPECT_FALSE(frames[30].narration);
    EXPECT_EQ(frames[30].track, 4);
    for (int t = 31; t <= 34; ++t) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(frames[t].narration);
        EXPECT_EQ(frames[t].line, "");
        EXPECT_EQ(frames[t].face, -1);
        EXPECT_TRUE(frames[t].figures.empty());
        EXPECT_EQ(frames[t].backdrop, 2);
        EXPECT_EQ(frames[t].track, 29);
    }
    // Step 41: the backdrop alone for one tick; then Chi, and Chi only.
    EXPECT_FALSE(frames[35].narration);
    EXPECT_EQ(frames[35].line, "");
    EXPECT_EQ(frames[35].face, -1);
    EXPECT_EQ(frames[36].face, Chi);
    EXPECT_EQ(frames[36].figures, (std::map<int, int>{{8, 3}}));
    EXPECT_FALSE(frames[36].line.empty());
}

TEST_F(CutsceneEnding, TheEpiloguesChangePlaceAndCompanyAsTheyBegin) {
    struct Case {
        Mode mode;
        int tick, backdrop, face;
        std::map<int, int> figures;
        int track;
    };
    const Case cases[] = {
        {kNormal, 0, 12, Hero, {{0, 12}, {1, 6}, {2, 9}, {3, 1}, {6, 7}, {7, 3}, {8, 10}, {9, 5}}, 4},
        {kNormal, 46, 1, Bree, {{3, 1}, {8, 10}}, 29},   // step 52
        {kNormal, 47, 1, Darwin, {{3, 1}, {8, 10}}, 29},
        {kNormal, 58, 3, Myst, {{9, 12}}, 29},           // step 64
        {kNormal, 70, 7, Jack, {{7, 7}}, 29},            // step 76
        {kNormal, 78, 7, Jack, {{7, 7}}, 29},            // step 84
        {kNormal, 79, 12, Ryu, {{2, 9}, {7, 6}, {8, 4}}, 30},  // step 92 after Jack
        {kHardcore, 79, 11, Maurice, {{8, 0}}, 29},      // step 85
        {kHardcore, 86, 12, Ryu, {{2, 9}, {7, 6}, {8, 4}}, 30},  // step 92 after Maurice
        {kNormal, 89, 12, Jack, {{2, 9}, {6, 7}, {7, 6}, {8, 4}}, 30},  // step 102
        {kNormal, 100, 12, Darwin, {{1, 10}, {2, 9}, {6, 7}, {7, 6}, {8, 4}, {9, 1}, {10, 3}}, 30},
        {kHardcore, 119, 12, Maurice, {{2, 9}, {10, 0}}, 30},  // step 125
        {kHardcore, 120, 12, Hero, {{2, 9}, {10, 0}}, 30},
        {kNormal, 112, 12, Monk, {}, 30},                // step 136
        {kHardcore, 130, 12, Monk, {}, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "difficulty " << int(c.mode.difficulty) << ", tick " << c.tick);
        const auto frames = play(c.mode.difficulty, c.tick);
        const Frame& f = frames[c.tick];
        EXPECT_EQ(f.backdrop, c.backdrop);
        EXPECT_EQ(f.face, c.face);
        EXPECT_EQ(f.figures, c.figures);
        EXPECT_EQ(f.track, c.track);
        screen().unload();
    }
}

TEST_F(CutsceneEnding, MystSaysTheHerosNameAndHerLastWordsStayForTwoTicks) {
    Vars::heroName = "Aster Vale";
    const auto frames = play(0, 69);
    EXPECT_EQ(frames[62].line, "...Especially for Aster Vale...");  // step 68
    EXPECT_EQ(frames[62].face, Myst);
    EXPECT_EQ(frames[68].line, frames[67].line);  // step 74 is empty
    EXPECT_NE(frames[69].line, frames[68].line);
    EXPECT_EQ(frames[69].face, Myst);
}

// A few moments of the ending with the generated pictures, saved for review.
TEST_F(CutsceneEnding, SnapshotsWithTheGeneratedPictures) {
    h.linkAssets();
    store().loadPictures();
    Vars::difficulty = 1;
    Vars::heroName = "WWWWWWWWWW";
    start(kEndingStage);
    int ticks = 0;
    for (int tick : {0, 10, 31, 62, 79, 100, 122, 138}) {
        h.advance(std::uint64_t(tick - ticks) * 7000);
        ticks = tick;
        auto shot = h.snapshot("ending_tick_" + std::to_string(tick));
        EXPECT_EQ(shot->width(), 800);
    }
    EXPECT_EQ(screen().Label2->Caption, kClosingLine);
    pressKey();
}

}  // namespace
}  // namespace cutscenes::test
