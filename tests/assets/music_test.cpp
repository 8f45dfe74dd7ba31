// The music: Standard MIDI Files that parse, play one to two minutes on
// several channels, end cleanly on a bar line, and differ from each other.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "pictures.h"

namespace assets_test {
namespace {

struct Played {
    std::uint32_t tick;
    int channel, key;
};

struct Song {
    std::vector<Played> notes;
    int format = 0, division = 0;
    std::uint32_t tempo = 500000;  // microseconds per quarter note
    int beats = 4;
    std::uint32_t endTick = 0;     // the latest end of any track
    std::map<int, int> notesPerChannel;
    std::map<int, int> programOf;  // channel -> first program
    int unmatchedOffs = 0, hangingNotes = 0;
    std::uint32_t lastNoteOff = 0;
    std::uint32_t firstNoteOn = ~0u;
};

class Reader {
public:
    explicit Reader(std::vector<std::uint8_t> b) : b_(std::move(b)) {}
    std::uint8_t byte() { return b_.at(at_++); }
    std::uint32_t be(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | byte();
        return v;
    }
    std::uint32_t varLen() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t c = byte();
            v = (v << 7) | (c & 0x7f);
            if (!(c & 0x80)) return v;
        }
        throw std::runtime_error("variable length too long");
    }
    std::string tag() {
        std::string t;
        for (int i = 0; i < 4; ++i) t += static_cast<char>(byte());
        return t;
    }
    std::size_t at() const { return at_; }
    void skip(std::size_t n) { at_ += n; }
    void back() { --at_; }
    bool done() const { return at_ >= b_.size(); }

private:
    std::vector<std::uint8_t> b_;
    std::size_t at_ = 0;
};

Song readSong(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    Reader r({std::istreambuf_iterator<char>(f), {}});
    if (r.tag() != "MThd" || r.be(4) != 6) throw std::runtime_error("no MThd");
    Song s;
    s.format = static_cast<int>(r.be(2));
    const std::uint32_t tracks = r.be(2);
    s.division = static_cast<int>(r.be(2));
    for (std::uint32_t t = 0; t < tracks; ++t) {
        if (r.tag() != "MTrk") throw std::runtime_error("no MTrk");
        const std::uint32_t length = r.be(4);
        const std::size_t end = r.at() + length;
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        std::map<std::pair<int, int>, int> open;
        bool ended = false;
        while (r.at() < end) {
            tick += r.varLen();
            std::uint8_t c = r.byte();
            if (c == 0xff) {
                const std::uint8_t type = r.byte();
                const std::uint32_t len = r.varLen();
                if (type == 0x51) s.tempo = r.be(3);
                else if (type == 0x58) {
                    s.beats = r.byte();
                    r.skip(len - 1);
                } else r.skip(len);
                if (type == 0x2f) ended = true;
                continue;
            }
            if (c & 0x80) status = c;
            else r.back();  // running status: c was the first data byte
            const int kind = status & 0xf0, ch = status & 0x0f;
            if (kind == 0xc0 || kind == 0xd0) {
                const int v = r.byte();
                if (kind == 0xc0 && !s.programOf.contains(ch)) s.programOf[ch] = v;
                continue;
            }
            const int key = r.byte(), vel = r.byte();
            if (kind == 0x90 && vel > 0) {
                ++open[{ch, key}];
                ++s.notesPerChannel[ch];
                s.notes.push_back({tick, ch, key});
                s.firstNoteOn = std::min(s.firstNoteOn, tick);
            } else if (kind == 0x80 || kind == 0x90) {
                if (open[{ch, key}]-- <= 0) ++s.unmatchedOffs;
                s.lastNoteOff = std::max(s.lastNoteOff, tick);
            }
        }
        if (!ended) throw std::runtime_error("track without end");
        for (const auto& [k, n] : open) s.hangingNotes += std::max(0, n);
        s.endTick = std::max(s.endTick, tick);
    }
    return s;
}

Song track(int n) { return readSong(appDir() / ("music/" + std::to_string(n) + ".mid")); }

double seconds(const Song& s) { return static_cast<double>(s.endTick) / s.division * s.tempo / 1e6; }

TEST(Music, EveryTrackIsAPlayableLoop) {
    for (int n = 0; n <= 30; ++n) {
        SCOPED_TRACE("music/" + std::to_string(n) + ".mid");
        const Song s = track(n);
        EXPECT_EQ(s.format, 1);
        EXPECT_GE(seconds(s), 60.0);
        EXPECT_LE(seconds(s), 120.0);
        int voices = 0;
        for (const auto& [ch, count] : s.notesPerChannel) voices += count >= 16;
        EXPECT_GE(voices, 3) << "melody, harmony and bass at least";
        EXPECT_EQ(s.unmatchedOffs, 0);
        EXPECT_EQ(s.hangingNotes, 0);
        // It starts playing at once and stops on a bar line, so the replay
        // follows without a gap or a stumble.
        EXPECT_EQ(s.firstNoteOn, 0u);
        EXPECT_LE(s.lastNoteOff, s.endTick);
        EXPECT_EQ(s.endTick % static_cast<std::uint32_t>(s.division * s.beats), 0u);
        EXPECT_GT(s.lastNoteOff, s.endTick - static_cast<std::uint32_t>(s.division * s.beats));
    }
}

TEST(Music, TracksHaveTheirOwnTempoAndInstruments) {
    std::set<std::tuple<std::uint32_t, int, int>> seen;
    for (int n = 0; n <= 30; ++n) {
        Song s = track(n);
        EXPECT_TRUE(seen.insert({s.tempo, s.programOf[0], s.programOf[1]}).second) << n;
    }
}

// Fights are driven by drums and a quick beat; the dark scene is slow and still.
TEST(Music, MoodsFollowTheirScenes) {
    for (int fight : {3, 8, 11, 16, 21, 27}) {
        Song s = track(fight);
        EXPECT_GT(s.notesPerChannel[9], 200) << fight;
        EXPECT_LT(s.tempo, 60000000u / 130) << fight;
    }
    for (int calm : {4, 12, 29}) {
        const Song s = track(calm);
        EXPECT_EQ(s.notesPerChannel.count(9), 0u) << calm;
        EXPECT_GT(s.tempo, 60000000u / 90) << calm;
    }
}

std::vector<Played> channel(const Song& s, int ch) {
    std::vector<Played> out;
    for (const Played& p : s.notes)
        if (p.channel == ch) out.push_back(p);
    return out;
}

// Every diatonic mode is a rotation of the major scale; harmonic minor is
// the one other scale the music uses.
bool inScale(int pitchClass, int tonic, bool harmonic) {
    static constexpr int kMajor[] = {0, 2, 4, 5, 7, 9, 11}, kHarmonic[] = {0, 2, 3, 5, 7, 8, 11};
    const int d = ((pitchClass - tonic) % 12 + 12) % 12;
    for (int step : harmonic ? kHarmonic : kMajor)
        if (step == d) return true;
    return false;
}

TEST(Music, MelodiesKeepToAScale) {
    for (int n = 0; n <= 30; ++n) {
        const auto melody = channel(track(n), 0);
        std::size_t best = 0;
        for (int tonic = 0; tonic < 12; ++tonic)
            for (bool harmonic : {false, true}) {
                std::size_t fit = 0;
                for (const Played& p : melody) fit += inScale(p.key % 12, tonic, harmonic);
                best = std::max(best, fit);
            }
        EXPECT_GE(best * 100, melody.size() * 95) << "track " << n;
    }
}

bool isTriad(const std::set<int>& pitchClasses) {
    if (pitchClasses.size() != 3) return false;
    const std::vector<int> pc(pitchClasses.begin(), pitchClasses.end());
    for (int r = 0; r < 3; ++r) {
        const int a = (pc[(r + 1) % 3] - pc[r] + 12) % 12, b = (pc[(r + 2) % 3] - pc[(r + 1) % 3] + 12) % 12;
        if ((a == 3 || a == 4) && (b == 3 || b == 4)) return true;
    }
    return false;
}

// Each bar's chord is a triad, and the melody lands on one of its notes at
// the start of most bars: the tune and the harmony belong together.
TEST(Music, MelodyRestsOnTheChords) {
    for (int n = 0; n <= 30; ++n) {
        const Song s = track(n);
        const std::uint32_t bar = static_cast<std::uint32_t>(s.division * s.beats);
        std::map<std::uint32_t, std::set<int>> chordOfBar;
        for (const Played& p : channel(s, 1)) chordOfBar[p.tick / bar].insert(p.key % 12);
        int triads = 0, landed = 0, downbeats = 0;
        for (const auto& [b, chord] : chordOfBar) triads += isTriad(chord);
        for (const Played& p : channel(s, 0))
            if (p.tick % bar == 0) {
                ++downbeats;
                landed += chordOfBar[p.tick / bar].contains(p.key % 12);
            }
        EXPECT_EQ(triads, static_cast<int>(chordOfBar.size())) << "track " << n;
        EXPECT_GE(landed * 4, downbeats * 3) << "track " << n;
    }
}

TEST(Music, BassLiesBelowTheTune) {
    for (int n = 0; n <= 30; ++n) {
        const Song s = track(n);
        auto mean = [](const std::vector<Played>& notes) {
            double sum = 0;
            for (const Played& p : notes) sum += p.key;
            return sum / static_cast<double>(notes.size());
        };
        EXPECT_LT(mean(channel(s, 2)) + 12, mean(channel(s, 0))) << "track " << n;
    }
}

}  // namespace
}  // namespace assets_test
