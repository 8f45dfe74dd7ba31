#include "creatures.h"

#include <cmath>

namespace assetgen {

void eyes(Image& img, Pt a, Pt b, double r, std::uint32_t colour) {
    for (Pt p : {a, b}) {
        glow(img, p.x, p.y, r * 3, rgb(colour, 150));
        paint(img, circle(p.x, p.y, r), Style{ramp(colour), false, 0, 0.35, false});
        img.set(static_cast<int>(p.x), static_cast<int>(p.y - r * 0.4), rgb(0xffffff));
    }
}

void teeth(Image& img, Pt a, Pt b, int count, double length) {
    for (int i = 0; i < count; ++i) {
        const double t0 = static_cast<double>(i) / count, t1 = static_cast<double>(i + 1) / count;
        const Pt p0{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
        const Pt p1{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
        const Pt tip{(p0.x + p1.x) / 2, (p0.y + p1.y) / 2 + length};
        fill(img, polygon({p0, p1, tip}), rgb(0xf4f0e0));
    }
}

void horn(Image& img, Pt base, Pt bend, Pt tip, double width, std::uint32_t colour) {
    const Style s = styled(colour);
    paint(img, tube(base, bend, width, width * 0.65), s);
    paint(img, tube(bend, tip, width * 0.65, 0.3), s);
}

void batWing(Image& img, Pt shoulder, Pt tip, double down, std::uint32_t membrane, std::uint32_t bone) {
    // Fingers fan out from the wrist; the membrane hangs between them.
    const Pt wrist{shoulder.x + (tip.x - shoulder.x) * 0.45, shoulder.y + (tip.y - shoulder.y) * 0.45 - down * 0.25};
    const Pt f1 = tip;
    const Pt f2{tip.x + (tip.x - shoulder.x) * 0.05, tip.y + down * 0.75};
    const Pt f3{wrist.x + (tip.x - shoulder.x) * 0.35, wrist.y + down * 1.25};
    const Pt root{shoulder.x + (tip.x - shoulder.x) * 0.12, shoulder.y + down * 1.1};
    auto sag = [](Pt a, Pt b, double d) { return Pt{(a.x + b.x) / 2, (a.y + b.y) / 2 - d}; };
    paint(img, polygon({shoulder, wrist, f1, sag(f1, f2, down * 0.18), f2, sag(f2, f3, down * 0.2), f3,
                        sag(f3, root, down * 0.22), root}),
          styled(membrane));
    const Style b = styled(bone);
    paint(img, tube(shoulder, wrist, 1.3, 1.0), b);
    for (Pt f : {f1, f2, f3}) paint(img, tube(wrist, f, 0.8, 0.4), b);
}

void featherWing(Image& img, Pt shoulder, Pt tip, double depth, std::uint32_t colour) {
    const Ramp r = ramp(colour);
    for (int row = 2; row >= 0; --row) {
        const int n = 5 - row;
        for (int i = 0; i < n; ++i) {
            const double t = (i + 1.0) / (n + 0.5);
            const Pt p{shoulder.x + (tip.x - shoulder.x) * t, shoulder.y + (tip.y - shoulder.y) * t + row * depth * 0.3};
            const double len = depth * (0.5 + 0.3 * (1 - row * 0.3));
            Style s = styled(colour);
            s.bias = -0.1 * row;
            paint(img, ellipse(p.x, p.y + len * 0.5, depth * 0.22, len * 0.6), s);
        }
    }
    paint(img, tube(shoulder, tip, depth * 0.16, depth * 0.08), Style{r, true, 1, 0.1, false});
}

void tail(Image& img, Pt a, Pt b, Pt c, double r0, double r1, std::uint32_t colour) {
    const Style s = styled(colour);
    const double rm = (r0 + r1) / 2;
    paint(img, tube(a, b, r0, rm), s);
    paint(img, tube(b, c, rm, r1), s);
}

void quadruped(Image& img, const BeastColours& c, bool stripes, bool mane, bool flames) {
    const double W = img.width(), H = img.height();
    auto P = [&](double x, double y) { return Pt{x * W, y * H}; };
    Style far = styled(c.body);
    far.bias = -0.25;
    const Style body = styled(c.body), belly = styled(c.belly);
    // Far legs, then the tail, body and near legs.
    paint(img, tube(P(0.36, 0.55), P(0.38, 0.93), W * 0.045, W * 0.035), far);
    paint(img, tube(P(0.72, 0.55), P(0.74, 0.93), W * 0.05, W * 0.035), far);
    tail(img, P(0.82, 0.42), P(0.95, 0.3), P(0.97, 0.12), W * 0.03, W * 0.015, c.body);
    if (flames) paint(img, polygon({P(0.95, 0.2), P(1.0, 0.0), P(0.99, 0.18), P(0.93, 0.02)}), styled(0xff8a20));
    const Region torso = ellipse(W * 0.56, H * 0.48, W * 0.3, H * 0.2);
    paint(img, torso, body);
    paint(img, intersect(ellipse(W * 0.54, H * 0.58, W * 0.24, H * 0.1), torso), belly);
    if (stripes)
        for (int i = 0; i < 6; ++i) {
            const double x = 0.38 + i * 0.07;
            fill(img, intersect(polygon({P(x, 0.26), P(x + 0.025, 0.26), P(x + 0.05, 0.5), P(x + 0.02, 0.52)}), torso), rgb(c.marks));
        }
    paint(img, tube(P(0.33, 0.5), P(0.31, 0.94), W * 0.05, W * 0.038), body);
    paint(img, tube(P(0.76, 0.5), P(0.79, 0.94), W * 0.055, W * 0.038), body);
    for (double x : {0.3, 0.8}) paint(img, ellipse(W * x - W * 0.015, H * 0.95, W * 0.05, H * 0.035), body);
    // Head.
    if (mane)
        for (int i = 0; i < 9; ++i) {
            const double a = 3.14159 * 2 * i / 9;
            paint(img, circle(W * 0.22 + std::cos(a) * W * 0.11, H * 0.33 + std::sin(a) * H * 0.15, W * 0.07), styled(c.mane));
        }
    if (flames)
        for (int i = 0; i < 5; ++i)
            paint(img, polygon({P(0.2 + i * 0.04, 0.22), P(0.24 + i * 0.045, 0.02 + (i % 2) * 0.06), P(0.27 + i * 0.04, 0.24)}),
                  styled(i % 2 ? 0xffa030 : 0xf05a20, false));
    paint(img, polygon({P(0.2, 0.2), P(0.26, 0.02), P(0.3, 0.24)}), body);
    paint(img, ellipse(W * 0.22, H * 0.33, W * 0.11, H * 0.15), body);
    paint(img, ellipse(W * 0.11, H * 0.41, W * 0.08, H * 0.085), belly);
    paint(img, circle(W * 0.045, H * 0.37, W * 0.02), styled(0x2a2020, false));
    line(img, P(0.05, 0.46), P(0.16, 0.47), kInk);
    teeth(img, P(0.06, 0.46), P(0.15, 0.47), 3, H * 0.04);
    eyes(img, P(0.17, 0.28), P(0.17, 0.28), W * 0.018, flames ? 0xffe040 : 0xf0c020);
}

void dragon(Image& img, std::uint32_t body, std::uint32_t belly, std::uint32_t wing, std::uint32_t hornColour) {
    const double W = img.width(), H = img.height();
    auto P = [&](double x, double y) { return Pt{x * W, y * H}; };
    Style far = styled(body);
    far.bias = -0.25;
    batWing(img, P(0.6, 0.42), P(0.98, 0.04), H * 0.22, hexOf(ramp(wing).tone[1]), body);
    tail(img, P(0.72, 0.72), P(0.92, 0.9), P(0.99, 0.62), H * 0.07, H * 0.02, body);
    paint(img, polygon({P(0.99, 0.56), P(1.0, 0.68), P(0.95, 0.64)}), styled(hornColour));
    paint(img, tube(P(0.7, 0.7), P(0.72, 0.95), W * 0.05, W * 0.04), far);
    const Region torso = ellipse(W * 0.58, H * 0.64, W * 0.2, H * 0.17);
    paint(img, torso, styled(body));
    paint(img, intersect(ellipse(W * 0.52, H * 0.72, W * 0.14, H * 0.1), torso), styled(belly));
    paint(img, ellipse(W * 0.68, H * 0.74, W * 0.09, H * 0.12), styled(body));
    paint(img, tube(P(0.68, 0.8), P(0.66, 0.96), W * 0.045, W * 0.035), styled(body));
    batWing(img, P(0.55, 0.48), P(0.3, 0.02), H * 0.2, wing, body);
    // Neck and head.
    paint(img, tube(P(0.48, 0.6), P(0.26, 0.3), H * 0.09, H * 0.065), styled(body));
    for (int i = 0; i < 4; ++i) {
        const Pt b{W * (0.44 - i * 0.055), H * (0.5 - i * 0.065)};
        paint(img, polygon({{b.x - W * 0.02, b.y}, {b.x + W * 0.02, b.y - H * 0.06}, {b.x + W * 0.03, b.y + H * 0.01}}), styled(hornColour));
    }
    paint(img, tube(P(0.42, 0.68), P(0.38, 0.95), W * 0.045, W * 0.035), styled(body));
    for (int i = 0; i < 3; ++i) line(img, P(0.33 + i * 0.03, 0.95), P(0.32 + i * 0.03, 0.99), rgb(0xf0ecd8));
    horn(img, P(0.26, 0.2), P(0.32, 0.1), P(0.38, 0.04), H * 0.025, hornColour);
    paint(img, ellipse(W * 0.22, H * 0.25, W * 0.1, H * 0.08), styled(body));
    paint(img, polygon({P(0.16, 0.2), P(0.02, 0.27), P(0.03, 0.32), P(0.2, 0.32)}), styled(body));
    paint(img, polygon({P(0.18, 0.31), P(0.05, 0.35), P(0.07, 0.38), P(0.22, 0.35)}), styled(belly));
    teeth(img, P(0.05, 0.32), P(0.16, 0.32), 4, H * 0.025);
    paint(img, circle(W * 0.045, H * 0.275, W * 0.012), styled(0x201818, false));
    eyes(img, P(0.2, 0.22), P(0.2, 0.22), W * 0.016, 0xffd030);
}

void serpent(Image& img, std::uint32_t body, std::uint32_t belly, bool hood) {
    const double W = img.width(), H = img.height();
    const Style s = styled(body), b = styled(belly);
    paint(img, ellipse(W * 0.52, H * 0.82, W * 0.44, H * 0.16), s);
    paint(img, ellipse(W * 0.5, H * 0.72, W * 0.33, H * 0.13), s);
    paint(img, ellipse(W * 0.47, H * 0.63, W * 0.22, H * 0.1), s);
    for (int i = 0; i < 7; ++i)
        paint(img, ellipse(W * (0.18 + i * 0.11), H * (0.83 + (i % 2) * 0.03), W * 0.035, H * 0.025), Style{ramp(belly), false, 0, -0.3, true});
    paint(img, tube({W * 0.42, H * 0.6}, {W * 0.3, H * 0.22}, W * 0.085, W * 0.07), s);
    paint(img, tube({W * 0.4, H * 0.58}, {W * 0.31, H * 0.28}, W * 0.04, W * 0.03), b);
    if (hood) paint(img, ellipse(W * 0.3, H * 0.25, W * 0.17, H * 0.15), s);
    paint(img, ellipse(W * 0.28, H * 0.17, W * 0.11, H * 0.08), s);
    line(img, {W * 0.18, H * 0.2}, {W * 0.06, H * 0.23}, rgb(0xd02a3a));
    line(img, {W * 0.06, H * 0.23}, {W * 0.02, H * 0.2}, rgb(0xd02a3a));
    line(img, {W * 0.06, H * 0.23}, {W * 0.02, H * 0.27}, rgb(0xd02a3a));
    eyes(img, {W * 0.24, H * 0.14}, {W * 0.32, H * 0.14}, W * 0.02, 0xf0e020);
}

}  // namespace assetgen
