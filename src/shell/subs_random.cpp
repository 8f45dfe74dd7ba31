#include <random>

#include "shell/subs.h"

namespace Subs {
namespace {

class Generator : public RandomSource {
public:
    int draw(int lo, int hi) override { return std::uniform_int_distribution<int>(lo, hi)(engine); }
    std::mt19937 engine{1};
};

Generator& generator() {
    static Generator g;
    return g;
}

std::unique_ptr<RandomSource>& injected() {
    static std::unique_ptr<RandomSource> source;
    return source;
}

}  // namespace

void seedRandom(std::uint32_t seed) { generator().engine.seed(seed); }

void setRandomSource(std::unique_ptr<RandomSource> source) { injected() = std::move(source); }

int randomInt(int lo, int hi) {
    // Callers may pass a high end below the low end (a spell scaled by a low
    // attribute); that range holds only the low end.
    if (hi < lo) hi = lo;
    RandomSource& source = injected() ? *injected() : generator();
    return source.draw(lo, hi);
}

}  // namespace Subs
