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

// The jumps skip 32 to 37 always, 85 to 91 and 125 to 135 unless Hardcore, so
// the closing line comes on tick 120, or 138 in Hardcore. Maurice speaks only
// in Hardcore: steps 85 to 91, then the odd steps 125 to 135, each on tick
// step - 6.
TEST_F(CutsceneEnding, TheJumpsLeaveMauriceToHardcoreAndTheClosingLineWaitsForOneKey) {
    struct Case {
        Vars::u8 difficulty;
        int closingTick;
        std::set<int> mauriceTicks;
        int lines;  // ticks that bring a new line of their own
    };
    const Case cases[] = {
        {0, 120, {}, 113},
        {2, 120, {}, 113},
        {1, 138, {79, 80, 81, 82, 83, 84, 85, 119, 121, 123, 125, 127, 129}, 131},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.difficulty));
        const auto frames = play(c.difficulty, c.closingTick);
        std::set<int> maurice;
        int lines = 0;
        for (int t = 1; t < int(frames.size()); ++t) {
            if (frames[t].face == Maurice) maurice.insert(t);
            lines += !frames[t].line.empty() && frames[t].line != frames[t - 1].line;
            // The Demons' lair backdrop belongs to his epilogue alone.
            EXPECT_EQ(frames[t].backdrop == 11, c.difficulty == 1 && t >= 79 && t <= 85) << t;
            if (frames[t].face == Maurice) {
                EXPECT_TRUE(frames[t].figures.contains(8) || frames[t].figures.contains(10));
            }
            EXPECT_EQ(frames[t].line == kClosingLine, t == c.closingTick) << t;
        }
        EXPECT_EQ(maurice, c.mauriceTicks);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(frames[c.closingTick - 1].line, "");
        EXPECT_EQ(frames[c.closingTick - 1].face, -1);
        EXPECT_EQ(h.now() - loadedAt, std::uint64_t(c.closingTick) * 7000);
        // It never closes by itself, however long it waits.
        h.advance(100 * 7000);
        EXPECT_EQ(screen().Label2->Caption, kClosingLine);
        pressKey();
        EXPECT_FALSE(screen().isLoaded());
        // The orphanage's music plays on; closing changes nothing.
        EXPECT_EQ(Vars::musicTrack, 30);
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

TEST_F(CutsceneEnding, MystSaysTheHerosNameAndHerLastWordsStayForTwoTicks) {
    Vars::heroName = "Aster Vale";
    const auto frames = play(0, 69);
    EXPECT_EQ(frames[62].line, "...Especially for Aster Vale...");  // step 68
    EXPECT_EQ(frames[62].face, Myst);
    EXPECT_EQ(frames[68].line, frames[67].line);  // step 74 is empty
    EXPECT_NE(frames[69].line, frames[68].line);
    EXPECT_EQ(frames[69].face, Myst);
}

}  // namespace
}  // namespace cutscenes::test
