// The music: every track composed from its row of the style table, with a
// melody built from repeated and varied motifs over a chord progression,
// chords, a bass line, broken chords and drums. Each track is a whole
// number of bars and ends on the tonic, so replaying it loops cleanly.
#include <algorithm>
#include <array>
#include <cmath>

#include "audio.h"
#include "midi.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr int kDivision = 480;  // ticks per quarter note
constexpr int kEighth = kDivision / 2;

enum class Mode { major, minor, harmonicMinor, dorian, phrygian, mixolydian, lydian };
enum class Drums { none, ballad, march, rock, battle, waltz, tribal };

constexpr std::array<int, 7> scaleOf(Mode m) {
    switch (m) {
        case Mode::major: return {0, 2, 4, 5, 7, 9, 11};
        case Mode::minor: return {0, 2, 3, 5, 7, 8, 10};
        case Mode::harmonicMinor: return {0, 2, 3, 5, 7, 8, 11};
        case Mode::dorian: return {0, 2, 3, 5, 7, 9, 10};
        case Mode::phrygian: return {0, 1, 3, 5, 7, 8, 10};
        case Mode::mixolydian: return {0, 2, 4, 5, 7, 9, 10};
        case Mode::lydian: return {0, 2, 4, 6, 7, 9, 11};
    }
    return {0, 2, 4, 5, 7, 9, 11};
}

// Chord roots as scale degrees (0 = tonic), one per bar of an 8-bar phrase.
using Progression = std::array<int, 8>;
constexpr Progression kHeroic{0, 4, 5, 3, 0, 4, 3, 4};     // I V vi IV
constexpr Progression kPastoral{0, 3, 0, 4, 0, 3, 4, 0};   // I IV I V
constexpr Progression kEpic{0, 5, 2, 6, 0, 5, 3, 4};       // i VI III VII
constexpr Progression kBattle{0, 6, 5, 6, 0, 6, 5, 4};     // i VII VI VII
constexpr Progression kDark{0, 3, 0, 4, 5, 3, 4, 0};       // i iv i V
constexpr Progression kLament{0, 3, 6, 2, 5, 3, 4, 0};     // i iv VII III VI iv V
constexpr Progression kWaltz{0, 5, 1, 4, 0, 5, 1, 4};      // I vi ii V
constexpr Progression kModal{0, 3, 0, 3, 0, 6, 3, 0};      // i IV i IV (dorian colour)
constexpr Progression kRising{3, 4, 5, 4, 3, 4, 1, 4};     // bridge: IV V vi V
constexpr Progression kRelative{5, 3, 0, 4, 5, 3, 1, 4};   // bridge: vi IV I V
constexpr Progression kDrive{5, 6, 0, 0, 5, 6, 4, 4};      // bridge: VI VII i, to V

struct Style {
    int track;
    int tonic;  // MIDI note of the tonic in the melody's octave
    Mode mode;
    int bpm;
    int beats;  // per bar: 3 or 4
    Progression verse, bridge;
    int lead, pad, bass, arp;  // General MIDI programs, -1 for none
    Drums drums;
    int density;     // melody rhythm: 0 slow, 1 flowing, 2 busy
    bool timpani;
};

// One row per music/<n>.mid: title 2, intro 22, battles 3, 8, 16, 21, boss 11,
// final battle 27, endings 29 and 30, scenes 4, 5 and the dark scene 12;
// the others are the areas' themes.
constexpr Style kStyles[kTrackCount] = {
    {0, 67, Mode::major, 104, 4, kPastoral, kRelative, 73, 48, 32, 24, Drums::ballad, 1, false},
    {1, 62, Mode::major, 120, 4, kHeroic, kRising, 60, 48, 33, 45, Drums::march, 1, false},
    {2, 64, Mode::minor, 84, 4, kEpic, kRelative, 60, 52, 43, 46, Drums::none, 0, true},
    {3, 69, Mode::harmonicMinor, 152, 4, kBattle, kDrive, 29, 48, 33, 30, Drums::rock, 2, false},
    {4, 65, Mode::major, 72, 4, kWaltz, kRelative, 68, 49, 42, 46, Drums::none, 0, false},
    {5, 62, Mode::dorian, 80, 4, kModal, kRelative, 71, 89, 32, 0, Drums::none, 0, false},
    {6, 69, Mode::mixolydian, 112, 3, kPastoral, kRising, 110, 21, 32, 105, Drums::waltz, 1, false},
    {7, 62, Mode::phrygian, 88, 4, kDark, kDrive, 11, 95, 35, 12, Drums::none, 0, false},
    {8, 62, Mode::minor, 160, 4, kBattle, kEpic, 56, 48, 32, 45, Drums::battle, 2, false},
    {9, 70, Mode::major, 96, 3, kWaltz, kRising, 40, 48, 32, 46, Drums::waltz, 1, false},
    {10, 64, Mode::harmonicMinor, 100, 4, kModal, kDark, 104, 88, 33, 107, Drums::tribal, 1, false},
    {11, 60, Mode::harmonicMinor, 138, 4, kDark, kDrive, 61, 19, 38, 48, Drums::battle, 2, true},
    {12, 71, Mode::harmonicMinor, 60, 4, kLament, kDark, 42, 91, 43, 14, Drums::none, 0, true},
    {13, 66, Mode::minor, 92, 4, kEpic, kLament, 79, 94, 35, 8, Drums::none, 1, false},
    {14, 60, Mode::lydian, 116, 4, kHeroic, kRising, 60, 48, 32, 24, Drums::march, 1, false},
    {15, 67, Mode::dorian, 100, 4, kModal, kRelative, 22, 16, 33, 25, Drums::rock, 1, false},
    {16, 65, Mode::minor, 144, 4, kBattle, kEpic, 40, 50, 38, 6, Drums::battle, 2, false},
    {17, 69, Mode::minor, 108, 4, kLament, kRelative, 75, 89, 32, 46, Drums::tribal, 1, false},
    {18, 63, Mode::major, 126, 4, kHeroic, kPastoral, 56, 61, 58, 72, Drums::march, 1, false},
    {19, 64, Mode::major, 98, 3, kPastoral, kWaltz, 74, 48, 32, 24, Drums::waltz, 1, false},
    {20, 61, Mode::dorian, 84, 4, kModal, kLament, 68, 52, 42, 46, Drums::none, 0, false},
    {21, 64, Mode::minor, 168, 4, kBattle, kDrive, 81, 62, 38, 80, Drums::battle, 2, false},
    {22, 62, Mode::minor, 70, 4, kLament, kEpic, 73, 48, 43, 46, Drums::none, 0, true},
    {23, 67, Mode::harmonicMinor, 120, 4, kDark, kBattle, 61, 19, 38, 12, Drums::tribal, 1, false},
    {24, 65, Mode::major, 110, 4, kWaltz, kPastoral, 71, 0, 32, 45, Drums::ballad, 1, false},
    {25, 70, Mode::harmonicMinor, 96, 4, kDark, kLament, 19, 91, 43, 14, Drums::none, 1, true},
    {26, 69, Mode::major, 132, 4, kPastoral, kHeroic, 78, 21, 32, 105, Drums::rock, 2, false},
    {27, 61, Mode::harmonicMinor, 176, 4, kBattle, kDark, 61, 52, 38, 48, Drums::battle, 2, true},
    {28, 62, Mode::lydian, 90, 4, kRising, kPastoral, 11, 88, 35, 8, Drums::none, 0, false},
    {29, 65, Mode::major, 76, 4, kLament, kWaltz, 73, 48, 42, 46, Drums::none, 0, false},
    {30, 60, Mode::major, 108, 4, kHeroic, kWaltz, 60, 48, 32, 24, Drums::march, 1, true},
};

// Melody rhythms for one bar, in eighths.
struct Cell {
    std::array<int, 8> lengths;
    int count;
};
constexpr Cell kSlow4[] = {{{8}, 1}, {{4, 4}, 2}, {{6, 2}, 2}, {{4, 2, 2}, 3}, {{2, 2, 4}, 3}, {{3, 1, 4}, 3}};
constexpr Cell kFlow4[] = {{{2, 2, 2, 2}, 4}, {{3, 1, 2, 2}, 4}, {{2, 1, 1, 2, 2}, 5}, {{4, 2, 2}, 3}, {{2, 2, 4}, 3}, {{1, 1, 2, 2, 2}, 5}};
constexpr Cell kBusy4[] = {{{1, 1, 1, 1, 2, 2}, 6}, {{2, 1, 1, 2, 1, 1}, 6}, {{1, 1, 2, 1, 1, 2}, 6}, {{3, 1, 1, 1, 2}, 5}, {{1, 1, 1, 1, 1, 1, 2}, 7}};
constexpr Cell kSlow3[] = {{{6}, 1}, {{4, 2}, 2}, {{2, 2, 2}, 3}};
constexpr Cell kFlow3[] = {{{2, 1, 1, 2}, 4}, {{3, 1, 2}, 3}, {{2, 2, 1, 1}, 4}, {{2, 2, 2}, 3}};
constexpr Cell kBusy3[] = {{{1, 1, 1, 1, 2}, 5}, {{2, 1, 1, 1, 1}, 5}, {{1, 1, 2, 1, 1}, 5}};

struct Note {
    int step;    // scale steps from the tonic
    int length;  // eighths
};
using Bar = std::vector<Note>;

class Composer {
public:
    explicit Composer(const Style& s) : s_(s), scale_(scaleOf(s.mode)), rng_("music", static_cast<std::uint64_t>(s.track)) {}

    Bytes compose() {
        const int barTicks = s_.beats * kDivision;
        const double barSeconds = s_.beats * 60.0 / s_.bpm;
        const int sections = std::clamp(static_cast<int>(std::lround(90.0 / (8 * barSeconds))), 3, 10);
        std::vector<std::vector<Bar>> themes;
        const std::vector<Bar> verse = phrase(s_.verse, 0, true);
        const std::vector<Bar> bridge = phrase(s_.bridge, 2, false);
        std::vector<Bar> lead;
        std::vector<int> chords;
        for (int sec = 0; sec < sections; ++sec) {
            const bool isBridge = sec % 4 == 2 && sec != sections - 1;
            const std::vector<Bar> src = isBridge ? bridge : sec == 0 ? verse : varied(verse, s_.verse);
            for (int b = 0; b < 8; ++b) {
                lead.push_back(src[static_cast<std::size_t>(b)]);
                chords.push_back(isBridge ? s_.bridge[static_cast<std::size_t>(b)] : s_.verse[static_cast<std::size_t>(b)]);
            }
        }
        const auto endTick = static_cast<std::uint32_t>(lead.size()) * static_cast<std::uint32_t>(barTicks);

        MidiTrack conductor;
        conductor.name("Thorncall II, track " + std::to_string(s_.track));
        conductor.tempo(0, s_.bpm);
        conductor.timeSignature(0, s_.beats);
        std::vector<MidiTrack> tracks{conductor};
        tracks.push_back(melody(lead, barTicks));
        tracks.push_back(padPart(chords, barTicks));
        tracks.push_back(bassPart(chords, barTicks));
        if (s_.arp >= 0) tracks.push_back(arpPart(chords, barTicks));
        if (s_.timpani) tracks.push_back(timpaniPart(chords, barTicks));
        if (s_.drums != Drums::none) tracks.push_back(drumPart(static_cast<int>(chords.size()), barTicks));
        return encodeMidiFile(tracks, kDivision, endTick);
    }

private:
    int eighthsPerBar() const { return s_.beats * 2; }

    const Cell& rhythm(int density) {
        auto pick = [&](const auto& cells) -> const Cell& { return cells[rng_.next() % std::size(cells)]; };
        if (s_.beats == 3) return density == 0 ? pick(kSlow3) : density == 1 ? pick(kFlow3) : pick(kBusy3);
        return density == 0 ? pick(kSlow4) : density == 1 ? pick(kFlow4) : pick(kBusy4);
    }

    static bool isChordTone(int step, int root) {
        const int d = ((step - root) % 7 + 7) % 7;
        return d == 0 || d == 2 || d == 4;
    }
    static int nearestChordTone(int step, int root) {
        for (int off : {0, -1, 1, -2, 2})
            if (isChordTone(step + off, root)) return step + off;
        return step;
    }

    // A new bar of melody over the chord on `root`, starting near `from`:
    // mostly steps, chord tones on the strong beats, few repeated notes.
    Bar motif(int root, int from, int density, int lift) {
        const Cell& c = rhythm(density);
        const int strongEvery = s_.beats == 3 ? 6 : 4;  // in eighths
        Bar bar;
        int step = nearestChordTone(from, root);
        int dir = rng_.chance(0.5) ? 1 : -1;
        int pos = 0;
        for (int i = 0; i < c.count; ++i) {
            if (i > 0) {
                const double r = rng_.unit();
                const int size = r < 0.7 ? 1 : r < 0.9 ? 2 : 3;
                if (rng_.chance(0.3)) dir = -dir;
                const int prev = step;
                step = std::clamp(step + dir * size, -1 + lift, 9 + lift);
                if (step == prev) {
                    dir = -dir;
                    step += dir;
                }
                if (pos % strongEvery == 0) {
                    step = nearestChordTone(step, root);
                    if (step == prev && !rng_.chance(0.15)) step = nearestChordTone(prev + 2 * dir, root);
                }
            }
            bar.push_back({step, c.lengths[static_cast<std::size_t>(i)]});
            pos += c.lengths[static_cast<std::size_t>(i)];
        }
        return bar;
    }

    static Bar shifted(const Bar& b, int by, int root) {
        Bar out = b;
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i].step += by;
            if (i == 0) out[i].step = nearestChordTone(out[i].step, root);
        }
        return out;
    }

    // The phrase comes to rest on the chord of its last bar: the tonic after a
    // closing I, the leading note or fifth over a V that turns back to the
    // start, which is what makes the loop seamless.
    Bar cadence(int root, bool final) {
        const int target = nearestChordTone(final ? 7 : 4, root);
        if (s_.beats == 3) return {{target + 2, 2}, {target, 4}};
        return {{target + 1, 2}, {target + 2, 1}, {target + 1, 1}, {target, 4}};
    }

    // Eight bars: a motif, its answer, the motif moved onto the third
    // chord, a fresh bar, the motif again, the answer varied, a lead-in and
    // the cadence.
    std::vector<Bar> phrase(const Progression& p, int lift, bool verse) {
        const int density = verse ? s_.density : std::min(2, s_.density + (s_.density == 0 ? 1 : 0));
        std::vector<Bar> bars(8);
        bars[0] = motif(p[0], 2 + lift, density, lift);
        bars[1] = motif(p[1], bars[0].back().step, density, lift);
        bars[2] = shifted(bars[0], p[2] - p[0], p[2]);
        bars[3] = motif(p[3], bars[2].back().step, density, lift);
        bars[4] = shifted(bars[0], 0, p[4]);
        bars[5] = shifted(bars[1], rng_.chance(0.5) ? 1 : -1, p[5]);
        bars[6] = motif(p[6], bars[5].back().step, density, lift);
        bars[7] = cadence(p[7], verse);
        for (int i = 0; i < 8; ++i)
            for (Note& n : bars[static_cast<std::size_t>(i)]) n.step = std::clamp(n.step, -2, 12);
        return bars;
    }

    // The verse again with a few notes moved to neighbouring chord tones.
    std::vector<Bar> varied(const std::vector<Bar>& src, const Progression& p) {
        std::vector<Bar> out = src;
        for (int b = 0; b < 7; ++b)
            for (Note& n : out[static_cast<std::size_t>(b)])
                if (rng_.chance(0.2)) n.step = nearestChordTone(n.step + (rng_.chance(0.5) ? 2 : -2), p[static_cast<std::size_t>(b)]);
        return out;
    }

    int pitch(int step, int octaveShift = 0) const {
        const int oct = static_cast<int>(std::floor(step / 7.0));
        const int idx = step - oct * 7;
        return s_.tonic + oct * 12 + scale_[static_cast<std::size_t>(idx)] + octaveShift * 12;
    }

    std::vector<int> chordNotes(int root, int low, int high) const {
        std::vector<int> notes;
        for (int k : {0, 2, 4}) {
            int n = pitch(root + k);
            while (n < low) n += 12;
            while (n > high) n -= 12;
            notes.push_back(n);
        }
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    int velocity(int base) { return base + rng_.between(-6, 6); }

    void setup(MidiTrack& t, int channel, int program, int volume, int pan) {
        t.program(0, channel, program);
        t.controller(0, channel, 7, volume);
        t.controller(0, channel, 10, pan);
        t.controller(0, channel, 91, 60);
    }

    MidiTrack melody(const std::vector<Bar>& bars, int barTicks) {
        MidiTrack t;
        t.name("melody");
        setup(t, 0, s_.lead, 104, 64);
        std::uint32_t tick = 0;
        for (const Bar& bar : bars) {
            std::uint32_t at = tick;
            for (std::size_t i = 0; i < bar.size(); ++i) {
                const auto len = static_cast<std::uint32_t>(bar[i].length * kEighth);
                t.note(at, len - len / 8, 0, pitch(bar[i].step), velocity(i == 0 ? 100 : 86));
                at += len;
            }
            tick += static_cast<std::uint32_t>(barTicks);
        }
        return t;
    }

    MidiTrack padPart(const std::vector<int>& chords, int barTicks) {
        MidiTrack t;
        t.name("chords");
        setup(t, 1, s_.pad, 72, 44);
        for (std::size_t b = 0; b < chords.size(); ++b) {
            const auto start = static_cast<std::uint32_t>(b * static_cast<std::size_t>(barTicks));
            const std::vector<int> notes = chordNotes(chords[b], s_.tonic - 10, s_.tonic + 4);
            if (s_.drums == Drums::battle || s_.drums == Drums::rock) {
                // Stabs on the off-beats drive the fights.
                for (int e = 1; e < eighthsPerBar(); e += 2)
                    for (int n : notes) t.note(start + static_cast<std::uint32_t>(e * kEighth), kEighth / 2, 1, n, velocity(70));
            } else if (s_.beats == 3) {
                for (int beat = 1; beat < 3; ++beat)
                    for (int n : notes) t.note(start + static_cast<std::uint32_t>(beat * kDivision), kDivision * 3 / 4, 1, n, velocity(60));
            } else {
                for (int n : notes) t.note(start, static_cast<std::uint32_t>(barTicks - 20), 1, n, velocity(62));
            }
        }
        return t;
    }

    MidiTrack bassPart(const std::vector<int>& chords, int barTicks) {
        MidiTrack t;
        t.name("bass");
        setup(t, 2, s_.bass, 100, 64);
        for (std::size_t b = 0; b < chords.size(); ++b) {
            const auto start = static_cast<std::uint32_t>(b * static_cast<std::size_t>(barTicks));
            int root = pitch(chords[b]);
            while (root > 47) root -= 12;
            while (root < 36) root += 12;
            const int fifth = root + 7;
            switch (s_.drums) {
                case Drums::battle:
                case Drums::rock:
                    for (int e = 0; e < eighthsPerBar(); ++e)
                        t.note(start + static_cast<std::uint32_t>(e * kEighth), kEighth - 30, 2, e % 4 == 3 ? root + 12 : root, velocity(e % 2 ? 80 : 96));
                    break;
                case Drums::march:
                case Drums::tribal:
                    for (int beat = 0; beat < s_.beats; ++beat)
                        t.note(start + static_cast<std::uint32_t>(beat * kDivision), kDivision - 40, 2, beat % 2 ? fifth : root, velocity(88));
                    break;
                case Drums::waltz:
                    t.note(start, kDivision - 20, 2, root, velocity(90));
                    break;
                default:
                    t.note(start, static_cast<std::uint32_t>(barTicks / 2 - 20), 2, root, velocity(84));
                    t.note(start + static_cast<std::uint32_t>(barTicks / 2), static_cast<std::uint32_t>(barTicks / 2 - 20), 2,
                           b % 2 ? fifth - 12 : root, velocity(76));
                    break;
            }
        }
        return t;
    }

    MidiTrack arpPart(const std::vector<int>& chords, int barTicks) {
        MidiTrack t;
        t.name("broken chords");
        setup(t, 3, s_.arp, 70, 88);
        const int per = s_.density == 2 ? kEighth / 2 : kEighth;
        for (std::size_t b = 0; b < chords.size(); ++b) {
            const auto start = static_cast<std::uint32_t>(b * static_cast<std::size_t>(barTicks));
            std::vector<int> notes = chordNotes(chords[b], s_.tonic - 5, s_.tonic + 8);
            notes.push_back(notes[0] + 12);
            static constexpr int kOrder[] = {0, 1, 2, 3, 2, 1};
            for (int i = 0; i * per < barTicks; ++i)
                t.note(start + static_cast<std::uint32_t>(i * per), static_cast<std::uint32_t>(per - per / 6), 3,
                       notes[static_cast<std::size_t>(kOrder[i % 6])], velocity(i % 4 == 0 ? 74 : 60));
        }
        return t;
    }

    MidiTrack timpaniPart(const std::vector<int>& chords, int barTicks) {
        MidiTrack t;
        t.name("timpani");
        setup(t, 4, 47, 96, 64);
        for (std::size_t b = 0; b < chords.size(); ++b) {
            const auto start = static_cast<std::uint32_t>(b * static_cast<std::size_t>(barTicks));
            int root = pitch(chords[b]);
            while (root > 52) root -= 12;
            while (root < 40) root += 12;
            if (b % 8 == 7) {
                // A roll into the next phrase.
                for (int i = 0; i < barTicks / (kDivision / 4); ++i)
                    t.note(start + static_cast<std::uint32_t>(i * kDivision / 4), kDivision / 4 - 10, 4, root, 50 + i * 3);
            } else if (b % 2 == 0) {
                t.note(start, kDivision, 4, root, velocity(96));
            }
        }
        return t;
    }

    MidiTrack drumPart(int bars, int barTicks) {
        MidiTrack t;
        t.name("drums");
        t.controller(0, 9, 7, 90);
        t.controller(0, 9, 91, 40);
        const int steps = s_.beats * 4;  // sixteenths
        // Each pattern: instrument, then a string of steps ('x' loud, 'o' soft).
        struct Line {
            int key;
            const char* hits;
        };
        std::vector<Line> lines;
        switch (s_.drums) {
            case Drums::ballad: lines = {{36, "x.......x......."}, {38, "....o.......o..."}, {42, "o.o.o.o.o.o.o.o."}}; break;
            case Drums::march: lines = {{36, "x.......x......."}, {38, "....x.oo....x.ox"}, {42, "..o...o...o...o."}}; break;
            case Drums::rock: lines = {{36, "x.....x.x......."}, {38, "....x.......x..."}, {42, "x.o.x.o.x.o.x.o."}}; break;
            case Drums::battle: lines = {{36, "x.xx..x.x.x...x."}, {38, "....x.......x..o"}, {42, "xoxoxoxoxoxoxoxo"}}; break;
            case Drums::waltz: lines = {{36, "x..........."}, {42, "....o...o..."}, {38, "....o...o..."}}; break;
            case Drums::tribal: lines = {{45, "x.....x.....x..."}, {47, "...x.....x......"}, {50, "........x...o.o."}, {42, "o...o...o...o..."}}; break;
            case Drums::none: break;
        }
        for (int b = 0; b < bars; ++b) {
            const auto start = static_cast<std::uint32_t>(b * barTicks);
            if (b % 8 == 0) t.note(start, kDivision, 9, 49, velocity(100));
            for (const Line& l : lines)
                for (int i = 0; i < steps && l.hits[i] != '\0'; ++i) {
                    if (l.hits[i] == '.') continue;
                    t.note(start + static_cast<std::uint32_t>(i * kDivision / 4), kDivision / 8, 9, l.key, velocity(l.hits[i] == 'x' ? 100 : 66));
                }
            // A fill at the end of every phrase.
            if (b % 8 == 7 && s_.drums != Drums::waltz)
                for (int i = steps - 4; i < steps; ++i)
                    t.note(start + static_cast<std::uint32_t>(i * kDivision / 4), kDivision / 8, 9, 38 + (i % 2) * 2 + 7, velocity(90));
        }
        return t;
    }

    const Style& s_;
    std::array<int, 7> scale_;
    Rng rng_;
};

}  // namespace

std::vector<Bytes> makeMusic() {
    std::vector<Bytes> out;
    for (const Style& s : kStyles) out.push_back(Composer(s).compose());
    return out;
}

}  // namespace assetgen
