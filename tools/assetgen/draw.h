#pragma once
// The drawing toolkit shared by every picture group: filled shapes that
// shade themselves by a fixed light from the upper left, quantised to four
// tones, with an optional dark outline, in the hand-made pixel-art manner.
#include <functional>
#include <vector>

#include "image.h"

namespace assetgen {

struct Pt {
    double x = 0, y = 0;
};

struct Normal {
    double x = 0, y = 0, z = 1;
};

// A filled area: a bounding box, a point test and a surface normal used to
// pick the shading tone.
struct Region {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::function<bool(double, double)> inside;
    std::function<Normal(double, double)> normal;
};

Region ellipse(double cx, double cy, double rx, double ry);
Region circle(double cx, double cy, double r);
Region rect(double x, double y, double w, double h);
// A bevelled polygon: flat in the middle, rounded toward its edges.
Region polygon(std::vector<Pt> pts);
// A limb: a tube from a to b whose radius goes from ra to rb.
Region tube(Pt a, Pt b, double ra, double rb);
// Parts of one region: keep points also inside / not inside another.
Region intersect(Region a, const Region& b);
Region subtract(Region a, Region b);

struct Style {
    Ramp ramp;
    bool outline = true;
    double dither = 1.0;  // strength of the ordered dither between tones
    double bias = 0.0;    // added to the light: > 0 lighter, < 0 darker
    bool flat = false;    // a single tone, no shading
};
Style styled(std::uint32_t hex, bool outline = true);

// Fills the region with its shading, then outlines it.
void paint(Image& img, const Region& r, const Style& s);
// Fills the region with one colour (alpha blended), no outline.
void fill(Image& img, const Region& r, Rgba c);

// A line of the given width with round ends.
void line(Image& img, Pt a, Pt b, Rgba c, double width = 1.0);
// A quadratic curve from a to b bent toward control point k.
void curve(Image& img, Pt a, Pt k, Pt b, Rgba c, double width = 1.0);
// Soft round glow, added on top (spells, fire, magic eyes).
void glow(Image& img, double cx, double cy, double r, Rgba c, double strength = 1.0);

}  // namespace assetgen
