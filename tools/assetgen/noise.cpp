#include "noise.h"

#include <cmath>

namespace assetgen {
namespace {

double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^ static_cast<std::uint32_t>(y) * 0xd8163841u ^
                      seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffffu) / static_cast<double>(0xffffffu);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double valueNoise(double x, double y, double cell, int period, std::uint32_t seed) {
    const double fx = x / cell, fy = y / cell;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = smooth(fx - x0), ty = smooth(fy - y0);
    auto wrap = [period](int v) { return period > 0 ? ((v % period) + period) % period : v; };
    const int xa = wrap(x0), xb = wrap(x0 + 1), ya = wrap(y0), yb = wrap(y0 + 1);
    const double a = lattice(xa, ya, seed), b = lattice(xb, ya, seed);
    const double c = lattice(xa, yb, seed), d = lattice(xb, yb, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double fractalNoise(double x, double y, double cell, int period, int octaves, std::uint32_t seed) {
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, cell, period, seed + 977u * o);
        norm += amp;
        amp *= 0.5;
        cell /= 2;
        period *= 2;
    }
    return sum / norm;
}

double bayer(int x, int y) {
    static constexpr int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return m[y & 3][x & 3] / 16.0;
}

}  // namespace assetgen
