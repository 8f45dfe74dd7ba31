#pragma once
// A small deterministic generator: the same seed gives the same assets on
// every machine, unlike the standard distributions.
#include <cstdint>
#include <string_view>

namespace assetgen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    Rng(std::string_view name, std::uint64_t index = 0) : Rng(hash(name) ^ (index * 0xD1B54A32D192ED03ull)) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [lo, hi].
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(double p) { return unit() < p; }
    template <class T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[next() % N]; }

    static constexpr std::uint64_t hash(std::string_view s) {
        std::uint64_t h = 1469598103934665603ull;
        for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return h;
    }

private:
    std::uint64_t state_;
};

}  // namespace assetgen
