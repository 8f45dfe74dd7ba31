#include "draw.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace assetgen {
namespace {

constexpr double kLx = -0.5, kLy = -0.66, kLz = 0.56;

Normal fromXY(double nx, double ny) {
    const double len2 = nx * nx + ny * ny;
    if (len2 >= 1.0) {
        const double len = std::sqrt(len2);
        return {nx / len, ny / len, 0.0};
    }
    return {nx, ny, std::sqrt(1.0 - len2)};
}

// Distance from p to segment ab, with the outward direction.
double segmentDistance(Pt p, Pt a, Pt b, double& t) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double len2 = vx * vx + vy * vy;
    t = len2 > 0 ? std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
    const double dx = p.x - (a.x + vx * t), dy = p.y - (a.y + vy * t);
    return std::sqrt(dx * dx + dy * dy);
}

int toneOf(const Normal& n, double bias, double dither, int x, int y) {
    double i = n.x * kLx + n.y * kLy + n.z * kLz + bias;
    i += (bayer(x, y) - 0.5) * 0.16 * dither;
    if (i < 0.08) return 0;
    if (i < 0.42) return 1;
    if (i < 0.80) return 2;
    return 3;
}

}  // namespace

Region ellipse(double cx, double cy, double rx, double ry) {
    Region r;
    r.x0 = cx - rx; r.x1 = cx + rx; r.y0 = cy - ry; r.y1 = cy + ry;
    r.inside = [=](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    r.normal = [=](double x, double y) { return fromXY((x - cx) / rx * 0.95, (y - cy) / ry * 0.95); };
    return r;
}

Region circle(double cx, double cy, double rr) { return ellipse(cx, cy, rr, rr); }

Region rect(double x, double y, double w, double h) {
    return polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Region polygon(std::vector<Pt> pts) {
    Region r;
    r.x0 = r.x1 = pts[0].x;
    r.y0 = r.y1 = pts[0].y;
    for (const Pt& p : pts) {
        r.x0 = std::min(r.x0, p.x); r.x1 = std::max(r.x1, p.x);
        r.y0 = std::min(r.y0, p.y); r.y1 = std::max(r.y1, p.y);
    }
    const double bevel = std::max(1.5, 0.38 * std::min(r.x1 - r.x0, r.y1 - r.y0) / 2.0 * 2.0);
    r.inside = [pts](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Pt& a = pts[i];
            const Pt& b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    };
    r.normal = [pts, bevel](double x, double y) {
        double best = 1e9;
        Pt dir{0, 0};
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            double t;
            const double d = segmentDistance({x, y}, pts[j], pts[i], t);
            if (d < best) {
                best = d;
                const Pt q{pts[j].x + (pts[i].x - pts[j].x) * t, pts[j].y + (pts[i].y - pts[j].y) * t};
                const double len = std::max(1e-9, d);
                dir = {(q.x - x) / len, (q.y - y) / len};
            }
        }
        const double k = std::max(0.0, 1.0 - best / bevel);
        return fromXY(dir.x * k * 0.9, dir.y * k * 0.9);
    };
    return r;
}

Region tube(Pt a, Pt b, double ra, double rb) {
    Region r;
    const double m = std::max(ra, rb);
    r.x0 = std::min(a.x, b.x) - m; r.x1 = std::max(a.x, b.x) + m;
    r.y0 = std::min(a.y, b.y) - m; r.y1 = std::max(a.y, b.y) + m;
    r.inside = [=](double x, double y) {
        double t;
        const double d = segmentDistance({x, y}, a, b, t);
        return d <= ra + (rb - ra) * t;
    };
    r.normal = [=](double x, double y) {
        double t;
        const double d = segmentDistance({x, y}, a, b, t);
        const double rad = std::max(0.5, ra + (rb - ra) * t);
        const double qx = a.x + (b.x - a.x) * t, qy = a.y + (b.y - a.y) * t;
        const double len = std::max(1e-9, d);
        const double k = std::min(1.0, d / rad) * 0.95;
        return fromXY((x - qx) / len * k, (y - qy) / len * k);
    };
    return r;
}

Region intersect(Region a, const Region& b) {
    auto ia = a.inside;
    auto ib = b.inside;
    a.inside = [ia, ib](double x, double y) { return ia(x, y) && ib(x, y); };
    return a;
}

Region subtract(Region a, Region b) {
    auto ia = a.inside;
    auto ib = b.inside;
    a.inside = [ia, ib](double x, double y) { return ia(x, y) && !ib(x, y); };
    return a;
}

Style styled(std::uint32_t hex, bool outline) {
    Style s;
    s.ramp = ramp(hex);
    s.outline = outline;
    return s;
}

void paint(Image& img, const Region& r, const Style& s) {
    const int x0 = static_cast<int>(std::floor(r.x0)) - 1, x1 = static_cast<int>(std::ceil(r.x1)) + 1;
    const int y0 = static_cast<int>(std::floor(r.y0)) - 1, y1 = static_cast<int>(std::ceil(r.y1)) + 1;
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (w <= 0 || h <= 0) return;
    std::vector<char> mask(static_cast<std::size_t>(w) * h, 0);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            mask[static_cast<std::size_t>(y - y0) * w + (x - x0)] = r.inside(x + 0.5, y + 0.5) ? 1 : 0;
    auto in = [&](int x, int y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        return mask[static_cast<std::size_t>(y - y0) * w + (x - x0)] != 0;
    };
    const Rgba ink = s.ramp.outline();
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (in(x, y)) {
                const int t = s.flat ? 2 : toneOf(r.normal(x + 0.5, y + 0.5), s.bias, s.dither, x, y);
                img.blend(x, y, s.ramp.tone[t]);
            } else if (s.outline && (in(x - 1, y) || in(x + 1, y) || in(x, y - 1) || in(x, y + 1))) {
                img.blend(x, y, ink);
            }
        }
}

void fill(Image& img, const Region& r, Rgba c) {
    const int x0 = static_cast<int>(std::floor(r.x0)), x1 = static_cast<int>(std::ceil(r.x1));
    const int y0 = static_cast<int>(std::floor(r.y0)), y1 = static_cast<int>(std::ceil(r.y1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (r.inside(x + 0.5, y + 0.5)) img.blend(x, y, c);
}

void line(Image& img, Pt a, Pt b, Rgba c, double width) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (width <= 1.0) {
        const int steps = std::max(1, static_cast<int>(std::ceil(len * 1.5)));
        int lx = -99999, ly = -99999;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int x = static_cast<int>(std::floor(a.x + (b.x - a.x) * t));
            const int y = static_cast<int>(std::floor(a.y + (b.y - a.y) * t));
            if (x != lx || y != ly) img.blend(x, y, c);
            lx = x; ly = y;
        }
        return;
    }
    fill(img, tube(a, b, width / 2, width / 2), c);
}

void curve(Image& img, Pt a, Pt k, Pt b, Rgba c, double width) {
    const double len = std::hypot(k.x - a.x, k.y - a.y) + std::hypot(b.x - k.x, b.y - k.y);
    const int n = std::max(2, static_cast<int>(len / 2));
    Pt prev = a;
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, u = 1 - t;
        const Pt p{u * u * a.x + 2 * u * t * k.x + t * t * b.x, u * u * a.y + 2 * u * t * k.y + t * t * b.y};
        line(img, prev, p, c, width);
        prev = p;
    }
}

void glow(Image& img, double cx, double cy, double r, Rgba c, double strength) {
    for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r); ++y)
        for (int x = static_cast<int>(cx - r); x <= static_cast<int>(cx + r); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d >= 1.0) continue;
            double a = (1 - d) * (1 - d) * strength;
            // Quantised so glows keep the banded pixel look.
            a = std::floor(a * 5 + bayer(x, y)) / 5;
            if (a <= 0) continue;
            Rgba t = c;
            t.a = static_cast<std::uint8_t>(std::clamp(a, 0.0, 1.0) * c.a);
            img.blend(x, y, t);
        }
}

}  // namespace assetgen
