// The monsters, each recognisable as the one whose picture number it is in
// the monster table (picture 21 the Imp, 39 the Daemon...), sized from the
// Stinger and the Bat up to the Demon and the Daemon.
#include "monsters.h"

#include <cmath>

#include "creatures.h"
#include "people.h"

namespace assetgen {
namespace {

using Draw = void (*)(Image&);

// ---- People turned monsters ------------------------------------------------

Person villain(std::uint32_t skin, std::uint32_t hair, Hair style, Outfit outfit, std::uint32_t main, std::uint32_t second,
               std::uint32_t trim, unsigned extras, Weapon w) {
    Person p;
    p.skin = skin;
    p.hair = hair;
    p.hairStyle = style;
    p.outfit = outfit;
    p.main = main;
    p.second = second;
    p.trim = trim;
    p.cloak = second;
    p.extras = extras;
    p.weapon = w;
    p.eyes = 0x2a1a10;
    return p;
}

void figureOn(Image& img, const Person& p, double breadth = 1.0) { blit(img, drawFigure(p, img.width(), img.height(), breadth), 0, 0); }

void bigWeapon(Image& img, const FigureFrame& f, bool axe) {
    paint(img, tube(f(-9.5, 36), f(-14, 14), f(1.1), f(1.1)), styled(0x6a4426));
    if (axe) paint(img, polygon({f(-14, 12), f(-21, 8), f(-22, 20), f(-14, 18)}), styled(0xb8bcc8));
    else paint(img, ellipse(f(-14.5, 13).x, f(0, 13).y, f(3), f(4.2)), styled(0x7a5a3a));
}

void robber(Image& img) {
    figureOn(img, villain(0xd8a47a, 0x2a2430, Hair::cropped, Outfit::leather, 0x6a5a4a, 0x4a3a2a, 0xb83a2a, kBandana | kStubble,
                          Weapon::dagger));
    const FigureFrame f(img.width(), img.height());
    paint(img, rect(f(-5.8, 0).x, f(0, 8.2).y, f(11.6), f(2.4)), styled(0x2a2a30, false));
    eyes(img, f(-2.2, 9.2), f(2.2, 9.2), f(0.6), 0xf0f0f0);
}

void elf(Image& img) {
    Person p = villain(0xf4dcc0, 0xf0d890, Hair::long_, Outfit::leather, 0x3a7a3a, 0x6a4a2a, 0xd8c070, 0, Weapon::bow);
    p.female = true;
    p.eyes = 0x3a9a5a;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    for (int s : {-1, 1}) paint(img, polygon({f(s * 5, 8), f(s * 9.5, 4), f(s * 5.4, 11)}), styled(p.skin));
}

void guard(Image& img) {
    figureOn(img, villain(0xe8b890, 0x4a3020, Hair::cropped, Outfit::armour, 0x3a5a9a, 0xa8acb8, 0xe0c050, kHelmet, Weapon::spear));
    const FigureFrame f(img.width(), img.height());
    paint(img, polygon({f(-13, 20), f(-6, 20), f(-6, 30), f(-9.5, 34), f(-13, 30)}), styled(0x3a5a9a));
    paint(img, circle(f(-9.5, 25).x, f(0, 25).y, f(1.6)), styled(0xe0c050));
}

void wizard(Image& img) {
    Person p = villain(0xecc0a0, 0xe8e8f0, Hair::long_, Outfit::robe, 0x2a3a8a, 0x1a2260, 0xe0c050, kBeard, Weapon::staff);
    p.age = 2;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    paint(img, polygon({f(-9, 5), f(9, 5), f(2, -6), f(5, -12), f(-1, -4)}), styled(0x2a3a8a));
    paint(img, polygon({f(-9, 5), f(9, 5), f(8, 3), f(-8, 3)}), styled(0x1a2260));
    glow(img, f(10.4, 6.5).x, f(0, 6.5).y, f(7), rgb(0x80c0ff, 150));
}

void witch(Image& img) {
    Person p = villain(0x9ac890, 0x2a2430, Hair::long_, Outfit::dress, 0x3a2a4a, 0x1a1a24, 0x8a3ab0, kGlowEyes, Weapon::staff);
    p.female = true;
    p.eyes = 0xf0e040;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    paint(img, ellipse(f(0, 4).x, f(0, 4).y, f(11), f(2)), styled(0x1a1a24));
    paint(img, polygon({f(-6, 4), f(6, 4), f(3, -4), f(7, -9), f(0, -3)}), styled(0x22222e));
    paint(img, rect(f(-6, 0).x, f(0, 2.2).y, f(12), f(1.5)), styled(0x8a3ab0, false));
}

void vampire(Image& img) {
    Person p = villain(0xe8e0e8, 0x1a1a22, Hair::cropped, Outfit::tunic, 0x4a1a22, 0x1a1a22, 0xd0c0c0, kCloak | kGlowEyes, Weapon::none);
    p.eyes = 0xff3030;
    p.cloak = 0x1a1a24;
    Image fig = drawFigure(p, img.width(), img.height());
    const FigureFrame f(img.width(), img.height());
    // The cape spread wide behind, red inside.
    paint(img, polygon({f(-6, 15), f(-19, 24), f(-16, 58), f(0, 50), f(16, 58), f(19, 24), f(6, 15)}), styled(0x1a1a24));
    paint(img, polygon({f(-5, 17), f(-15, 25), f(-13, 52), f(0, 46), f(13, 52), f(15, 25), f(5, 17)}), styled(0x9a1a2a));
    blit(img, fig, 0, 0);
    paint(img, polygon({f(-6, 16), f(-8, 9), f(-4, 14)}), styled(0x9a1a2a));
    paint(img, polygon({f(6, 16), f(8, 9), f(4, 14)}), styled(0x9a1a2a));
    img.set(static_cast<int>(f(-1, 0).x), static_cast<int>(f(0, 13.6).y), rgb(0xffffff));
    img.set(static_cast<int>(f(1, 0).x), static_cast<int>(f(0, 13.6).y), rgb(0xffffff));
}

void mummy(Image& img) {
    Person p = villain(0xd8ccaa, 0xd8ccaa, Hair::bald, Outfit::robe, 0xd0c4a0, 0xb8ac88, 0xb8ac88, kGlowEyes, Weapon::none);
    p.eyes = 0x60ff80;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    for (int y = static_cast<int>(f(0, 3).y); y < img.height(); y += 3)
        for (int x = 0; x < img.width(); ++x) {
            const Rgba c = img.get(x, y);
            if (c.a > 0 && c != kInk && ((x + y / 3) % 5) != 0) img.set(x, y, scale(c, 0.82));
        }
    paint(img, tube(f(6, 30), f(12, 44), f(0.8), f(0.6)), styled(0xd8ccaa));
}

void ninja(Image& img) {
    Person p = villain(0xe0b08a, 0x1a1a22, Hair::cropped, Outfit::leather, 0x22222c, 0x1a1a22, 0x8a2a2a, kHood, Weapon::sword);
    p.cloak = 0x22222c;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    paint(img, intersect(ellipse(f(0, 9).x, f(0, 9).y, f(5.8), f(6.6)), rect(0, f(0, 10.6).y, img.width(), img.height())), styled(0x22222c));
    paint(img, tube(f(6, 20), f(-8, 2), f(0.8), f(0.8)), styled(0xc8ccd8));
}

void darkKnight(Image& img) {
    Person p = villain(0x3a3440, 0x1a1a22, Hair::bald, Outfit::armour, 0x2a2430, 0x3a3446, 0xb02a3a, kHelmet | kCloak | kGlowEyes,
                       Weapon::none);
    p.cloak = 0x6a1a2a;
    p.eyes = 0xff2a2a;
    figureOn(img, p, 1.15);
    const FigureFrame f(img.width(), img.height(), 1.15);
    horn(img, f(-5, 4), f(-9, 0), f(-10, -5), f(1.2), 0xd0c8b0);
    horn(img, f(5, 4), f(9, 0), f(10, -5), f(1.2), 0xd0c8b0);
    paint(img, polygon({f(-9, 33), f(-7.5, 33), f(-7, 62), f(-8.3, 64), f(-9.6, 62)}), styled(0x8a8ea0));
    paint(img, polygon({f(-9, 33), f(-7.5, 33), f(-7, 62), f(-8.3, 64), f(-9.6, 62)}), styled(0x8a8ea0));
    paint(img, rect(f(-12, 0).x, f(0, 31.5).y, f(8), f(1.6)), styled(0xb02a3a));
}

void mauriceBoss(Image& img) {
    const FigureFrame f(img.width(), img.height());
    glow(img, f(0, 30).x, f(0, 30).y, f(30), rgb(0x8a2ab0, 110));
    Person p = cast::maurice();
    p.extras |= kGlowEyes;
    p.eyes = 0xc040ff;
    figureOn(img, p);
    paint(img, tube(f(-9.6, 35), f(-16, 8), f(1.0), f(0.4)), styled(0xd0d4e0));
    paint(img, rect(f(-12, 0).x, f(0, 33).y, f(5), f(1.4)), styled(0xa02a3a));
}

void zombie(Image& img) {
    Person p = villain(0x8aa878, 0x3a3a2a, Hair::cropped, Outfit::tunic, 0x6a6a5a, 0x4a4238, 0x4a4238, kGlowEyes, Weapon::none);
    p.eyes = 0xe0f080;
    figureOn(img, p);
    const FigureFrame f(img.width(), img.height());
    paint(img, tube(f(7, 19), f(15, 24), f(2.2), f(2.0)), styled(0x6a6a5a));
    paint(img, circle(f(16, 24.5).x, f(0, 24.5).y, f(2)), styled(0x8aa878));
    for (int i = 0; i < 4; ++i) fill(img, polygon({f(-7 + i * 4, 40), f(-5 + i * 4, 44), f(-3 + i * 4, 40)}), kClear);
}

void samurai(Image& img) {
    figureOn(img, villain(0xe8b890, 0x1a1a22, Hair::bun, Outfit::armour, 0x9a2a2a, 0x6a1a1a, 0xe0c050, kHelmet, Weapon::none), 1.1);
    const FigureFrame f(img.width(), img.height(), 1.1);
    paint(img, polygon({f(-8, 2), f(-1, 5), f(0, 3), f(1, 5), f(8, 2), f(2, 6.5), f(-2, 6.5)}), styled(0xe0c050));
    paint(img, tube(f(-9.6, 35), f(-13, 5), f(0.9), f(0.7)), styled(0xd8dce8));
    paint(img, rect(f(-11.5, 0).x, f(0, 33).y, f(4), f(1.2)), styled(0x2a2a2a));
}

void dwarf(Image& img) {
    Person p = villain(0xe8b088, 0xc85a2a, Hair::cropped, Outfit::armour, 0x6a4a2a, 0x9a9aa8, 0xe0c050, kBeard | kHelmet, Weapon::none);
    figureOn(img, p, 1.45);
    const FigureFrame f(img.width(), img.height(), 1.45);
    bigWeapon(img, f, true);
}

void imp(Image& img) {
    const FigureFrame f(img.width(), img.height());
    batWing(img, f(-3, 18), f(-18, 4), f(10), 0x8a1a1a, 0x5a1010);
    batWing(img, f(3, 18), f(18, 4), f(10), 0x8a1a1a, 0x5a1010);
    tail(img, f(2, 36), f(12, 48), f(16, 38), f(1.2), f(0.6), 0xc83a2a);
    Person p = villain(0xd8482e, 0x2a1a1a, Hair::bald, Outfit::leather, 0xc83a2a, 0x5a2a1a, 0x5a2a1a, kGlowEyes, Weapon::spear);
    p.eyes = 0xffe040;
    figureOn(img, p);
    horn(img, f(-3, 4), f(-6, 1), f(-7, -3), f(1.2), 0xe8e0c8);
    horn(img, f(3, 4), f(6, 1), f(7, -3), f(1.2), 0xe8e0c8);
}

void succubus(Image& img) {
    const FigureFrame f(img.width(), img.height());
    batWing(img, f(-3, 20), f(-24, 2), f(14), 0x5a1a4a, 0x2a0a22);
    batWing(img, f(3, 20), f(24, 2), f(14), 0x5a1a4a, 0x2a0a22);
    tail(img, f(2, 38), f(14, 50), f(20, 42), f(1.0), f(0.5), 0xd87890);
    Person p = villain(0xe8a8b8, 0x2a1a2a, Hair::long_, Outfit::dress, 0x6a1a4a, 0x2a0a22, 0xe04aa0, kGlowEyes, Weapon::none);
    p.female = true;
    p.eyes = 0xff50c0;
    figureOn(img, p);
    horn(img, f(-3, 3), f(-5, -1), f(-4, -4), f(1.0), 0x2a1a2a);
    horn(img, f(3, 3), f(5, -1), f(4, -4), f(1.0), 0x2a1a2a);
}

void harpy(Image& img) {
    const FigureFrame f(img.width(), img.height());
    featherWing(img, f(-4, 18), f(-26, 6), f(14), 0x8a6a4a);
    featherWing(img, f(4, 18), f(26, 6), f(14), 0x8a6a4a);
    Person p = villain(0xe8c0a0, 0x5a3a2a, Hair::long_, Outfit::leather, 0x7a5a3a, 0x5a3a2a, 0xe0c050, kGlowEyes, Weapon::none);
    p.female = true;
    p.eyes = 0xffd030;
    Image fig = drawFigure(p, img.width(), img.height());
    // Bird legs with talons in place of feet.
    fill(img, rect(0, f(0, 48).y, img.width(), img.height()), kClear);
    blit(img, cropped(fig, 0, 0, img.width(), static_cast<int>(f(0, 46).y)), 0, 0);
    for (int s : {-1, 1}) {
        paint(img, tube(f(s * 3, 44), f(s * 4, 58), f(1.0), f(0.8)), styled(0xd8a040));
        for (int t = -1; t <= 1; ++t) line(img, f(s * 4, 58), f(s * 4 + t * 2.5, 62), rgb(0x2a2a2a), f(0.8));
    }
}

// Animal heads replace the face of a figure.
void wolfHead(Image& img, const FigureFrame& f, std::uint32_t fur) {
    for (int s : {-1, 1}) paint(img, polygon({f(s * 1.5, 4), f(s * 6.5, -4), f(s * 6, 6)}), styled(fur));
    paint(img, ellipse(f(0, 8.5).x, f(0, 8.5).y, f(6.2), f(6.2)), styled(fur));
    paint(img, ellipse(f(0, 12.5).x, f(0, 12.5).y, f(3.4), f(3.2)), styled(hexOf(mix(rgb(fur), rgb(0xe8dcc8), 0.5))));
    paint(img, ellipse(f(0, 11).x, f(0, 11).y, f(1.4), f(1)), styled(0x1a1a1a, false));
    teeth(img, f(-2.2, 14), f(2.2, 14), 3, f(1.4));
    eyes(img, f(-2.6, 7.5), f(2.6, 7.5), f(0.9), 0xffd020);
}

void wolfman(Image& img) {
    figureOn(img, villain(0x7a6a5a, 0x5a4a3a, Hair::bald, Outfit::leather, 0x5a4a3a, 0x7a6a5a, 0x3a2a1a, 0, Weapon::none), 1.15);
    const FigureFrame f(img.width(), img.height(), 1.15);
    wolfHead(img, f, 0x7a6a5a);
    for (int s : {-1, 1})
        for (int k = -1; k <= 1; ++k) line(img, f(s * 9.6 + k, 37), f(s * 9.8 + k * 1.5, 40), rgb(0xf0f0e0));
}

void werewolf(Image& img) {
    figureOn(img, villain(0x4a4450, 0x3a3440, Hair::bald, Outfit::tunic, 0x4a4450, 0x3a3440, 0x3a3440, 0, Weapon::none), 1.35);
    const FigureFrame f(img.width(), img.height(), 1.35);
    for (int i = 0; i < 6; ++i) fill(img, polygon({f(-8 + i * 3, 17), f(-6.5 + i * 3, 12), f(-5 + i * 3, 17)}), ramp(0x4a4450).tone[1]);
    wolfHead(img, f, 0x4a4450);
    for (int s : {-1, 1})
        for (int k = -1; k <= 1; ++k) line(img, f(s * 9.6 + k, 37), f(s * 10 + k * 2, 41), rgb(0xf0f0e0), f(0.6));
}

void hogman(Image& img) {
    figureOn(img, villain(0xc08a78, 0x5a3a2a, Hair::bald, Outfit::leather, 0x6a4a2a, 0x8a6a3a, 0x3a2a1a, 0, Weapon::none), 1.3);
    const FigureFrame f(img.width(), img.height(), 1.3);
    for (int s : {-1, 1}) paint(img, polygon({f(s * 4, 4), f(s * 9, 2), f(s * 6, 8)}), styled(0xb07868));
    paint(img, ellipse(f(0, 12).x, f(0, 12).y, f(3.2), f(2.4)), styled(0xe0a090));
    img.set(static_cast<int>(f(-1, 12).x), static_cast<int>(f(0, 12).y), kInk);
    img.set(static_cast<int>(f(1, 12).x), static_cast<int>(f(0, 12).y), kInk);
    for (int s : {-1, 1}) horn(img, f(s * 2.8, 14), f(s * 4.2, 13), f(s * 4.6, 10), f(0.7), 0xf4ecd8);
    eyes(img, f(-2.4, 8.4), f(2.4, 8.4), f(0.7), 0xff4020);
    bigWeapon(img, f, false);
}

void grunt(Image& img) {
    Person p = villain(0xb0402e, 0x1a1010, Hair::bald, Outfit::armour, 0x3a2a2a, 0x5a5060, 0x8a2a1a, kGlowEyes, Weapon::none);
    p.eyes = 0xffe040;
    figureOn(img, p, 1.25);
    const FigureFrame f(img.width(), img.height(), 1.25);
    horn(img, f(-3.5, 4), f(-7, 0), f(-6, -5), f(1.2), 0xe0d8c0);
    horn(img, f(3.5, 4), f(7, 0), f(6, -5), f(1.2), 0xe0d8c0);
    teeth(img, f(-2, 13.2), f(2, 13.2), 2, -f(1.4));
    bigWeapon(img, f, true);
}

void minotaur(Image& img) {
    figureOn(img, villain(0x8a5a3a, 0x4a2a1a, Hair::bald, Outfit::tunic, 0x8a5a3a, 0x4a3a2a, 0x4a3a2a, 0, Weapon::none), 1.4);
    const FigureFrame f(img.width(), img.height(), 1.4);
    paint(img, polygon({f(-7, 31), f(7, 31), f(8, 40), f(-8, 40)}), styled(0x5a3a22));
    horn(img, f(-4, 5), f(-12, 3), f(-13, -4), f(1.6), 0xf0e8d0);
    horn(img, f(4, 5), f(12, 3), f(13, -4), f(1.6), 0xf0e8d0);
    paint(img, ellipse(f(0, 8.5).x, f(0, 8.5).y, f(6.8), f(6.2)), styled(0x6a4028));
    paint(img, ellipse(f(0, 12.5).x, f(0, 12.5).y, f(4), f(3)), styled(0xb08a6a));
    paint(img, circle(f(0, 14.2).x, f(0, 14.2).y, f(1.3)), Style{ramp(0xe0c050), true, 0, 0, false});
    eyes(img, f(-3, 8), f(3, 8), f(0.8), 0xff3020);
    bigWeapon(img, f, true);
}

void lizardman(Image& img) {
    const FigureFrame f(img.width(), img.height(), 1.15);
    tail(img, f(3, 38), f(14, 52), f(22, 60), f(3), f(0.8), 0x4a8a3a);
    figureOn(img, villain(0x4a8a3a, 0x3a6a2a, Hair::bald, Outfit::leather, 0x8a6a3a, 0x5a4a2a, 0xe0c050, 0, Weapon::spear), 1.15);
    for (int i = 0; i < 4; ++i) paint(img, polygon({f(-3 + i * 2, 3), f(-2 + i * 2, -1.5), f(-1 + i * 2, 3)}), styled(0xd05a2a));
    paint(img, ellipse(f(0, 9).x, f(0, 9).y, f(5.6), f(6)), styled(0x4a8a3a));
    paint(img, ellipse(f(0, 13).x, f(0, 13).y, f(4.2), f(3.2)), styled(0x6aa85a));
    line(img, f(-3, 14), f(3, 14), kInk);
    eyes(img, f(-3.5, 7.5), f(3.5, 7.5), f(0.9), 0xf0d020);
}

void troll(Image& img) {
    figureOn(img, villain(0x7a9a7a, 0x3a4a3a, Hair::bald, Outfit::tunic, 0x6a5a3a, 0x5a4a2a, 0x5a4a2a, 0, Weapon::none), 1.45);
    const FigureFrame f(img.width(), img.height(), 1.45);
    for (int s : {-1, 1}) paint(img, polygon({f(s * 5, 8), f(s * 11, 5), f(s * 5.5, 11)}), styled(0x7a9a7a));
    paint(img, ellipse(f(0, 11).x, f(0, 11).y, f(2), f(2.6)), styled(0x6a8a6a));
    for (int s : {-1, 1}) horn(img, f(s * 2.5, 14), f(s * 3.4, 13), f(s * 3.6, 11), f(0.6), 0xf4ecd8);
    eyes(img, f(-2.4, 8), f(2.4, 8), f(0.7), 0xffa020);
    bigWeapon(img, f, false);
}

void ape(Image& img) {
    const double W = img.width(), H = img.height();
    const Style fur = styled(0x4a4450), skin = styled(0x8a7a70);
    for (int s : {-1, 1}) {
        paint(img, tube({W * (0.5 + s * 0.28), H * 0.34}, {W * (0.5 + s * 0.4), H * 0.9}, W * 0.09, W * 0.07), fur);
        paint(img, ellipse(W * (0.5 + s * 0.4), H * 0.93, W * 0.08, H * 0.05), skin);
        paint(img, tube({W * (0.5 + s * 0.13), H * 0.7}, {W * (0.5 + s * 0.17), H * 0.94}, W * 0.09, W * 0.08), fur);
    }
    paint(img, ellipse(W * 0.5, H * 0.5, W * 0.28, H * 0.3), fur);
    paint(img, ellipse(W * 0.5, H * 0.55, W * 0.16, H * 0.18), skin);
    paint(img, ellipse(W * 0.5, H * 0.2, W * 0.15, H * 0.16), fur);
    paint(img, ellipse(W * 0.5, H * 0.25, W * 0.1, H * 0.09), skin);
    line(img, {W * 0.42, H * 0.16}, {W * 0.58, H * 0.16}, kInk, 1.4);
    eyes(img, {W * 0.45, H * 0.2}, {W * 0.55, H * 0.2}, W * 0.015, 0xf0a020);
    teeth(img, {W * 0.45, H * 0.29}, {W * 0.55, H * 0.29}, 3, -H * 0.025);
}

// ---- Undead and spirits ------------------------------------------------------

void skeleton(Image& img) {
    const FigureFrame f(img.width(), img.height());
    const Style bone = styled(0xeae2cc);
    for (int s : {-1, 1}) {
        paint(img, tube(f(s * 3, 34), f(s * 3.4, 47), f(1.2), f(1.0)), bone);
        paint(img, tube(f(s * 3.4, 47), f(s * 3.6, 60), f(1.0), f(0.9)), bone);
        paint(img, ellipse(f(s * 4, 61.5).x, f(0, 61.5).y, f(2.4), f(1.3)), bone);
        paint(img, tube(f(s * 6.5, 18), f(s * 8.5, 27), f(1.1), f(1.0)), bone);
        paint(img, tube(f(s * 8.5, 27), f(s * 9.4, 35), f(1.0), f(0.9)), bone);
    }
    paint(img, ellipse(f(0, 33).x, f(0, 33).y, f(5), f(2.6)), bone);
    paint(img, rect(f(-0.9, 0).x, f(0, 16).y, f(1.8), f(17)), bone);
    for (int i = 0; i < 4; ++i) paint(img, ellipse(f(0, 19 + i * 3).x, f(0, 19 + i * 3).y, f(5.6 - i * 0.6), f(1.1)), bone);
    paint(img, polygon({f(-14, 22), f(-7, 22), f(-7, 31), f(-10.5, 34), f(-14, 31)}), styled(0x6a5a4a));
    paint(img, polygon({f(9, 37), f(10.4, 37), f(11, 54), f(9.7, 56), f(8.6, 54)}), styled(0xb0b4c0));
    paint(img, rect(f(7.4, 0).x, f(0, 35.8).y, f(4.6), f(1.2)), styled(0x8a6a3a));
    paint(img, ellipse(f(0, 9).x, f(0, 9).y, f(5.4), f(5.8)), bone);
    paint(img, rect(f(-3, 0).x, f(0, 12).y, f(6), f(3.5)), bone);
    for (int s : {-1, 1}) paint(img, circle(f(s * 2.2, 9).x, f(0, 9).y, f(1.5)), Style{ramp(0x1a1420), false, 0, 0, true});
    eyes(img, f(-2.2, 9), f(2.2, 9), f(0.5), 0xff4030);
    for (int i = -2; i <= 2; ++i) img.set(static_cast<int>(f(i * 0.9, 0).x), static_cast<int>(f(0, 14).y), kInk);
}

void ghost(Image& img) {
    const double W = img.width(), H = img.height();
    std::vector<Pt> pts;
    for (int i = 0; i <= 12; ++i) {
        const double a = 3.14159 * (1 + i / 12.0);
        pts.push_back({W * 0.5 + std::cos(a) * W * 0.34, H * 0.36 + std::sin(a) * H * 0.32});
    }
    for (int i = 0; i <= 6; ++i) pts.push_back({W * (0.84 - i * 0.11), H * (i % 2 ? 0.86 : 0.98) - (i == 6 ? H * 0.2 : 0)});
    glow(img, W * 0.5, H * 0.45, W * 0.6, rgb(0xa0d0ff, 90));
    paint(img, polygon(pts), styled(0xd8e8f8));
    paint(img, tube({W * 0.2, H * 0.45}, {W * 0.04, H * 0.58}, W * 0.07, W * 0.03), styled(0xd8e8f8));
    paint(img, tube({W * 0.8, H * 0.45}, {W * 0.96, H * 0.58}, W * 0.07, W * 0.03), styled(0xd8e8f8));
    paint(img, ellipse(W * 0.38, H * 0.33, W * 0.07, H * 0.08), Style{ramp(0x1a1a2a), false, 0, 0, true});
    paint(img, ellipse(W * 0.62, H * 0.33, W * 0.07, H * 0.08), Style{ramp(0x1a1a2a), false, 0, 0, true});
    paint(img, ellipse(W * 0.5, H * 0.52, W * 0.08, H * 0.09), Style{ramp(0x1a1a2a), false, 0, 0, true});
    eyes(img, {W * 0.38, H * 0.34}, {W * 0.62, H * 0.34}, W * 0.025, 0x60e0ff);
}

void spirit(Image& img) {
    const double W = img.width(), H = img.height();
    glow(img, W * 0.5, H * 0.55, W * 0.6, rgb(0xff8020, 140));
    static constexpr std::uint32_t kFlame[] = {0xd8401a, 0xf07a20, 0xffc040, 0xfff0a0};
    for (int layer = 0; layer < 4; ++layer) {
        const double k = 1.0 - layer * 0.2;
        std::vector<Pt> pts{{W * 0.5, H * (0.02 + layer * 0.1)}};
        for (int i = 0; i <= 8; ++i) {
            const double a = 3.14159 * (i / 8.0);
            const double r = (i % 2 ? 0.3 : 0.42) * k;
            pts.push_back({W * 0.5 + std::cos(a) * W * r, H * 0.62 + std::sin(a) * H * 0.3 * k - (i % 2 ? 0 : H * 0.12 * k)});
        }
        paint(img, polygon(pts), Style{ramp(kFlame[layer]), layer == 0, 1, 0, false});
    }
    eyes(img, {W * 0.4, H * 0.55}, {W * 0.6, H * 0.55}, W * 0.04, 0x3a60ff);
}

void stalker(Image& img) {
    const double W = img.width(), H = img.height();
    glow(img, W * 0.5, H * 0.5, W * 0.6, rgb(0x6a2aa0, 120));
    const Style shade = styled(0x2a2236);
    paint(img, polygon({{W * 0.5, H * 0.02}, {W * 0.78, H * 0.3}, {W * 0.9, H * 0.98}, {W * 0.7, H * 0.86}, {W * 0.55, H * 0.99},
                        {W * 0.4, H * 0.86}, {W * 0.2, H * 0.98}, {W * 0.25, H * 0.3}}),
          shade);
    paint(img, ellipse(W * 0.5, H * 0.2, W * 0.16, H * 0.12), Style{ramp(0x0e0a14), true, 0, 0, true});
    for (int s : {-1, 1}) {
        paint(img, tube({W * (0.5 + s * 0.2), H * 0.34}, {W * (0.5 + s * 0.42), H * 0.6}, W * 0.06, W * 0.04), shade);
        for (int k = 0; k < 3; ++k)
            line(img, {W * (0.5 + s * 0.42), H * 0.6}, {W * (0.5 + s * (0.44 + k * 0.03)), H * (0.72 + k * 0.02)}, rgb(0xd0d0e8), 1.2);
    }
    eyes(img, {W * 0.43, H * 0.2}, {W * 0.57, H * 0.2}, W * 0.025, 0xff3050);
}

// ---- Beasts -------------------------------------------------------------------

void stinger(Image& img) {
    const double W = img.width(), H = img.height();
    paint(img, ellipse(W * 0.45, H * 0.2, W * 0.2, H * 0.14), Style{ramp(0xd0ecff), true, 0, 0.2, false});
    paint(img, ellipse(W * 0.58, H * 0.26, W * 0.16, H * 0.12), Style{ramp(0xb8dcf4), true, 0, 0.2, false});
    for (int i = 0; i < 3; ++i) line(img, {W * (0.3 + i * 0.1), H * 0.55}, {W * (0.22 + i * 0.12), H * 0.85}, kInk);
    const Region abdomen = ellipse(W * 0.66, H * 0.58, W * 0.25, H * 0.2);
    paint(img, abdomen, styled(0xf0c020));
    for (int i = 0; i < 3; ++i) fill(img, intersect(abdomen, rect(W * (0.52 + i * 0.13), 0, W * 0.06, H)), rgb(0x2a2218));
    paint(img, polygon({{W * 0.88, H * 0.58}, {W, H * 0.7}, {W * 0.86, H * 0.68}}), styled(0x3a3a3a));
    paint(img, circle(W * 0.34, H * 0.5, W * 0.13), styled(0x4a3a1a));
    paint(img, circle(W * 0.16, H * 0.48, W * 0.11), styled(0xf0c020));
    eyes(img, {W * 0.1, H * 0.44}, {W * 0.1, H * 0.44}, W * 0.04, 0xe02020);
}

void bat(Image& img) {
    const double W = img.width(), H = img.height();
    batWing(img, {W * 0.44, H * 0.38}, {W * 0.05, H * 0.1}, H * 0.32, 0x5a3a5a, 0x3a2a3a);
    batWing(img, {W * 0.56, H * 0.38}, {W * 0.95, H * 0.1}, H * 0.32, 0x5a3a5a, 0x3a2a3a);
    paint(img, ellipse(W * 0.5, H * 0.55, W * 0.1, H * 0.26), styled(0x4a3a4a));
    for (int s : {-1, 1}) paint(img, polygon({{W * (0.5 + s * 0.03), H * 0.3}, {W * (0.5 + s * 0.1), H * 0.06}, {W * (0.5 + s * 0.09), H * 0.34}}), styled(0x4a3a4a));
    eyes(img, {W * 0.46, H * 0.4}, {W * 0.54, H * 0.4}, W * 0.016, 0xff3030);
    teeth(img, {W * 0.46, H * 0.52}, {W * 0.54, H * 0.52}, 2, H * 0.06);
}

void slime(Image& img) {
    const double W = img.width(), H = img.height();
    paint(img, ellipse(W * 0.5, H * 0.98, W * 0.46, H * 0.05), Style{ramp(0x2a6a5a), false, 0, 0, true});
    paint(img, polygon({{W * 0.5, H * 0.04}, {W * 0.78, H * 0.45}, {W * 0.96, H * 0.8}, {W * 0.85, H * 0.97}, {W * 0.15, H * 0.97},
                        {W * 0.04, H * 0.8}, {W * 0.22, H * 0.45}}),
          styled(0x3ac8a0));
    paint(img, ellipse(W * 0.5, H * 0.7, W * 0.4, H * 0.28), styled(0x3ac8a0));
    paint(img, ellipse(W * 0.32, H * 0.45, W * 0.07, H * 0.1), Style{ramp(0xf0fff8), false, 0, 0, true});
    for (int s : {-1, 1}) paint(img, ellipse(W * (0.5 + s * 0.14), H * 0.62, W * 0.05, H * 0.09), Style{ramp(0x1a2a2a), false, 0, 0, true});
    line(img, {W * 0.42, H * 0.8}, {W * 0.58, H * 0.8}, rgb(0x1a4a3a));
}

void snake(Image& img) { serpent(img, 0x6a9a3a, 0xd8d070, false); }
void giantSnake(Image& img) { serpent(img, 0x6a3a8a, 0xe0b040, true); }

void spider(Image& img) {
    const double W = img.width(), H = img.height();
    const Style leg = styled(0x2a2232);
    for (int s : {-1, 1})
        for (int i = 0; i < 4; ++i) {
            const Pt root{W * (0.5 + s * 0.08), H * (0.45 + i * 0.06)};
            const Pt knee{W * (0.5 + s * (0.3 + i * 0.03)), H * (0.12 + i * 0.08)};
            const Pt foot{W * (0.5 + s * (0.38 + i * 0.03)), H * (0.92 + (i % 2) * 0.04)};
            paint(img, tube(root, knee, W * 0.022, W * 0.018), leg);
            paint(img, tube(knee, foot, W * 0.018, W * 0.01), leg);
        }
    paint(img, ellipse(W * 0.5, H * 0.4, W * 0.24, H * 0.3), styled(0x3a2a4a));
    fill(img, polygon({{W * 0.46, H * 0.24}, {W * 0.54, H * 0.24}, {W * 0.5, H * 0.34}}), rgb(0xd02a2a));
    fill(img, polygon({{W * 0.46, H * 0.44}, {W * 0.54, H * 0.44}, {W * 0.5, H * 0.34}}), rgb(0xd02a2a));
    paint(img, ellipse(W * 0.5, H * 0.68, W * 0.14, H * 0.14), styled(0x2a2232));
    eyes(img, {W * 0.45, H * 0.64}, {W * 0.55, H * 0.64}, W * 0.018, 0xff3030);
    eyes(img, {W * 0.47, H * 0.6}, {W * 0.53, H * 0.6}, W * 0.012, 0xff3030);
    for (int s : {-1, 1}) paint(img, polygon({{W * (0.5 + s * 0.05), H * 0.74}, {W * (0.5 + s * 0.03), H * 0.86}, {W * (0.5 + s * 0.015), H * 0.75}}), styled(0xe0d8c0));
}

void scorpion(Image& img) {
    const double W = img.width(), H = img.height();
    const Style shell = styled(0xb0582a);
    for (int i = 0; i < 3; ++i)
        for (int s : {-1, 1})
            paint(img, tube({W * (0.5 + i * 0.1), H * 0.72}, {W * (0.5 + i * 0.1 + s * 0.06), H * 0.96}, W * 0.015, W * 0.01), shell);
    // The tail arches over the back in shrinking segments.
    const Pt seg[] = {{0.72, 0.66}, {0.84, 0.56}, {0.9, 0.4}, {0.88, 0.24}, {0.78, 0.14}, {0.66, 0.14}};
    for (int i = 0; i < 5; ++i) {
        const double r = W * (0.06 - i * 0.008);
        paint(img, tube({W * seg[i].x, H * seg[i].y}, {W * seg[i + 1].x, H * seg[i + 1].y}, r * 0.8, r * 0.7), shell);
        paint(img, circle(W * seg[i].x, H * seg[i].y, r), shell);
    }
    paint(img, polygon({{W * 0.68, H * 0.1}, {W * 0.56, H * 0.2}, {W * 0.64, H * 0.2}}), styled(0x3a2a2a));
    paint(img, ellipse(W * 0.5, H * 0.7, W * 0.24, H * 0.13), shell);
    for (int s : {-1, 1}) {
        const double x = s < 0 ? 0.14 : 0.36;
        paint(img, tube({W * 0.34, H * 0.7}, {W * x, H * 0.56}, W * 0.03, W * 0.025), shell);
        paint(img, polygon({{W * x, H * 0.5}, {W * (x - 0.08), H * 0.42}, {W * (x - 0.02), H * 0.56}, {W * (x - 0.1), H * 0.6}, {W * (x + 0.03), H * 0.64}}), shell);
    }
    eyes(img, {W * 0.3, H * 0.65}, {W * 0.35, H * 0.64}, W * 0.012, 0x20ff60);
}

void hound(Image& img) { quadruped(img, {0x8a2a1a, 0x3a1a14, 0x1a0a08, 0}, false, false, true); }
void tiger(Image& img) { quadruped(img, {0xe08a2a, 0xf4ecd8, 0x2a1a10, 0}, true, false, false); }

void chimera(Image& img) {
    const double W = img.width(), H = img.height();
    batWing(img, {W * 0.55, H * 0.32}, {W * 0.9, H * 0.0}, H * 0.2, 0x6a4a3a, 0x4a2a1a);
    quadruped(img, {0xc8963a, 0xe8d8a0, 0, 0x8a4a1a}, false, true, false);
    // A goat's head from the back and a serpent for a tail.
    paint(img, tube({W * 0.55, H * 0.32}, {W * 0.6, H * 0.14}, W * 0.035, W * 0.03), styled(0x9a8a7a));
    paint(img, ellipse(W * 0.6, H * 0.12, W * 0.06, H * 0.07), styled(0x9a8a7a));
    horn(img, {W * 0.62, H * 0.07}, {W * 0.7, H * 0.02}, {W * 0.72, H * 0.1}, W * 0.015, 0xe0d8c0);
    eyes(img, {W * 0.58, H * 0.11}, {W * 0.58, H * 0.11}, W * 0.01, 0xf0e020);
    paint(img, circle(W * 0.97, H * 0.12, W * 0.03), styled(0x5a8a3a));
    eyes(img, {W * 0.96, H * 0.11}, {W * 0.96, H * 0.11}, W * 0.008, 0xf0e020);
}

void darkRider(Image& img) {
    const double W = img.width(), H = img.height();
    Image horse(img.width(), static_cast<int>(H * 0.62));
    quadruped(horse, {0x2a2430, 0x3a3440, 0, 0x8a1a2a}, false, true, false);
    blit(img, horse, 0, static_cast<int>(H * 0.38));
    Person p = villain(0x3a3440, 0x1a1a22, Hair::bald, Outfit::armour, 0x2a2430, 0x4a4454, 0xb02a3a, kHelmet | kCloak | kGlowEyes, Weapon::none);
    p.eyes = 0xff3030;
    p.cloak = 0x6a1a2a;
    // The rider sits with the waist on the horse's back.
    const int rh = static_cast<int>(H * 0.6), rw = static_cast<int>(W * 0.4);
    Image rider = drawFigure(p, rw, rh);
    const int top = static_cast<int>(H * 0.55 - rh * 34.0 / 65.0);
    blit(img, cropped(rider, 0, 0, rw, static_cast<int>(rh * 40.0 / 65.0)), static_cast<int>(W * 0.58 - rw / 2.0), top);
    paint(img, tube({W * 0.5, H * 0.5}, {W * 0.02, H * 0.3}, W * 0.014, W * 0.006), styled(0xb8bcc8));
}

void sandworm(Image& img) {
    const double W = img.width(), H = img.height();
    paint(img, ellipse(W * 0.5, H * 0.92, W * 0.48, H * 0.08), styled(0xd8b878));
    const Style skin = styled(0xb08a6a);
    const Pt seg[] = {{0.55, 0.88}, {0.6, 0.74}, {0.58, 0.6}, {0.52, 0.47}, {0.46, 0.35}};
    for (int i = 0; i < 5; ++i) paint(img, circle(W * seg[i].x, H * seg[i].y, W * (0.2 - i * 0.012)), skin);
    paint(img, ellipse(W * 0.44, H * 0.22, W * 0.26, H * 0.14), skin);
    paint(img, ellipse(W * 0.44, H * 0.22, W * 0.18, H * 0.09), styled(0x5a1a22, false));
    for (int i = 0; i < 10; ++i) {
        const double a = 3.14159 * 2 * i / 10;
        const Pt base{W * 0.44 + std::cos(a) * W * 0.17, H * 0.22 + std::sin(a) * H * 0.085};
        fill(img, polygon({{base.x - W * 0.02, base.y}, {base.x + W * 0.02, base.y}, {W * 0.44 + std::cos(a) * W * 0.1, H * 0.22 + std::sin(a) * H * 0.05}}),
             rgb(0xf0ead0));
    }
    paint(img, ellipse(W * 0.44, H * 0.22, W * 0.06, H * 0.03), styled(0x1a0a0e, false));
}

void medusa(Image& img) {
    const double W = img.width(), H = img.height();
    paint(img, ellipse(W * 0.5, H * 0.88, W * 0.44, H * 0.1), styled(0x4a8a5a));
    paint(img, ellipse(W * 0.55, H * 0.78, W * 0.3, H * 0.08), styled(0x4a8a5a));
    Person p = villain(0xa8c8a0, 0x3a7a3a, Hair::bald, Outfit::dress, 0x2a5a3a, 0x1a3a2a, 0xe0c050, kGlowEyes, Weapon::bow);
    p.female = true;
    p.eyes = 0xf0ff40;
    Image top = drawFigure(p, static_cast<int>(W * 0.7), static_cast<int>(H * 0.95));
    blit(img, cropped(top, 0, 0, top.width(), static_cast<int>(top.height() * 0.45)), static_cast<int>(W * 0.15), static_cast<int>(H * 0.03));
    paint(img, tube({W * 0.5, H * 0.45}, {W * 0.55, H * 0.76}, W * 0.1, W * 0.1), styled(0x4a8a5a));
    // Her hair is a nest of snakes.
    const FigureFrame f(static_cast<int>(W * 0.7), static_cast<int>(H * 0.95));
    const double ox = W * 0.15, oy = H * 0.03;
    for (int i = 0; i < 7; ++i) {
        const double a = 3.14159 * (1.05 + i * 0.15);
        const Pt root{ox + f(0, 8).x + std::cos(a) * f(5), oy + f(0, 8).y + std::sin(a) * f(5)};
        const Pt tip{ox + f(0, 8).x + std::cos(a) * f(10), oy + f(0, 8).y + std::sin(a) * f(9)};
        paint(img, tube(root, tip, f(1.1), f(0.8)), styled(0x3a7a3a));
        paint(img, circle(tip.x, tip.y, f(1.3)), styled(0x3a7a3a));
    }
}

void golem(Image& img) {
    const double W = img.width(), H = img.height();
    const Style stone = styled(0x8a8274);
    for (int s : {-1, 1}) {
        paint(img, rect(W * (0.5 + s * 0.14) - W * 0.09, H * 0.66, W * 0.18, H * 0.32), stone);
        paint(img, polygon({{W * (0.5 + s * 0.3), H * 0.24}, {W * (0.5 + s * 0.46), H * 0.3}, {W * (0.5 + s * 0.48), H * 0.72},
                            {W * (0.5 + s * 0.32), H * 0.74}}),
              stone);
        paint(img, rect(W * (0.5 + s * 0.4) - W * 0.09, H * 0.7, W * 0.18, H * 0.12), stone);
    }
    paint(img, polygon({{W * 0.2, H * 0.2}, {W * 0.8, H * 0.2}, {W * 0.72, H * 0.7}, {W * 0.28, H * 0.7}}), stone);
    paint(img, rect(W * 0.38, H * 0.03, W * 0.24, H * 0.17), stone);
    for (int i = 0; i < 3; ++i) line(img, {W * (0.35 + i * 0.1), H * 0.3}, {W * (0.4 + i * 0.1), H * 0.55}, ramp(0x8a8274).tone[0]);
    glow(img, W * 0.5, H * 0.44, W * 0.12, rgb(0x40e0ff, 200));
    paint(img, circle(W * 0.5, H * 0.44, W * 0.04), styled(0x80f0ff, false));
    eyes(img, {W * 0.45, H * 0.11}, {W * 0.55, H * 0.11}, W * 0.018, 0x40e0ff);
}

void giantTree(Image& img) {
    const double W = img.width(), H = img.height();
    const Style bark = styled(0x6a4a2a);
    for (int s : {-1, 1}) {
        paint(img, tube({W * 0.5, H * 0.8}, {W * (0.5 + s * 0.3), H * 0.98}, W * 0.06, W * 0.02), bark);
        paint(img, tube({W * (0.5 + s * 0.12), H * 0.45}, {W * (0.5 + s * 0.42), H * 0.5}, W * 0.05, W * 0.03), bark);
        for (int k = 0; k < 3; ++k)
            line(img, {W * (0.5 + s * 0.42), H * 0.5}, {W * (0.5 + s * (0.46 + k * 0.02)), H * (0.56 + k * 0.03)}, rgb(0x4a3018), 1.5);
    }
    paint(img, tube({W * 0.5, H * 0.95}, {W * 0.5, H * 0.3}, W * 0.17, W * 0.14), bark);
    for (int i = 0; i < 6; ++i)
        paint(img, circle(W * (0.22 + (i % 3) * 0.28), H * (0.12 + (i / 3) * 0.12), W * 0.16), styled(i % 2 ? 0x3a7a30 : 0x448a36));
    paint(img, ellipse(W * 0.42, H * 0.5, W * 0.05, H * 0.04), Style{ramp(0x1a1008), false, 0, 0, true});
    paint(img, ellipse(W * 0.58, H * 0.5, W * 0.05, H * 0.04), Style{ramp(0x1a1008), false, 0, 0, true});
    eyes(img, {W * 0.42, H * 0.5}, {W * 0.58, H * 0.5}, W * 0.015, 0xf0e040);
    paint(img, ellipse(W * 0.5, H * 0.64, W * 0.09, H * 0.05), Style{ramp(0x1a1008), false, 0, 0, true});
    teeth(img, {W * 0.43, H * 0.62}, {W * 0.57, H * 0.62}, 4, H * 0.02);
}

void chest(Image& img) {
    const double W = img.width(), H = img.height();
    paint(img, rect(W * 0.1, H * 0.45, W * 0.8, H * 0.5), styled(0xa86a30));
    paint(img, rect(W * 0.1, H * 0.45, W * 0.8, H * 0.07), styled(0xe0b040));
    paint(img, rect(W * 0.45, H * 0.45, W * 0.1, H * 0.2), styled(0xe8c050));
    paint(img, polygon({{W * 0.12, H * 0.45}, {W * 0.88, H * 0.45}, {W * 0.95, H * 0.12}, {W * 0.2, H * 0.02}}), styled(0x2a0a10));
    paint(img, polygon({{W * 0.2, H * 0.02}, {W * 0.95, H * 0.12}, {W * 0.95, H * 0.02}, {W * 0.22, H * -0.06}}), styled(0xb87a38));
    teeth(img, {W * 0.14, H * 0.44}, {W * 0.86, H * 0.44}, 7, -H * 0.1);
    teeth(img, {W * 0.22, H * 0.06}, {W * 0.92, H * 0.14}, 6, H * 0.1);
    paint(img, tube({W * 0.5, H * 0.38}, {W * 0.2, H * 0.7}, W * 0.05, W * 0.04), styled(0xd04a6a));
    eyes(img, {W * 0.4, H * 0.25}, {W * 0.62, H * 0.27}, W * 0.03, 0xffe020);
}

// ---- Dragons and demons ---------------------------------------------------------

void smallDragon(Image& img) { dragon(img, 0xd0602a, 0xf0c070, 0x9a3a20, 0xf0e0c0); }
void blueDragon(Image& img) { dragon(img, 0x3a6ad0, 0xa0d0f0, 0x2a3a8a, 0xe0e8f0); }
void greenDragon(Image& img) { dragon(img, 0x3a9a4a, 0xd8d070, 0x2a6a3a, 0xe0c050); }
void blackDragon(Image& img) { dragon(img, 0x2a2632, 0x8a2a3a, 0x4a1a2a, 0xd0c8c0); }

void demonFigure(Image& img, std::uint32_t skin, std::uint32_t wing, std::uint32_t hornColour, bool crown) {
    const double W = img.width(), H = img.height();
    batWing(img, {W * 0.42, H * 0.3}, {W * 0.03, H * 0.05}, H * 0.28, wing, skin);
    batWing(img, {W * 0.58, H * 0.3}, {W * 0.97, H * 0.05}, H * 0.28, wing, skin);
    tail(img, {W * 0.55, H * 0.7}, {W * 0.85, H * 0.9}, {W * 0.95, H * 0.72}, W * 0.03, W * 0.01, skin);
    const Style body = styled(skin);
    for (int s : {-1, 1}) {
        paint(img, tube({W * (0.5 + s * 0.1), H * 0.62}, {W * (0.5 + s * 0.16), H * 0.8}, W * 0.07, W * 0.05), body);
        paint(img, tube({W * (0.5 + s * 0.16), H * 0.8}, {W * (0.5 + s * 0.13), H * 0.96}, W * 0.05, W * 0.035), body);
        for (int k = -1; k <= 1; ++k) line(img, {W * (0.5 + s * 0.13), H * 0.96}, {W * (0.5 + s * 0.13 + k * 0.025), H * 0.995}, rgb(0xf0e8d0), 1.5);
    }
    paint(img, ellipse(W * 0.5, H * 0.46, W * 0.17, H * 0.2), body);
    paint(img, ellipse(W * 0.5, H * 0.62, W * 0.12, H * 0.08), body);
    for (int i = 0; i < 3; ++i) line(img, {W * 0.45, H * (0.48 + i * 0.04)}, {W * 0.55, H * (0.48 + i * 0.04)}, ramp(skin).tone[0]);
    for (int s : {-1, 1}) {
        paint(img, circle(W * (0.5 + s * 0.17), H * 0.32, W * 0.07), body);
        paint(img, tube({W * (0.5 + s * 0.19), H * 0.34}, {W * (0.5 + s * 0.27), H * 0.5}, W * 0.055, W * 0.045), body);
        paint(img, tube({W * (0.5 + s * 0.27), H * 0.5}, {W * (0.5 + s * 0.25), H * 0.64}, W * 0.045, W * 0.035), body);
        for (int k = -1; k <= 1; ++k) line(img, {W * (0.5 + s * 0.25), H * 0.64}, {W * (0.5 + s * (0.25 + k * 0.02)), H * 0.69}, rgb(0xf0e8d0), 1.5);
    }
    paint(img, ellipse(W * 0.5, H * 0.2, W * 0.09, H * 0.1), body);
    horn(img, {W * 0.45, H * 0.14}, {W * 0.36, H * 0.06}, {W * 0.38, H * -0.02}, W * 0.025, hornColour);
    horn(img, {W * 0.55, H * 0.14}, {W * 0.64, H * 0.06}, {W * 0.62, H * -0.02}, W * 0.025, hornColour);
    if (crown) {
        horn(img, {W * 0.43, H * 0.18}, {W * 0.3, H * 0.16}, {W * 0.26, H * 0.08}, W * 0.02, hornColour);
        horn(img, {W * 0.57, H * 0.18}, {W * 0.7, H * 0.16}, {W * 0.74, H * 0.08}, W * 0.02, hornColour);
        glow(img, W * 0.5, H * 0.46, W * 0.1, rgb(0xff40a0, 220));
        paint(img, circle(W * 0.5, H * 0.46, W * 0.03), styled(0xff80d0, false));
    }
    eyes(img, {W * 0.46, H * 0.19}, {W * 0.54, H * 0.19}, W * 0.014, crown ? 0xff40c0 : 0xffe020);
    teeth(img, {W * 0.46, H * 0.25}, {W * 0.54, H * 0.25}, 3, H * 0.02);
}

void demon(Image& img) { demonFigure(img, 0xb8302a, 0x6a1a1a, 0x2a2020, false); }
void daemon(Image& img) { demonFigure(img, 0x4a2a5a, 0x2a1a34, 0xd8d0c0, true); }

struct MonsterArt {
    int picture;
    int width, height;  // final size in pixels, twice the drawing size
    Draw draw;
};

// Picture numbers, not monster numbers: picture 19 is the Hog Man, 21 the
// Imp, 38 Maurice, 39 the Daemon, 40 the black dragon.
constexpr MonsterArt kMonsters[] = {
    {1, 56, 52, stinger},      {2, 64, 100, robber},       {3, 64, 56, snake},         {4, 100, 88, giantSnake},
    {5, 76, 64, chest},        {6, 64, 100, elf},          {7, 72, 104, guard},        {8, 92, 84, smallDragon},
    {9, 100, 76, spider},      {10, 72, 108, wizard},      {11, 76, 110, wolfman},     {12, 96, 120, sandworm},
    {13, 68, 104, skeleton},   {14, 96, 124, medusa},      {15, 132, 108, chimera},    {16, 128, 136, darkRider},
    {17, 104, 80, hound},      {18, 84, 112, lizardman},   {19, 92, 112, hogman},      {20, 92, 116, grunt},
    {21, 64, 68, imp},         {22, 112, 132, golem},      {23, 112, 136, minotaur},   {24, 76, 92, ghost},
    {25, 152, 144, demon},     {26, 72, 108, witch},       {27, 80, 108, stalker},     {28, 84, 112, vampire},
    {29, 76, 92, spirit},      {30, 140, 124, blueDragon}, {31, 68, 108, mummy},       {32, 112, 84, scorpion},
    {33, 112, 140, giantTree}, {34, 64, 100, ninja},       {35, 104, 128, werewolf},   {36, 140, 128, greenDragon},
    {37, 100, 132, darkKnight}, {38, 88, 128, mauriceBoss}, {39, 164, 170, daemon},     {40, 148, 136, blackDragon},
    {41, 68, 104, zombie},     {42, 80, 108, samurai},     {43, 104, 104, succubus},   {44, 88, 92, ape},
    {45, 68, 44, bat},         {46, 60, 52, slime},        {47, 124, 84, tiger},       {48, 108, 132, troll},
    {49, 76, 84, dwarf},       {50, 108, 104, harpy},
};

}  // namespace

Image monsterPicture(int picture) {
    const MonsterArt& m = kMonsters[picture - 1];
    Image img(m.width / 2, m.height / 2);
    m.draw(img);
    hardenAlpha(img);
    return enlarged(img, 2);
}

std::vector<Image> makeMonsters() {
    std::vector<Image> out;
    for (int n = 1; n <= kMonsterPictures; ++n) out.push_back(monsterPicture(n));
    return out;
}

}  // namespace assetgen
