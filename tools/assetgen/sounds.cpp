// The sound effects, synthesised: tones, filtered noise and metallic
// partials shaped by envelopes.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "audio.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr double kRate = kSampleRate;
constexpr double kTau = 2 * std::numbers::pi;

enum class Wave { sine, square, triangle, saw };

class Mix {
public:
    explicit Mix(double seconds) : buf_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

    // A tone gliding exponentially from f0 to f1, with attack and exponential
    // decay (decay = time to fall to about a third), optional vibrato.
    void tone(double start, double dur, double f0, double f1, Wave w, double amp, double attack, double decay,
              double vibratoHz = 0, double vibratoDepth = 0) {
        double phase = 0;
        const int n = static_cast<int>(dur * kRate);
        for (int i = 0; i < n; ++i) {
            const double t = i / kRate;
            double f = f0 * std::pow(f1 / f0, t / dur);
            if (vibratoHz > 0) f *= 1 + vibratoDepth * std::sin(kTau * vibratoHz * t);
            phase += f / kRate;
            phase -= std::floor(phase);
            double s = 0;
            switch (w) {
                case Wave::sine: s = std::sin(kTau * phase); break;
                case Wave::square: s = phase < 0.5 ? 0.6 : -0.6; break;
                case Wave::triangle: s = 4 * std::fabs(phase - 0.5) - 1; break;
                case Wave::saw: s = (2 * phase - 1) * 0.7; break;
            }
            add(start + t, s * amp * envelope(t, dur, attack, decay));
        }
    }

    // Noise through a low-pass whose cutoff glides from lo0 to lo1 and a
    // high-pass at `high` Hz (0 for none).
    void noise(double start, double dur, double amp, double attack, double decay, double lo0, double lo1, double high,
               std::uint64_t seed) {
        Rng rng("noise", seed);
        double lp = 0, hp = 0;
        const int n = static_cast<int>(dur * kRate);
        for (int i = 0; i < n; ++i) {
            const double t = i / kRate;
            const double cut = lo0 * std::pow(lo1 / lo0, t / dur);
            lp += (1 - std::exp(-kTau * cut / kRate)) * (rng.range(-1, 1) - lp);
            double s = lp;
            if (high > 0) {
                hp += (1 - std::exp(-kTau * high / kRate)) * (s - hp);
                s -= hp;
            }
            add(start + t, s * amp * 2.5 * envelope(t, dur, attack, decay));
        }
    }

    // A struck metal: inharmonic partials with their own decays.
    void metal(double start, double dur, double base, double amp) {
        static constexpr double kRatios[] = {1.0, 2.76, 5.40, 8.93, 13.3};
        for (int k = 0; k < 5; ++k)
            tone(start, dur, base * kRatios[k], base * kRatios[k], Wave::sine, amp / (k + 1.5), 0.001, dur / (1.5 + k * 0.8));
    }

    // A bell: a sine with a quieter octave and fifth above.
    void bell(double start, double dur, double f, double amp) {
        tone(start, dur, f, f, Wave::sine, amp, 0.004, dur * 0.45);
        tone(start, dur, f * 2, f * 2, Wave::sine, amp * 0.35, 0.004, dur * 0.25);
        tone(start, dur, f * 3, f * 3, Wave::triangle, amp * 0.12, 0.004, dur * 0.15);
    }

    std::vector<std::int16_t> finish() const {
        double peak = 1e-9;
        for (double s : buf_) peak = std::max(peak, std::fabs(s));
        const double gain = 0.7 / peak;
        std::vector<std::int16_t> out(buf_.size());
        const std::size_t fade = static_cast<std::size_t>(0.008 * kRate);
        for (std::size_t i = 0; i < buf_.size(); ++i) {
            double s = buf_[i] * gain;
            if (i < 40) s *= i / 40.0;
            if (buf_.size() - i < fade) s *= static_cast<double>(buf_.size() - i) / fade;
            out[i] = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        }
        return out;
    }

private:
    static double envelope(double t, double dur, double attack, double decay) {
        const double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        const double d = decay > 0 ? std::exp(-std::max(0.0, t - attack) / decay) : 1.0;
        const double tail = std::min(1.0, (dur - t) / 0.01);
        return a * d * std::max(0.0, tail);
    }
    void add(double t, double v) {
        const auto i = static_cast<std::size_t>(t * kRate);
        if (i < buf_.size()) buf_[i] += v;
    }
    std::vector<double> buf_;
};

double note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Mix healing() {
    Mix m(1.2);
    const int notes[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) m.bell(i * 0.1, 0.9 - i * 0.08, note(notes[i]), 0.5);
    m.noise(0.0, 1.1, 0.05, 0.3, 0.4, 6000, 9000, 4000, 1);
    return m;
}

Mix whoosh(double low, std::uint64_t seed) {
    Mix m(0.4);
    m.noise(0.0, 0.38, 0.8, 0.12, 0.12, low, low * 6, low * 0.5, seed);
    return m;
}

Mix confirm() {
    Mix m(0.16);
    m.tone(0.0, 0.06, note(81), note(81), Wave::square, 0.5, 0.002, 0.05);
    m.tone(0.06, 0.1, note(88), note(88), Wave::square, 0.5, 0.002, 0.06);
    return m;
}

Mix footstep() {
    Mix m(0.12);
    m.noise(0.0, 0.1, 1.0, 0.003, 0.03, 900, 300, 60, 3);
    m.tone(0.0, 0.08, 140, 70, Wave::sine, 0.6, 0.002, 0.03);
    return m;
}

Mix fire() {
    Mix m(0.9);
    m.noise(0.0, 0.85, 0.9, 0.05, 0.35, 800, 2500, 150, 4);
    Rng rng("crackle", 4);
    for (int i = 0; i < 14; ++i) m.noise(rng.range(0.05, 0.75), 0.02, 0.6, 0.001, 0.006, 6000, 6000, 1500, 40 + i);
    m.tone(0.0, 0.8, 90, 60, Wave::sine, 0.4, 0.05, 0.4);
    return m;
}

Mix buff() {
    Mix m(0.9);
    m.tone(0.0, 0.8, 400, 1600, Wave::triangle, 0.5, 0.05, 0.5, 7, 0.02);
    Rng rng("sparkle", 5);
    for (int i = 0; i < 10; ++i) m.bell(0.1 + i * 0.06, 0.25, rng.range(1800, 3200), 0.18);
    return m;
}

Mix hit(double body, double bright, std::uint64_t seed) {
    Mix m(0.35);
    m.noise(0.0, 0.2, 1.0, 0.001, 0.05, bright, bright * 0.3, 100, seed);
    m.tone(0.0, 0.25, body, body * 0.5, Wave::sine, 0.9, 0.001, 0.08);
    return m;
}

Mix chestOpen() {
    Mix m(0.9);
    m.tone(0.0, 0.35, 140, 180, Wave::saw, 0.35, 0.02, 0.3, 23, 0.05);
    m.noise(0.33, 0.05, 0.7, 0.001, 0.015, 3000, 3000, 500, 7);
    const int notes[] = {84, 88, 91};
    for (int i = 0; i < 3; ++i) m.bell(0.4 + i * 0.08, 0.45, note(notes[i]), 0.35);
    return m;
}

Mix stairs() {
    Mix m(0.6);
    for (int i = 0; i < 3; ++i) {
        m.noise(i * 0.17, 0.1, 1.0, 0.003, 0.03, 800 - i * 150, 250, 50, 8 + i);
        m.tone(i * 0.17, 0.1, 150 - i * 20, 70, Wave::sine, 0.6, 0.002, 0.03);
    }
    return m;
}

Mix rest() {
    Mix m(1.6);
    const int notes[] = {67, 71, 74, 79};
    for (int i = 0; i < 4; ++i) m.bell(i * 0.22, 1.3 - i * 0.2, note(notes[i]), 0.45);
    return m;
}

Mix flight() {
    Mix m(0.8);
    for (int i = 0; i < 5; ++i) m.noise(i * 0.1, 0.07, 0.9, 0.002, 0.02, 1000, 400, 80, 10 + i);
    m.noise(0.3, 0.45, 0.6, 0.1, 0.12, 500, 3000, 300, 16);
    return m;
}

Mix slashHit() {
    Mix m(0.4);
    m.noise(0.0, 0.12, 0.9, 0.001, 0.04, 8000, 3000, 1200, 11);
    m.metal(0.01, 0.35, 1300, 0.25);
    m.tone(0.0, 0.15, 180, 90, Wave::sine, 0.6, 0.001, 0.05);
    return m;
}

Mix spark() {
    Mix m(0.45);
    Rng rng("zap", 12);
    for (int i = 0; i < 16; ++i) m.noise(rng.range(0, 0.38), 0.015, 0.8, 0.001, 0.005, 9000, 9000, 2500, 60 + i);
    m.tone(0.0, 0.4, 1800, 2400, Wave::square, 0.15, 0.005, 0.15, 60, 0.08);
    return m;
}

Mix thunder() {
    Mix m(1.6);
    m.noise(0.0, 0.15, 1.0, 0.001, 0.04, 10000, 4000, 1500, 13);
    m.noise(0.05, 1.5, 1.0, 0.05, 0.5, 400, 120, 25, 14);
    m.tone(0.05, 1.0, 60, 40, Wave::sine, 0.4, 0.05, 0.4);
    return m;
}

Mix heavyBlow() {
    Mix m(0.7);
    m.tone(0.0, 0.6, 90, 38, Wave::sine, 1.0, 0.002, 0.2);
    m.noise(0.0, 0.4, 0.7, 0.001, 0.1, 2000, 200, 40, 15);
    return m;
}

Mix coins() {
    Mix m(0.6);
    Rng rng("coins", 15);
    for (int i = 0; i < 6; ++i) m.metal(i * 0.06 + rng.range(0, 0.02), 0.3, rng.range(2200, 3200), 0.3);
    return m;
}

Mix holy() {
    Mix m(1.4);
    const int chord[] = {60, 64, 67, 72, 76};
    for (int k : chord)
        for (double detune : {0.997, 1.003}) m.tone(0.0, 1.35, note(k) * detune, note(k) * detune, Wave::triangle, 0.18, 0.35, 0.8, 5, 0.004);
    m.bell(0.05, 1.2, note(84), 0.4);
    m.bell(0.35, 1.0, note(91), 0.25);
    return m;
}

Mix tick() {
    Mix m(0.04);
    m.tone(0.0, 0.035, 1500, 1400, Wave::sine, 0.8, 0.001, 0.012);
    return m;
}

Mix buzz() {
    Mix m(0.3);
    m.tone(0.0, 0.1, 110, 105, Wave::square, 0.6, 0.002, 0.2);
    m.tone(0.14, 0.12, 98, 92, Wave::square, 0.6, 0.002, 0.2);
    return m;
}

Mix clang(double base) {
    Mix m(0.6);
    m.metal(0.0, 0.58, base, 0.8);
    m.noise(0.0, 0.05, 0.6, 0.001, 0.01, 9000, 5000, 2000, static_cast<std::uint64_t>(base));
    return m;
}

Mix battleStart() {
    Mix m(1.2);
    m.noise(0.0, 0.5, 0.7, 0.2, 0.15, 300, 3000, 200, 20);
    const int notes[] = {57, 60, 64, 69};
    for (int i = 0; i < 4; ++i) m.tone(0.35 + i * 0.07, 0.3, note(notes[i]), note(notes[i]), Wave::square, 0.3, 0.005, 0.12);
    m.tone(0.63, 0.55, 110, 55, Wave::saw, 0.6, 0.005, 0.2);
    m.noise(0.63, 0.4, 0.8, 0.001, 0.1, 2500, 300, 40, 21);
    return m;
}

Mix bite() {
    Mix m(0.35);
    for (int i = 0; i < 2; ++i) {
        m.noise(i * 0.13, 0.1, 1.0, 0.002, 0.03, 3500, 1200, 300, 23 + i);
        m.tone(i * 0.13, 0.1, 200, 90, Wave::sine, 0.5, 0.001, 0.03);
    }
    return m;
}

Mix claw() {
    Mix m(0.4);
    for (int i = 0; i < 3; ++i) m.noise(i * 0.08, 0.12, 0.9, 0.005, 0.04, 2500, 9000, 1500, 30 + i);
    return m;
}

Mix roar() {
    Mix m(1.1);
    m.tone(0.0, 1.05, 95, 70, Wave::saw, 0.7, 0.15, 0.6, 9, 0.06);
    m.tone(0.0, 1.05, 143, 105, Wave::saw, 0.35, 0.15, 0.6, 11, 0.05);
    m.noise(0.0, 1.0, 0.5, 0.15, 0.5, 900, 400, 60, 25);
    return m;
}

Mix slam() {
    Mix m(0.6);
    m.tone(0.0, 0.5, 70, 40, Wave::sine, 1.0, 0.001, 0.15);
    m.noise(0.0, 0.5, 0.8, 0.001, 0.15, 1200, 150, 30, 26);
    return m;
}

Mix screech() {
    Mix m(0.7);
    m.tone(0.0, 0.65, 1100, 1700, Wave::saw, 0.5, 0.03, 0.35, 28, 0.06);
    m.tone(0.0, 0.65, 1650, 2300, Wave::saw, 0.25, 0.03, 0.3, 31, 0.05);
    m.noise(0.0, 0.5, 0.25, 0.03, 0.2, 6000, 6000, 2000, 27);
    return m;
}

Mix fanfare() {
    Mix m(1.6);
    const int notes[] = {67, 72, 76, 79};
    for (int i = 0; i < 4; ++i) {
        m.tone(i * 0.11, 0.14, note(notes[i]), note(notes[i]), Wave::square, 0.35, 0.005, 0.2);
        m.tone(i * 0.11, 0.14, note(notes[i] - 12), note(notes[i] - 12), Wave::triangle, 0.3, 0.005, 0.2);
    }
    for (int k : {72, 76, 79, 84}) m.tone(0.46, 1.1, note(k), note(k), Wave::square, 0.18, 0.01, 0.6, 6, 0.006);
    m.tone(0.46, 1.1, note(48), note(48), Wave::triangle, 0.5, 0.01, 0.6);
    return m;
}

}  // namespace

std::vector<std::vector<std::int16_t>> makeSounds() {
    // Numbers as the game plays them; the unused ones are the map's own
    // sounds (footstep, chest, stairs, rest, coins, refusal).
    const Mix all[kSoundCount] = {
        healing(),         whoosh(500, 1),  confirm(),      footstep(), fire(),           buff(),
        hit(120, 2500, 6), chestOpen(),     stairs(),       rest(),     flight(),         slashHit(),
        spark(),           thunder(),       heavyBlow(),    coins(),    holy(),           tick(),
        buzz(),            clang(620),      battleStart(),  whoosh(350, 21), clang(840),  bite(),
        claw(),            roar(),          slam(),         screech(),  fanfare(),
    };
    std::vector<std::vector<std::int16_t>> out;
    for (const Mix& m : all) out.push_back(m.finish());
    return out;
}

}  // namespace assetgen
