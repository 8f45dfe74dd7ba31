#pragma once
// Helpers for wrapping textures: posterised noise, scattered details and
// cell patterns (stones, bricks, slabs) that join across a tile's edges.
#include <cstdint>
#include <functional>

#include "draw.h"
#include "rng.h"

namespace assetgen {

// Picks one of the four tones for a value in [0, 1], dithered.
Rgba toneFor(const Ramp& r, double v, int x, int y, double dither = 0.18);
// Fills the picture with wrapping fractal noise mapped through the ramp.
// `cell` must divide the picture's width and height.
void noiseFill(Image& img, const Ramp& r, int cell, std::uint32_t seed, double contrast = 1.0, double bias = 0.0);
// Stones laid on a jittered grid of cells (Voronoi), with dark gaps between.
// Wraps when `cell` divides the picture's size.
void stoneFill(Image& img, const Ramp& r, int cell, double gap, std::uint32_t seed, Rgba mortar);
// Brick courses of the given size, every other course shifted by half.
void brickFill(Image& img, const Ramp& r, int bw, int bh, Rgba mortar, std::uint32_t seed);
// Calls draw(x, y) `count` times at random places; the drawer should use
// setWrapped so details crossing an edge reappear on the other side.
void scatter(Rng& rng, int count, int w, int h, const std::function<void(int, int)>& draw);

}  // namespace assetgen
