#include "icons.h"

#include <cmath>
#include <numbers>

#include "creatures.h"
#include "draw.h"

namespace assetgen {
namespace {

constexpr int kSize = 16;
using IconDraw = void (*)(Image&);

Image icon(IconDraw d) {
    Image img(kSize, kSize);
    d(img);
    hardenAlpha(img);
    return enlarged(img, 2);
}

// ---- Shared shapes -------------------------------------------------------------

void sword(Image& img, double length, std::uint32_t blade, std::uint32_t guard, double width = 1.6) {
    const Pt hilt{4.5, 11.5};
    const Pt tip{hilt.x + length * 0.7, hilt.y - length * 0.7};
    const double nx = width * 0.7, ny = width * 0.7;
    paint(img, polygon({{hilt.x - nx, hilt.y - ny}, {tip.x - 0.6, tip.y - 0.2}, {tip.x + 0.5, tip.y + 0.5}, {hilt.x + nx, hilt.y + ny}}), styled(blade));
    line(img, {hilt.x + 0.5, hilt.y - 0.5}, {tip.x - 0.5, tip.y + 0.5}, ramp(blade).tone[3]);
    paint(img, tube({2.5, 9.5}, {6.5, 13.5}, 0.9, 0.9), styled(guard));
    paint(img, tube({3.6, 12.4}, {1.8, 14.2}, 0.9, 0.9), styled(0x6a4426));
    paint(img, circle(1.6, 14.4, 1.0), styled(guard));
}

void flask(Image& img, std::uint32_t liquid) {
    paint(img, rect(6.5, 1.5, 3, 2), styled(0x9a6a3a));
    paint(img, rect(6.3, 3.5, 3.4, 3), styled(0xd8e8f0));
    paint(img, circle(8, 10.5, 5), styled(0xd8e8f0));
    paint(img, intersect(circle(8, 10.5, 4.2), rect(0, 8.5, 16, 8)), styled(liquid, false));
    img.set(6, 8, rgb(0xffffff));
    img.set(5, 9, rgb(0xffffff));
}

void shield(Image& img, std::uint32_t face, std::uint32_t rim, int shape) {
    Region r = shape == 0 ? circle(8, 8.5, 5.5) : shape == 1 ? circle(8, 8.5, 6.8)
               : shape == 2 ? polygon({{2.5, 2}, {13.5, 2}, {13, 8}, {8, 15}, {3, 8}})
               : shape == 3 ? polygon({{2, 1.5}, {14, 1.5}, {14, 8.5}, {8, 15}, {2, 8.5}})
                            : rect(3, 1, 10, 14);
    paint(img, r, styled(rim));
    const Region inner = shape <= 1 ? circle(8, 8.5, shape == 0 ? 4.2 : 5.4)
                         : shape == 2 ? polygon({{4, 3.4}, {12, 3.4}, {11.6, 8}, {8, 13}, {4.4, 8}})
                         : shape == 3 ? polygon({{3.4, 3}, {12.6, 3}, {12.6, 8.3}, {8, 13.2}, {3.4, 8.3}})
                                      : rect(4.4, 2.4, 7.2, 11.2);
    paint(img, inner, styled(face, false));
}

void armour(Image& img, std::uint32_t body, std::uint32_t trim, bool sleeves, bool plates, bool rings) {
    if (sleeves) {
        paint(img, polygon({{1, 5}, {4, 3}, {5, 9}, {2, 10}}), styled(body));
        paint(img, polygon({{15, 5}, {12, 3}, {11, 9}, {14, 10}}), styled(body));
    }
    paint(img, polygon({{4, 2.5}, {6.5, 2}, {8, 4}, {9.5, 2}, {12, 2.5}, {12.5, 14.5}, {3.5, 14.5}}), styled(body));
    if (plates)
        for (int y = 6; y < 14; y += 3) line(img, {4.5, static_cast<double>(y)}, {11.5, static_cast<double>(y)}, ramp(body).tone[0]);
    if (rings)
        for (int y = 5; y < 14; y += 2)
            for (int x = 5 + (y % 4 == 1 ? 1 : 0); x < 12; x += 2) img.set(x, y, ramp(body).tone[0]);
    line(img, {4, 11.5}, {12, 11.5}, rgb(trim));
    line(img, {6.5, 2.5}, {8, 4.5}, rgb(trim));
    line(img, {9.5, 2.5}, {8, 4.5}, rgb(trim));
}

void arrow(Image& img, double angle, std::uint32_t colour) {
    const double c = std::cos(angle), s = std::sin(angle);
    auto P = [&](double x, double y) { return Pt{8 + x * c - y * s, 8 + x * s + y * c}; };
    paint(img, polygon({P(-6, -2), P(1, -2), P(1, -5.5), P(7, 0), P(1, 5.5), P(1, 2), P(-6, 2)}), styled(colour));
}

void star(Image& img, double cx, double cy, double r, std::uint32_t colour) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5, rr = i % 2 ? r * 0.45 : r;
        pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
    }
    paint(img, polygon(pts), styled(colour));
}

void heart(Image& img, double cx, double cy, double r, std::uint32_t colour) {
    paint(img, polygon({{cx - r, cy - r * 0.2}, {cx, cy - r * 0.5}, {cx + r, cy - r * 0.2}, {cx + r * 0.8, cy + r * 0.4}, {cx, cy + r * 1.2}, {cx - r * 0.8, cy + r * 0.4}}),
          styled(colour));
    paint(img, circle(cx - r * 0.5, cy - r * 0.3, r * 0.55), styled(colour));
    paint(img, circle(cx + r * 0.5, cy - r * 0.3, r * 0.55), styled(colour));
    paint(img, polygon({{cx - r * 0.95, cy - r * 0.1}, {cx + r * 0.95, cy - r * 0.1}, {cx + r * 0.6, cy + r * 0.5}, {cx, cy + r * 1.05}, {cx - r * 0.6, cy + r * 0.5}}),
          Style{ramp(colour), false, 1, 0, false});
}

void flame(Image& img, double cx, double base, double h, std::uint32_t outer, std::uint32_t inner) {
    paint(img, polygon({{cx - h * 0.4, base}, {cx - h * 0.35, base - h * 0.5}, {cx - h * 0.1, base - h * 0.7}, {cx, base - h},
                        {cx + h * 0.2, base - h * 0.6}, {cx + h * 0.4, base - h * 0.45}, {cx + h * 0.4, base}}),
          styled(outer));
    paint(img, polygon({{cx - h * 0.2, base}, {cx, base - h * 0.55}, {cx + h * 0.2, base}}), styled(inner, false));
}

// ---- Battle menu icons ------------------------------------------------------------

void rubies(Image& img) {
    paint(img, polygon({{4, 6}, {8, 2}, {12, 6}, {8, 14}}), styled(0xd82a4a));
    line(img, {4, 6}, {12, 6}, rgb(0xff9ab0));
    img.set(7, 4, rgb(0xffffff));
}
void hpHeart(Image& img) { heart(img, 8, 7.5, 5, 0xd8303a); }
void mpCrystal(Image& img) {
    glow(img, 8, 8, 8, rgb(0x60a0ff, 150));
    paint(img, polygon({{8, 1}, {12, 8}, {8, 15}, {4, 8}}), styled(0x4a8ae8));
    line(img, {8, 2}, {8, 14}, rgb(0xa8d0ff));
}
void scroll(Image& img) {
    paint(img, rect(3, 3, 10, 10), styled(0xe8d8a8));
    paint(img, tube({2, 3}, {14, 3}, 1.4, 1.4), styled(0xc8b080));
    paint(img, tube({2, 13}, {14, 13}, 1.4, 1.4), styled(0xc8b080));
    for (int y = 6; y < 12; y += 2) line(img, {5, static_cast<double>(y)}, {11, static_cast<double>(y)}, rgb(0x8a7a5a));
}
void vulcan(Image& img) {
    glow(img, 8, 4, 7, rgb(0xff6020, 180));
    paint(img, polygon({{1, 15}, {6, 6}, {10, 6}, {15, 15}}), styled(0x5a4040));
    paint(img, ellipse(8, 6, 2.2, 1), styled(0xffa030, false));
    for (const Pt p : {Pt{5, 2}, Pt{8, 1}, Pt{11, 3}}) paint(img, circle(p.x, p.y, 1.3), styled(0xff7a20));
    line(img, {8, 7}, {6, 13}, rgb(0xff8030));
}
void cancelIcon(Image& img) {
    // A return arrow: back along the top, curling round from below. Drawn as
    // one flat shape, then edged, so its parts read as a single stroke.
    const Ramp r = ramp(0xe8dcc8);
    Image shape(kSize, kSize);
    fill(shape, intersect(subtract(circle(10, 9, 5.2), circle(10, 9, 1.8)), rect(10, 0, 6, 16)), r.base());
    fill(shape, rect(5.5, 12.2, 4.6, 3.6), r.base());
    fill(shape, rect(5, 3.8, 5.2, 3.4), r.base());
    fill(shape, polygon({{0.8, 5.5}, {6, 0.8}, {6, 10.2}}), r.base());
    const Image flat = shape;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (flat.get(x, y).a == 0) continue;
            if (flat.get(x, y - 1).a == 0 || flat.get(x - 1, y).a == 0) shape.set(x, y, r.light());
            else if (flat.get(x, y + 1).a == 0 || flat.get(x + 1, y).a == 0) shape.set(x, y, r.tone[1]);
        }
    outlineSilhouette(shape, r.outline());
    blit(img, shape, 0, 0);
}
void transform(Image& img) {
    paint(img, ellipse(8, 9, 6, 6.5), styled(0x6a3a8a));
    for (int i = 0; i < 3; ++i) line(img, {4.0 + i * 3, 4}, {6.0 + i * 3, 14}, rgb(0x1a0a22), 1.2);
    eyes(img, {5.5, 7}, {10.5, 7}, 0.8, 0xffe040);
    horn(img, {4, 4}, {3, 2}, {3.5, 0.5}, 0.9, 0xe8e0c8);
    horn(img, {12, 4}, {13, 2}, {12.5, 0.5}, 0.9, 0xe8e0c8);
}
void key(Image& img) {
    paint(img, subtract(circle(5, 6, 3.6), circle(5, 6, 1.5)), styled(0xe0b040));
    paint(img, rect(7.5, 5, 7, 2), styled(0xe0b040));
    paint(img, rect(11, 7, 1.5, 3), styled(0xe0b040));
    paint(img, rect(13, 7, 1.5, 2), styled(0xe0b040));
}
void protect(Image& img) {
    glow(img, 8, 8, 9, rgb(0x60c0ff, 160));
    shield(img, 0x3a78d8, 0xa8d0f0, 3);
    star(img, 8, 7.5, 2.6, 0xe8f4ff);
}
void gear(Image& img) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        paint(img, circle(8 + std::cos(a) * 5.6, 8 + std::sin(a) * 5.6, 1.6), styled(0x9aa0b0));
    }
    paint(img, subtract(circle(8, 8, 5.2), circle(8, 8, 2)), styled(0x9aa0b0));
}
void holy(Image& img) {
    glow(img, 8, 8, 9, rgb(0xfff0a0, 200));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        line(img, {8 + std::cos(a) * 3, 8 + std::sin(a) * 3}, {8 + std::cos(a) * 7.5, 8 + std::sin(a) * 7.5}, rgb(0xfff4c0));
    }
    paint(img, rect(7, 2.5, 2.2, 11), styled(0xf0d050));
    paint(img, rect(4, 5.5, 8.2, 2.2), styled(0xf0d050));
}
void book(Image& img) {
    paint(img, rect(3, 2, 10, 12), styled(0x7a3a2a));
    paint(img, rect(11, 3, 2, 10), styled(0xf0e8d0, false));
    paint(img, rect(5, 5, 5, 3), styled(0xe0c050, false));
}
void lightning(Image& img) {
    glow(img, 8, 8, 9, rgb(0xfff060, 150));
    paint(img, polygon({{9, 0.5}, {3.5, 9}, {7.5, 9}, {6, 15.5}, {12.5, 6}, {8.5, 6}, {11, 0.5}}), styled(0xffe040));
}
void boost(Image& img) {
    featherWing(img, {9, 7}, {15, 2}, 5, 0xf0f0f8);
    paint(img, polygon({{4, 2}, {9, 2}, {9, 10}, {13, 11}, {13, 14}, {3, 14}}), styled(0x3a9ad8));
    line(img, {4, 12}, {13, 12}, rgb(0xe0c050));
}
void supportRune(Image& img) {
    glow(img, 8, 8, 9, rgb(0x60c0ff, 140));
    paint(img, subtract(circle(8, 8, 6.5), circle(8, 8, 5)), styled(0x60b0f0));
    paint(img, polygon({{8, 3}, {12.3, 10.5}, {3.7, 10.5}}), Style{ramp(0x9ad8ff), true, 0, 0, true});
    paint(img, circle(8, 8.3, 1.6), styled(0xe8f8ff, false));
}
void defend(Image& img) { shield(img, 0x9aa0b0, 0x5a6070, 3); line(img, {8, 3}, {8, 13}, rgb(0xd8dce8)); }
void quill(Image& img) {
    paint(img, polygon({{14, 1}, {10, 3}, {5, 9}, {4, 12}, {7, 11}, {12, 6}}), styled(0xf0f0f8));
    line(img, {12.5, 2.5}, {3, 14}, rgb(0x6a6a7a));
    paint(img, ellipse(4, 14, 3, 1.3), styled(0x2a2a3a));
}
void pouch(Image& img) {
    paint(img, ellipse(8, 10, 6, 5), styled(0xa87a48));
    paint(img, polygon({{5, 5}, {11, 5}, {10, 7}, {6, 7}}), styled(0xa87a48));
    line(img, {5, 6.5}, {11, 6.5}, rgb(0xe0c050));
    paint(img, circle(8, 10.5, 1.6), styled(0xe0c050));
}
void spiritGroup(Image& img) {
    glow(img, 8, 8, 9, rgb(0xfff8e0, 150));
    featherWing(img, {7, 8}, {1, 3}, 5, 0xf8f8ff);
    featherWing(img, {9, 8}, {15, 3}, 5, 0xf8f8ff);
    paint(img, circle(8, 8.5, 3.2), styled(0xfff0b0));
}
void cure(Image& img) {
    glow(img, 8, 8, 9, rgb(0x80ff90, 150));
    paint(img, rect(6, 2, 4, 12), styled(0x3ac850));
    paint(img, rect(2, 6, 12, 4), styled(0x3ac850));
}
void vigor(Image& img) {
    glow(img, 8, 9, 8, rgb(0xff6040, 140));
    paint(img, ellipse(8, 10, 4.5, 4), styled(0xe8a078));
    for (int i = 0; i < 4; ++i) line(img, {5.5 + i * 1.7, 7}, {5.5 + i * 1.7, 9}, rgb(0x8a5a3a));
    arrow(img, -std::numbers::pi / 2, 0xe83a2a);
}
void heal(Image& img) {
    heart(img, 5.5, 7, 3.6, 0xe84a6a);
    heart(img, 10.5, 10, 3.6, 0xf07a90);
    star(img, 12, 3, 2.2, 0xfff4c0);
}
void spell(Image& img) {
    glow(img, 11, 5, 7, rgb(0xd0a0ff, 160));
    paint(img, tube({2.5, 14}, {10, 6}, 1.0, 1.0), styled(0x6a4426));
    star(img, 11, 5, 4, 0xf0e060);
}
void door(Image& img) {
    paint(img, intersect(rect(1.5, 1, 13, 15), ellipse(8, 8, 6.5, 10)), styled(0x8a8a96));
    paint(img, intersect(rect(4, 3.5, 8, 12.5), ellipse(8, 8.5, 4, 7.5)), styled(0x8a5a30));
    for (double x : {6.5, 9.5}) line(img, {x, 3.8}, {x, 15.5}, rgb(0x5a3a20));
    paint(img, circle(10.6, 10, 0.9), styled(0xe0c050, false));
}
void chestIcon(Image& img) {
    paint(img, rect(2, 6, 12, 8), styled(0xa86a30));
    paint(img, intersect(ellipse(8, 7, 6, 4.5), rect(1, 2, 14, 5)), styled(0xb87a38));
    paint(img, rect(7, 6, 2.4, 3), styled(0xe8c050));
}
void attack(Image& img) { sword(img, 14, 0xd8dce8, 0xe0b040); }
void fireball(Image& img) {
    glow(img, 8, 8, 9, rgb(0xff8020, 180));
    paint(img, polygon({{14, 2}, {10, 9}, {6, 12}, {9, 6}}), styled(0xf08020, false));
    paint(img, circle(6.5, 10, 4.5), styled(0xf06020));
    paint(img, circle(6, 10.5, 2.6), styled(0xffd050, false));
}
void attackGroup(Image& img) {
    paint(img, rect(2.5, 2, 11, 12.5), styled(0xa02a2a));
    paint(img, rect(11, 3, 2, 10.5), styled(0xf0e8d0, false));
    flame(img, 7, 12, 8, 0xff8020, 0xffe060);
}

constexpr IconDraw kMenuIcons[28] = {
    rubies, hpHeart, mpCrystal, scroll,  vulcan, cancelIcon,  transform, key,     protect,     gear,
    holy,   book,    lightning, boost,   supportRune, defend, quill,     pouch,   spiritGroup, cure,
    vigor,  heal,    spell,     door,    chestIcon,   attack, fireball,  attackGroup,
};

// ---- Items and equipment ----------------------------------------------------------

void herb(Image& img) {
    line(img, {8, 15}, {8, 5}, rgb(0x4a7a2a));
    for (int i = 0; i < 3; ++i) {
        const double y = 5.0 + i * 3.5;
        paint(img, ellipse(5, y, 3, 1.6), styled(0x4ab040));
        paint(img, ellipse(11, y + 1.5, 3, 1.6), styled(0x4ab040));
    }
    paint(img, ellipse(8, 3, 1.6, 2.8), styled(0x5ac050));
}
void berries(Image& img) {
    paint(img, ellipse(10, 3.5, 3.5, 1.8), styled(0x4ab040));
    for (const Pt p : {Pt{6, 7}, Pt{10, 8}, Pt{7.5, 11}, Pt{11.5, 12}, Pt{4.5, 11.5}})
        paint(img, circle(p.x, p.y, 2.4), styled(0x7a3aa8));
}
void potion(Image& img) { flask(img, 0xd83040); }
void firePotion(Image& img) {
    flask(img, 0xf07a20);
    flame(img, 8, 13, 5, 0xffd040, 0xfff4a0);
}

constexpr IconDraw kItems[] = {herb, berries, potion, firePotion};

void woodenSword(Image& img) { sword(img, 12, 0xb08a5a, 0x7a5a3a, 1.8); }
void dagger(Image& img) { sword(img, 9, 0xc8ccd8, 0x8a6a4a, 1.3); }
void shortSword(Image& img) { sword(img, 12, 0xd0d4e0, 0xa08a5a); }
void mace(Image& img) {
    paint(img, tube({2.5, 13.5}, {9, 7}, 0.9, 0.9), styled(0x6a4426));
    paint(img, circle(10.5, 5.5, 3.6), styled(0x9aa0b0));
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        paint(img, polygon({{10.5 + std::cos(a) * 3, 5.5 + std::sin(a) * 3}, {10.5 + std::cos(a + 0.3) * 5.2, 5.5 + std::sin(a + 0.3) * 5.2},
                            {10.5 + std::cos(a + 0.6) * 3, 5.5 + std::sin(a + 0.6) * 3}}),
              styled(0x9aa0b0));
    }
}
void longSword(Image& img) { sword(img, 15, 0xe0e4f0, 0xe0b040); }
void battleAxe(Image& img) {
    paint(img, tube({2, 14}, {12, 3}, 0.9, 0.9), styled(0x6a4426));
    paint(img, polygon({{9, 3}, {14, 1}, {15.5, 8}, {12, 8}, {10.5, 6}}), styled(0xc8ccd8));
    paint(img, polygon({{8, 5}, {5, 3}, {5, 7}}), styled(0xc8ccd8));
}
void greatSword(Image& img) {
    glow(img, 10, 6, 8, rgb(0x80c0ff, 150));
    sword(img, 16, 0xa8d8ff, 0x3a5ad8, 2.2);
}

constexpr IconDraw kWeapons[] = {woodenSword, dagger, shortSword, mace, longSword, battleAxe, greatSword};

void clothes(Image& img) { armour(img, 0xd8c8a0, 0xa08a60, true, false, false); }
void leather(Image& img) { armour(img, 0x9a6a3a, 0x5a3a20, false, false, false); }
void studded(Image& img) {
    armour(img, 0x8a5a32, 0x5a3a20, false, false, false);
    for (int y = 5; y < 12; y += 3)
        for (int x = 5; x < 12; x += 3) img.set(x, y, rgb(0xd8dce8));
}
void chain(Image& img) { armour(img, 0x9aa0b0, 0x5a6070, true, false, true); }
void scales(Image& img) { armour(img, 0x6a8a9a, 0xe0c050, false, true, false); }
void plate(Image& img) {
    armour(img, 0xc8ccd8, 0xe0b040, false, true, false);
    paint(img, ellipse(3.5, 4, 2.6, 2), styled(0xc8ccd8));
    paint(img, ellipse(12.5, 4, 2.6, 2), styled(0xc8ccd8));
}
void dragonMail(Image& img) {
    armour(img, 0xb02a2a, 0xf0c040, false, true, false);
    paint(img, ellipse(3.5, 4, 2.6, 2), styled(0xf0c040));
    paint(img, ellipse(12.5, 4, 2.6, 2), styled(0xf0c040));
}

constexpr IconDraw kArmour[] = {clothes, leather, studded, chain, scales, plate, dragonMail};

void buckler(Image& img) { shield(img, 0xa87a48, 0x7a5a3a, 0); }
void roundShield(Image& img) {
    shield(img, 0xb08050, 0x8a8a96, 1);
    paint(img, circle(8, 8.5, 1.6), styled(0xc8ccd8));
}
void kiteShield(Image& img) { shield(img, 0x9aa0b0, 0x6a6a78, 2); }
void heaterShield(Image& img) {
    shield(img, 0x2a5ab0, 0xd0d4e0, 3);
    paint(img, rect(7, 4, 2, 8), styled(0xe0c050, false));
    paint(img, rect(5, 6, 6, 2), styled(0xe0c050, false));
}
void towerShield(Image& img) {
    shield(img, 0x8a2a2a, 0xb0b4c0, 4);
    line(img, {8, 2}, {8, 14}, rgb(0xe0c050));
}
void mysticShield(Image& img) {
    glow(img, 8, 8, 9, rgb(0x80e0ff, 150));
    shield(img, 0x4ac0e0, 0xe0c050, 3);
    star(img, 8, 7.5, 2.8, 0xffffff);
}

constexpr IconDraw kShields[] = {buckler, roundShield, kiteShield, heaterShield, towerShield, mysticShield};

// ---- Map maker toolbar --------------------------------------------------------------

void folder(Image& img) {
    paint(img, rect(1.5, 4, 6, 2.5), styled(0xd8a840));
    paint(img, rect(1.5, 5.5, 13, 9), styled(0xe8c050));
    paint(img, polygon({{3, 8}, {15, 8}, {13.5, 14.5}, {1.5, 14.5}}), styled(0xf0d870));
}
void disk(Image& img) {
    paint(img, rect(1.5, 1.5, 13, 13), styled(0x3a5ab0));
    paint(img, rect(4, 1.5, 8, 5), styled(0xd0d4e0));
    paint(img, rect(9.5, 2.5, 1.6, 3), styled(0x3a5ab0, false));
    paint(img, rect(3.5, 9, 9, 5.5), styled(0xf0f0f0));
}
void globe(Image& img) {
    paint(img, circle(8, 8, 6.5), styled(0x3a78d0));
    fill(img, polygon({{4, 4}, {8, 3}, {9, 6}, {6, 9}, {7, 12}, {4, 10}}), rgb(0x4aa84a));
    fill(img, polygon({{10, 8}, {13, 7}, {13, 11}, {10, 12}}), rgb(0x4aa84a));
    line(img, {1, 14}, {5, 14}, rgb(0xf0f0f0));
    line(img, {11, 2}, {15, 2}, rgb(0xf0f0f0));
}
void right(Image& img) { arrow(img, 0, 0x3ab050); }
void left(Image& img) { arrow(img, std::numbers::pi, 0x3ab050); }
void up(Image& img) { arrow(img, -std::numbers::pi / 2, 0x3ab050); }
void down(Image& img) { arrow(img, std::numbers::pi / 2, 0x3ab050); }
void copyPages(Image& img) {
    paint(img, rect(1.5, 1.5, 9, 11), styled(0xe8e8f0));
    paint(img, rect(5.5, 4.5, 9, 11), styled(0xf8f8ff));
    for (int y = 7; y < 14; y += 2) line(img, {7, static_cast<double>(y)}, {13, static_cast<double>(y)}, rgb(0x9a9aaa));
}
void paste(Image& img) {
    paint(img, rect(2, 2.5, 12, 13), styled(0xa87a48));
    paint(img, rect(5, 1, 6, 3), styled(0x9aa0b0));
    paint(img, rect(4, 5, 8, 9), styled(0xf8f8ff));
}
void run(Image& img) { paint(img, polygon({{4, 2}, {14, 8}, {4, 14}}), styled(0x3ab050)); }
void bucket(Image& img) {
    paint(img, polygon({{3, 5}, {11, 3}, {13, 11}, {6, 14}}), styled(0x9aa0b0));
    paint(img, ellipse(13, 12, 2, 3), styled(0x3a78d0));
    curve(img, {3, 5}, {5, -1}, {11, 3}, rgb(0x5a6070));
}
void mouse(Image& img) {
    paint(img, ellipse(8, 9, 5.5, 6.5), styled(0xe8e8f0));
    paint(img, intersect(ellipse(8, 9, 5.5, 6.5), rect(8.5, 0, 8, 8)), styled(0xd83030, false));
    line(img, {8, 2.5}, {8, 8}, rgb(0x6a6a7a));
    line(img, {2.5, 8}, {13.5, 8}, rgb(0x6a6a7a));
}
void wholeMap(Image& img) {
    paint(img, polygon({{1, 3}, {5.5, 1.5}, {10.5, 3}, {15, 1.5}, {15, 13}, {10.5, 14.5}, {5.5, 13}, {1, 14.5}}), styled(0xe8d8a8));
    fill(img, polygon({{3, 5}, {7, 4}, {8, 8}, {4, 11}}), rgb(0x6ab04a));
    paint(img, subtract(circle(10, 8, 3.4), circle(10, 8, 2.2)), styled(0x3a3a4a));
    line(img, {12.5, 10.5}, {15, 13}, rgb(0x3a3a4a), 1.4);
}
void closeButton(Image& img) {
    paint(img, rect(1, 1, 10, 10), styled(0xc83030));
    line(img, {3.5, 3.5}, {8.5, 8.5}, rgb(0xffffff), 1.6);
    line(img, {8.5, 3.5}, {3.5, 8.5}, rgb(0xffffff), 1.6);
}

constexpr IconDraw kToolbar[] = {folder, disk, globe, right, left, up, down, copyPages, paste, run, bucket, mouse, wholeMap};

template <std::size_t N>
std::vector<Image> icons(const IconDraw (&draws)[N]) {
    std::vector<Image> out;
    for (IconDraw d : draws) out.push_back(icon(d));
    return out;
}

}  // namespace

std::vector<Image> makeMenuIcons() { return icons(kMenuIcons); }
std::vector<Image> makeItemIcons() { return icons(kItems); }
std::vector<Image> makeWeaponIcons() { return icons(kWeapons); }
std::vector<Image> makeArmourIcons() { return icons(kArmour); }
std::vector<Image> makeShieldIcons() { return icons(kShields); }

std::vector<Image> makeToolbarIcons() {
    std::vector<Image> out = icons(kToolbar);
    // The close button is the size of the caption button it replaces.
    Image close(12, 12);
    closeButton(close);
    hardenAlpha(close);
    out.push_back(enlarged(close, 2));
    return out;
}

}  // namespace assetgen
