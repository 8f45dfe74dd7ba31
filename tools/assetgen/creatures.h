#pragma once
// Body parts and whole body plans shared by the monsters, the intro's
// armies and the hit effects.
#include <cstdint>

#include "draw.h"

namespace assetgen {

// Two glowing eyes.
void eyes(Image& img, Pt a, Pt b, double r, std::uint32_t colour);
// A row of pointed teeth along the line a-b, pointing by `length` (negative: upward).
void teeth(Image& img, Pt a, Pt b, int count, double length);
// A tapering horn from base to tip, bending toward `bend`.
void horn(Image& img, Pt base, Pt bend, Pt tip, double width, std::uint32_t colour);
// A bat or dragon wing from the shoulder to its spread tip; `down` sets how
// far the scalloped trailing edge hangs.
void batWing(Image& img, Pt shoulder, Pt tip, double down, std::uint32_t membrane, std::uint32_t bone);
// A feathered wing of layered feathers.
void featherWing(Image& img, Pt shoulder, Pt tip, double depth, std::uint32_t colour);
// A tapering tail through three points.
void tail(Image& img, Pt a, Pt b, Pt c, double r0, double r1, std::uint32_t colour);

struct BeastColours {
    std::uint32_t body, belly, marks, mane;
};
// A four-legged beast facing left filling the w x h canvas.
void quadruped(Image& img, const BeastColours& c, bool stripes, bool mane, bool flames);
// A dragon facing left, wings raised, filling the canvas.
void dragon(Image& img, std::uint32_t body, std::uint32_t belly, std::uint32_t wing, std::uint32_t hornColour);
// A coiled serpent with its head raised, filling the canvas.
void serpent(Image& img, std::uint32_t body, std::uint32_t belly, bool hood);

}  // namespace assetgen
