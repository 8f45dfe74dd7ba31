// Full standing figures (scenes, intro) and the little walking hero.
#include <cmath>
#include <numbers>

#include "draw.h"
#include "people.h"

namespace assetgen {
namespace {

constexpr std::uint32_t kBoots = 0x4a3020, kSteel = 0xc8ccd8, kWood = 0x7a5230;

std::uint32_t hairColour(const Person& p) {
    if (p.age < 2) return p.hair;
    return hexOf(mix(rgb(p.hair), rgb(0xc8c8d0), 0.6));
}

using Frame = FigureFrame;

void figureHairBack(Image& img, const Person& p, const Frame& f) {
    const Style hair = styled(hairColour(p));
    if (p.hairStyle == Hair::long_) paint(img, polygon({f(-6.5, 4), f(6.5, 4), f(7.5, 24), f(-7.5, 24)}), hair);
    if (p.hairStyle == Hair::ponytail) paint(img, tube(f(4, 5), f(7.5, 21), f(2.2), f(1.2)), hair);
}

void figureHairFront(Image& img, const Person& p, const Frame& f) {
    const Style hair = styled(hairColour(p));
    const Region cap = intersect(ellipse(f(0, 8).x, f(0, 8).y, f(6.1), f(6.4)), rect(0, 0, img.width(), f(0, 7.2).y));
    switch (p.hairStyle) {
        case Hair::bald:
            if (p.age == 2) {
                paint(img, ellipse(f(-5.4, 8).x, f(-5.4, 8).y, f(1.2), f(2)), hair);
                paint(img, ellipse(f(5.4, 8).x, f(5.4, 8).y, f(1.2), f(2)), hair);
            }
            break;
        case Hair::spiky: {
            std::vector<Pt> pts;
            for (int i = 0; i <= 10; ++i) {
                const double a = std::numbers::pi * (1.0 + i / 10.0);
                const double r = (i % 2) ? 9.0 : 5.8;
                pts.push_back(f(std::cos(a) * r * 0.95, 7.5 + std::sin(a) * r * 0.8));
            }
            pts.push_back(f(5.8, 8.5));
            pts.push_back(f(-5.8, 8.5));
            paint(img, polygon(pts), hair);
            break;
        }
        case Hair::curly:
            for (int i = 0; i <= 6; ++i) {
                const double a = std::numbers::pi * (0.95 + i / 6.0 * 1.1);
                paint(img, circle(f(std::cos(a) * 5.6, 8 + std::sin(a) * 5.4).x, f(0, 8 + std::sin(a) * 5.4).y, f(2.4)), hair);
            }
            break;
        case Hair::bun:
            paint(img, circle(f(0, 2).x, f(0, 2).y, f(2.8)), hair);
            paint(img, cap, hair);
            break;
        case Hair::bob:
            paint(img, polygon({f(-6.4, 6), f(-3.6, 6), f(-4.2, 13.5), f(-6.8, 13.5)}), hair);
            paint(img, polygon({f(6.4, 6), f(3.6, 6), f(4.2, 13.5), f(6.8, 13.5)}), hair);
            paint(img, cap, hair);
            break;
        case Hair::long_:
            paint(img, polygon({f(-6.2, 6), f(-4, 6), f(-4.8, 20), f(-7, 20)}), hair);
            paint(img, polygon({f(6.2, 6), f(4, 6), f(4.8, 20), f(7, 20)}), hair);
            paint(img, cap, hair);
            break;
        case Hair::cropped:
        case Hair::ponytail:
            paint(img, cap, hair);
            break;
    }
}

void figureFace(Image& img, const Person& p, const Frame& f) {
    const Ramp skin = ramp(p.skin);
    for (int side : {-1, 1}) {
        const Pt e = f(side * 2.2, 9.6);
        img.set(static_cast<int>(e.x), static_cast<int>(e.y), rgb(p.eyes));
        img.set(static_cast<int>(e.x), static_cast<int>(e.y) - 1, kInk);
        if (p.has(kGlowEyes)) glow(img, e.x + 0.5, e.y, f(2.2), rgb(p.eyes, 200));
    }
    const Pt m = f(0, 13);
    line(img, {m.x - f(1), m.y}, {m.x + f(1), m.y}, skin.tone[0]);
    if (p.has(kBeard)) {
        const Style beard = styled(hairColour(p));
        paint(img, polygon({f(-5.2, 10.5), f(-3, 12.2), f(3, 12.2), f(5.2, 10.5), f(3.6, 16.5), f(0, 18), f(-3.6, 16.5)}), beard);
    }
    if (p.has(kStubble))
        for (int y = static_cast<int>(f(0, 12).y); y < static_cast<int>(f(0, 15).y); ++y)
            for (int x = static_cast<int>(f(-4, 0).x); x <= static_cast<int>(f(4, 0).x); ++x)
                if ((x + y) % 2 == 0 && img.get(x, y) == skin.tone[2]) img.set(x, y, skin.tone[1]);
    if (p.has(kGlasses))
        for (int side : {-1, 1}) {
            const Pt e = f(side * 2.2, 9.4);
            paint(img, rect(e.x - f(1.5), e.y - f(1.2), f(3), f(2.4)), Style{ramp(0xd0e8f0), true, 0, 0.4, true});
        }
    if (p.has(kScar)) line(img, f(1, 7), f(3.6, 12), rgb(0xb05050));
}

void figureHeadwear(Image& img, const Person& p, const Frame& f) {
    if (p.has(kHeadband)) {
        paint(img, rect(f(-6, 5).x, f(-6, 5).y, f(12), f(1.6)), styled(p.trim));
        paint(img, tube(f(5.5, 5.8), f(9, 10), f(0.8), f(0.6)), styled(p.trim));
    }
    if (p.has(kBandana)) paint(img, intersect(ellipse(f(0, 7.5).x, f(0, 7.5).y, f(6.4), f(6)), rect(0, 0, img.width(), f(0, 6.4).y)), styled(p.trim));
    if (p.has(kCirclet)) {
        line(img, f(-5.6, 5.2), f(5.6, 5.2), rgb(0xe0c040));
        glow(img, f(0, 5).x, f(0, 5).y, f(1.8), rgb(0xff60c0));
    }
    if (p.has(kHelmet)) {
        paint(img, intersect(ellipse(f(0, 8).x, f(0, 8).y, f(6.6), f(6.8)), rect(0, 0, img.width(), f(0, 7.4).y)), styled(kSteel));
        paint(img, rect(f(-0.6, 6).x, f(0, 6).y, f(1.2), f(4)), styled(kSteel));
    }
    if (p.has(kHood)) {
        const Region hood = subtract(ellipse(f(0, 8.6).x, f(0, 8.6).y, f(7.6), f(8.2)), ellipse(f(0, 10).x, f(0, 10).y, f(5.2), f(5.8)));
        paint(img, intersect(hood, rect(0, 0, img.width(), f(0, 14).y)), styled(p.cloak));
    }
}

void figureWeapon(Image& img, const Person& p, const Frame& f, bool front) {
    switch (p.weapon) {
        case Weapon::none: break;
        case Weapon::sword:
            if (front) {
                paint(img, polygon({f(-9.0, 37), f(-10.2, 37), f(-11.0, 54), f(-10.6, 56), f(-9.6, 54)}), styled(kSteel));
                paint(img, rect(f(-12.2, 0).x, f(0, 35.6).y, f(4.4), f(1.4)), styled(p.trim));
            }
            break;
        case Weapon::staff:
            if (!front) {
                paint(img, tube(f(10.4, 8), f(10.4, 62), f(1.0), f(1.0)), styled(kWood));
                paint(img, circle(f(10.4, 6.5).x, f(10.4, 6.5).y, f(2.4)), styled(0x60b0f0));
                glow(img, f(10.4, 6.5).x, f(10.4, 6.5).y, f(5), rgb(0x90d0ff, 150));
            }
            break;
        case Weapon::spear:
            if (!front) {
                paint(img, tube(f(10.4, 6), f(10.4, 62), f(0.9), f(0.9)), styled(kWood));
                paint(img, polygon({f(10.4, 0), f(12, 6), f(10.4, 8), f(8.8, 6)}), styled(kSteel));
            }
            break;
        case Weapon::bow:
            if (!front) {
                curve(img, f(-8, 12), f(2, 20), f(9, 40), rgb(0x6a4424), f(1.6));
                line(img, f(-8, 12), f(9, 40), rgb(0xe8e0c8));
            }
            break;
        case Weapon::dagger:
            if (front) {
                paint(img, polygon({f(4.5, 31), f(6, 31), f(6.5, 38), f(5.2, 39.5)}), styled(kSteel));
                paint(img, rect(f(3.8, 0).x, f(0, 30).y, f(3), f(1.2)), styled(p.trim));
            }
            break;
    }
}

}  // namespace

Image drawFigure(const Person& p, int width, int height, double breadth) {
    Image img(width, height);
    const Frame f(width, height, breadth);
    const Style main = styled(p.main), second = styled(p.second), skin = styled(p.skin), trim = styled(p.trim);
    const bool cloak = p.has(kCloak) || p.has(kHood);

    if (cloak) paint(img, polygon({f(-7, 16), f(7, 16), f(12.5, 60), f(-12.5, 60)}), styled(p.cloak));
    figureWeapon(img, p, f, false);
    figureHairBack(img, p, f);

    // Legs and boots.
    if (p.outfit != Outfit::robe) {
        const Style legs = p.outfit == Outfit::dress ? skin : second;
        for (int side : {-1, 1}) {
            paint(img, tube(f(side * 3.0, 34), f(side * 3.4, 55), f(2.7), f(2.2)), legs);
            paint(img, polygon({f(side * 3.4 - 2.6, 53), f(side * 3.4 + 2.6, 53), f(side * 3.6 + 3.0, 62), f(side * 3.4 - 3.2, 62)}),
                  styled(p.outfit == Outfit::armour ? p.second : kBoots));
        }
    }

    // Body.
    const double waist = p.female ? 4.6 : 5.6;
    switch (p.outfit) {
        case Outfit::robe:
            paint(img, polygon({f(-6.8, 16), f(6.8, 16), f(10.5, 61), f(-10.5, 61)}), main);
            paint(img, rect(f(-1.2, 0).x, f(0, 22).y, f(2.4), f(39)), trim);
            for (int side : {-1, 1}) paint(img, ellipse(f(side * 4, 61.5).x, f(0, 61.5).y, f(2.6), f(1.4)), styled(kBoots));
            break;
        case Outfit::dress:
            paint(img, polygon({f(-4.6, 27), f(4.6, 27), f(11.5, 55), f(-11.5, 55)}), main);
            paint(img, polygon({f(-11.5, 53.5), f(11.5, 53.5), f(11.5, 55.5), f(-11.5, 55.5)}), trim);
            paint(img, polygon({f(-6.2, 16), f(6.2, 16), f(waist, 28), f(-waist, 28)}), main);
            break;
        default:
            paint(img, polygon({f(-6.6, 32), f(6.6, 32), f(7.8, 40), f(-7.8, 40)}), main);
            paint(img, polygon({f(-6.6, 16), f(6.6, 16), f(waist, 26), f(6.2, 34), f(-6.2, 34), f(-waist, 26)}), main);
            if (p.outfit == Outfit::armour) {
                paint(img, polygon({f(-5.4, 17), f(5.4, 17), f(4.4, 29), f(-4.4, 29)}), second);
                line(img, f(0, 19), f(0, 27), ramp(p.second).tone[3]);
            }
            if (p.outfit == Outfit::leather) paint(img, tube(f(-5.5, 17), f(5.5, 30), f(1), f(1)), second);
            break;
    }
    paint(img, rect(f(-6.2, 0).x, f(0, 29.5).y, f(12.4), f(2.2)), styled(p.outfit == Outfit::robe ? p.second : 0x5a3a22));
    paint(img, rect(f(-1.2, 0).x, f(0, 29.3).y, f(2.4), f(2.6)), trim);

    // Arms, then the hand-held weapon over them.
    const Style sleeve = p.outfit == Outfit::armour ? second : main;
    for (int side : {-1, 1}) {
        paint(img, tube(f(side * 7.4, 18.5), f(side * 8.8, 27), f(2.5), f(2.2)), sleeve);
        paint(img, tube(f(side * 8.8, 27), f(side * 9.4, 34), f(2.2), f(2.0)), main);
        paint(img, circle(f(side * 9.6, 35.4).x, f(0, 35.4).y, f(2.0)), skin);
        if (p.outfit == Outfit::armour) paint(img, ellipse(f(side * 7.2, 18.2).x, f(0, 18.2).y, f(3.4), f(2.8)), second);
    }
    figureWeapon(img, p, f, true);

    // Head.
    paint(img, rect(f(-1.7, 0).x, f(0, 13).y, f(3.4), f(4.5)), Style{ramp(p.skin), true, 1, -0.25, false});
    for (int side : {-1, 1}) paint(img, ellipse(f(side * 5.6, 9.8).x, f(0, 9.8).y, f(1.2), f(1.6)), skin);
    paint(img, ellipse(f(0, 9).x, f(0, 9).y, f(5.6), f(6.5)), skin);
    figureFace(img, p, f);
    figureHairFront(img, p, f);
    figureHeadwear(img, p, f);
    if (p.has(kEarrings))
        for (int side : {-1, 1}) img.set(static_cast<int>(f(side * 5.8, 0).x), static_cast<int>(f(0, 12).y), rgb(0xf0d040));
    return img;
}

Image drawWalker(const Person& p, Facing facing, int frame) {
    // Drawn facing right and mirrored for left.
    const bool mirror = facing == Facing::left;
    if (mirror) facing = Facing::right;
    Image img(18, 18);
    const Style main = styled(p.main), skin = styled(p.skin), hair = styled(hairColour(p));
    const Style legs = styled(hexOf(scale(rgb(p.main), 0.55))), boots = styled(0x5a3a22);
    const Style chest = styled(p.outfit == Outfit::armour ? p.second : p.main);
    // Stride: 0 standing, +1 left foot forward, -1 right foot forward.
    const int stride = frame == 0 ? 0 : frame == 1 ? 1 : -1;
    const bool side = facing == Facing::right;

    if (facing == Facing::up && (p.hairStyle == Hair::ponytail || p.hairStyle == Hair::long_))
        paint(img, tube({9, 6}, {9, 12.5}, 1.6, 1.0), hair);
    // Legs and boots.
    if (side) {
        for (int leg : {-1, 1}) {
            const double swing = leg * stride * 2.0;
            const Pt hip{9 + leg * 0.4, 13}, foot{9 + swing, 16.2};
            paint(img, tube(hip, foot, 1.1, 1.0), leg < 0 ? Style{legs.ramp, true, 1, -0.25, false} : legs);
            paint(img, ellipse(foot.x + 0.8, 16.6, 1.6, 1.0), boots);
        }
    } else {
        for (int leg : {-1, 1}) {
            const double lift = leg == stride ? 0.0 : stride == 0 ? 0.0 : 1.2;
            const double x = 9 + leg * 1.7;
            paint(img, tube({x, 13}, {x, 15.8 - lift}, 1.2, 1.1), legs);
            paint(img, ellipse(x, 16.4 - lift, 1.4, 1.0), boots);
        }
    }
    // Body, with the arms swinging against the legs.
    const double bob = stride == 0 ? 0 : -0.4;
    if (side) {
        paint(img, rect(6.8, 9.2 + bob, 4.6, 4.4), main);
        paint(img, rect(7.2, 9.6 + bob, 3.6, 2.6), chest);
        paint(img, rect(6.8, 12 + bob, 4.6, 1.0), styled(0x5a3a22, false));
        paint(img, tube({9, 10 + bob}, {9 + stride * 1.8, 12.8 + bob}, 1.0, 0.9), main);
        paint(img, circle(9 + stride * 1.8, 13 + bob, 0.9), skin);
    } else {
        paint(img, rect(5.6, 9.2 + bob, 6.8, 4.4), main);
        if (facing == Facing::down) paint(img, rect(6.6, 9.6 + bob, 4.8, 2.4), chest);
        paint(img, rect(5.6, 12 + bob, 6.8, 1.0), styled(0x5a3a22, false));
        for (int arm : {-1, 1}) {
            const double swing = (facing == Facing::down ? 1 : -1) * arm * stride * 0.8;
            paint(img, tube({9 + arm * 4.0, 9.8 + bob}, {9 + arm * 4.3, 12.4 + bob - swing}, 1.0, 0.9), main);
            paint(img, circle(9 + arm * 4.3, 12.8 + bob - swing, 0.9), skin);
        }
        if (facing == Facing::up && p.weapon == Weapon::sword) line(img, {6, 9 + bob}, {11.5, 13 + bob}, rgb(0x6a4426));
    }
    // Head.
    const double hy = 5.4 + bob;
    switch (facing) {
        case Facing::down:
            paint(img, ellipse(9, hy, 4.1, 4.0), skin);
            paint(img, polygon({{4.7, hy}, {5.2, hy - 3}, {9, hy - 4.6}, {12.8, hy - 3}, {13.3, hy}, {12.6, hy + 2.4}, {11.8, hy - 1},
                                {9.8, hy - 1.6}, {9, hy - 0.8}, {8.2, hy - 1.6}, {6.2, hy - 1}, {5.4, hy + 2.4}}),
                  hair);
            img.set(7, static_cast<int>(hy + 1), rgb(p.eyes));
            img.set(11, static_cast<int>(hy + 1), rgb(p.eyes));
            break;
        case Facing::up:
            paint(img, ellipse(9, hy, 4.2, 4.1), hair);
            line(img, {6.5, hy + 2.5}, {11.5, hy + 2.5}, ramp(hairColour(p)).tone[1]);
            break;
        default:
            paint(img, ellipse(9.2, hy, 3.9, 4.0), skin);
            paint(img, polygon({{5.2, hy + 1}, {5.6, hy - 2.6}, {8.6, hy - 4.6}, {12.4, hy - 3.4}, {13.2, hy - 1.4}, {10.6, hy - 1.2},
                                {9.4, hy + 0.6}, {8.2, hy + 2.8}, {5.8, hy + 3}}),
                  hair);
            if (p.hairStyle == Hair::ponytail) paint(img, tube({5.6, hy - 0.5}, {3.8, hy + 4.2}, 1.4, 0.8), hair);
            img.set(11, static_cast<int>(hy + 1), rgb(p.eyes));
            break;
    }
    if (p.has(kHeadband)) line(img, {5, hy - 2.2}, {13, hy - 2.2}, rgb(p.trim));
    return mirror ? mirrored(img) : img;
}

Person randomPerson(Rng& rng) {
    static constexpr std::uint32_t kSkins[] = {0xf6d2b0, 0xf0c49c, 0xe0ac80, 0xc8946a, 0x9a6a48, 0x6e4a34};
    static constexpr std::uint32_t kHairs[] = {0x2a2430, 0x4a3020, 0x6a4428, 0x8a5a30, 0xe8c460, 0xc8402a, 0xd8a050, 0x3a2a40};
    static constexpr std::uint32_t kCloth[] = {0x3a64b8, 0x3a8a4a, 0xa83a3a, 0x7a4aa8, 0xc88a2a, 0x2a8a8a, 0x8a6a4a,
                                               0x5a5a6a, 0xb85a8a, 0x4a6a2a, 0x2a3a6a, 0xd8c8a0};
    static constexpr std::uint32_t kEyes[] = {0x4a3020, 0x3a6ac8, 0x3a8a4a, 0x6a5a3a, 0x2a2a2a};
    Person p;
    p.female = rng.chance(0.5);
    p.age = rng.between(0, 2);
    p.skin = rng.pick(kSkins);
    p.hair = p.age == 2 && rng.chance(0.5) ? 0xe0e0e4 : rng.pick(kHairs);
    p.eyes = rng.pick(kEyes);
    static constexpr Hair kHerHair[] = {Hair::long_, Hair::ponytail, Hair::bob, Hair::bun, Hair::curly};
    static constexpr Hair kHisHair[] = {Hair::cropped, Hair::spiky, Hair::bald, Hair::curly, Hair::cropped, Hair::long_};
    p.hairStyle = p.female ? rng.pick(kHerHair) : rng.pick(kHisHair);
    if (p.hairStyle == Hair::bald && p.age == 0) p.hairStyle = Hair::cropped;
    static constexpr Outfit kOutfits[] = {Outfit::tunic, Outfit::tunic, Outfit::robe, Outfit::leather, Outfit::armour};
    p.outfit = rng.pick(kOutfits);
    if (p.female && rng.chance(0.4)) p.outfit = Outfit::dress;
    p.main = rng.pick(kCloth);
    p.second = rng.pick(kCloth);
    p.trim = rng.chance(0.5) ? 0xe0c060 : 0xf0ece0;
    p.cloak = rng.pick(kCloth);
    p.backdrop = rng.pick(kCloth);
    if (!p.female && p.age > 0 && rng.chance(0.45)) p.extras |= kBeard;
    else if (!p.female && rng.chance(0.2)) p.extras |= kStubble;
    if (rng.chance(0.1)) p.extras |= kGlasses;
    if (rng.chance(0.1)) p.extras |= rng.chance(0.5) ? kHeadband : kBandana;
    if (rng.chance(0.1)) p.extras |= kHood;
    if (p.outfit == Outfit::armour && rng.chance(0.5)) p.extras |= kHelmet;
    if (p.female && rng.chance(0.25)) p.extras |= kEarrings;
    return p;
}

}  // namespace assetgen
