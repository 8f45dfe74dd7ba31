#pragma once
// Painting helpers for the backdrops and the world maps: skies, ridges,
// clouds, ground planes and the props that stand on them.
#include <cstdint>

#include "draw.h"
#include "rng.h"

namespace assetgen {

// Vertical gradient in `steps` dithered bands between two colours.
void skyGradient(Image& img, int y0, int y1, Rgba top, Rgba bottom, int steps = 6);
// Puffy clouds in the band y0..y1, lit from above.
void clouds(Image& img, int y0, int y1, double cover, Rgba light, Rgba shade, std::uint32_t seed);
// A mountain range whose ridge wanders around `base` by up to `amp` pixels,
// filled down to the bottom and faded toward `haze` with distance.
void ridge(Image& img, double base, double amp, double roughness, std::uint32_t colour, Rgba haze, double hazeAmount,
           double snowLine, std::uint32_t seed);
// A row of peaks between x0 and x1 standing on `base`: lit left faces, shaded
// right faces, snow above `snowLine` (none when it is 0).
void mountainRange(Image& img, double base, int count, double minH, double maxH, std::uint32_t colour, Rgba haze, double hazeAmount,
                   bool snow, std::uint32_t seed);
// Textured ground from `horizon` to the bottom, coarser toward the viewer.
void groundPlane(Image& img, int horizon, std::uint32_t colour, double contrast, std::uint32_t seed, double stretch = 2.0);
// A field of scattered stars.
void stars(Image& img, int y1, int count, std::uint32_t seed);
// Vertical light shafts, added over the picture.
void lightShaft(Image& img, double xTop, double xBottom, double width, Rgba c);

void pineTree(Image& img, double x, double base, double h, std::uint32_t leaf, bool snowy);
void leafyTree(Image& img, double x, double base, double h, std::uint32_t leaf);
void bush(Image& img, double x, double base, double r, std::uint32_t leaf);
void boulder(Image& img, double x, double base, double r, std::uint32_t stone);

}  // namespace assetgen
