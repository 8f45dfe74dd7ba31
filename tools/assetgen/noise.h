#pragma once
// Value noise. With a period the noise wraps, so a tile filled with it
// joins its neighbours without a seam.
#include <cstdint>

namespace assetgen {

// Smooth noise in [0, 1] on a lattice of cells `cell` pixels wide; the
// lattice repeats every `period` cells (0 = never).
double valueNoise(double x, double y, double cell, int period, std::uint32_t seed);
// Several octaves of valueNoise, each half the cell size of the last.
double fractalNoise(double x, double y, double cell, int period, int octaves, std::uint32_t seed);
// 4x4 ordered-dither threshold in [0, 1) for pixel (x, y).
double bayer(int x, int y);

}  // namespace assetgen
