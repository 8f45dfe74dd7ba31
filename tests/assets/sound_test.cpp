// The sound effects: valid 16-bit PCM wave data, short, loud enough and
// without clipping or clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "pictures.h"

namespace assets_test {
namespace {

struct Wave {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

Wave readWave(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(f), {}};
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        throw std::runtime_error(path.string() + ": not RIFF WAVE");
    if (le(b, 4, 4) + 8 != b.size()) throw std::runtime_error(path.string() + ": RIFF size");
    Wave w;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at) + 4);
        const std::uint32_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size()) throw std::runtime_error(path.string() + ": chunk " + id + " overruns");
        if (id == "fmt ") {
            w.format = static_cast<int>(le(b, at + 8, 2));
            w.channels = static_cast<int>(le(b, at + 10, 2));
            w.rate = static_cast<int>(le(b, at + 12, 4));
            w.bits = static_cast<int>(le(b, at + 22, 2));
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveData) throw std::runtime_error(path.string() + ": no data");
    return w;
}

TEST(Sounds, AreShortCleanPcmEffects) {
    for (int n = 0; n <= 28; ++n) {
        SCOPED_TRACE("snd" + std::to_string(n));
        const Wave w = readWave(appDir() / ("sound/snd" + std::to_string(n) + ".snd"));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.channels, 1);
        EXPECT_GE(w.rate, 11025);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GE(seconds, 0.02);
        EXPECT_LE(seconds, 3.0);
        int peak = 0;
        double energy = 0;
        for (std::int16_t s : w.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            energy += static_cast<double>(s) * s;
        }
        const double rms = std::sqrt(energy / static_cast<double>(w.samples.size()));
        EXPECT_GT(peak, 32767 / 4) << "quieter than -12 dB";
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_GT(rms, 300.0) << "mostly silence";
        EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 600) << "starts with a click";
        EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 600) << "ends with a click";
    }
}

// Played by the same procedure at random, the two miss sounds and the two
// block sounds must still differ.
TEST(Sounds, AlternativesDiffer) {
    for (const auto& [a, b] : {std::pair{1, 21}, std::pair{19, 22}, std::pair{6, 11}})
        EXPECT_NE(readWave(appDir() / ("sound/snd" + std::to_string(a) + ".snd")).samples,
                  readWave(appDir() / ("sound/snd" + std::to_string(b) + ".snd")).samples)
            << a << " and " << b;
}

// A cursor tick is short; a level-up fanfare takes its time.
TEST(Sounds, LengthsSuitTheirUse) {
    auto seconds = [](int n) {
        const Wave w = readWave(appDir() / ("sound/snd" + std::to_string(n) + ".snd"));
        return static_cast<double>(w.samples.size()) / w.rate;
    };
    EXPECT_LT(seconds(17), 0.1);
    EXPECT_LT(seconds(2), 0.3);
    EXPECT_GT(seconds(28), 1.0);
    EXPECT_GT(seconds(13), seconds(12));
}

// Screeches, sparks and claws are bright and hissing; roars, blows and
// slams are low: compared by how often the wave crosses zero.
TEST(Sounds, BrightAndDullWhereTheirUseSays) {
    auto crossingsPerSecond = [](int n) {
        const Wave w = readWave(appDir() / ("sound/snd" + std::to_string(n) + ".snd"));
        int crossings = 0;
        for (std::size_t i = 1; i < w.samples.size(); ++i) crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
        return crossings * static_cast<double>(w.rate) / static_cast<double>(w.samples.size());
    };
    const std::pair<int, int> brightOverDull[] = {{27, 25}, {12, 14}, {24, 26}, {1, 6}, {21, 26}};
    for (const auto& [bright, dull] : brightOverDull)
        EXPECT_GT(crossingsPerSecond(bright), 1.5 * crossingsPerSecond(dull)) << bright << " over " << dull;
}

}  // namespace
}  // namespace assets_test
