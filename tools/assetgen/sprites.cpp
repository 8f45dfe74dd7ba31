#include "sprites.h"

#include "creatures.h"
#include "people.h"

namespace assetgen {
namespace {

Person travelling(Person p) {
    p.extras |= kCloak | kHood;
    return p;
}

Person olderRyu() {
    Person p = cast::ryu();
    p.extras = (p.extras & ~kHeadband) | kCloak;
    p.cloak = 0x5a4a7a;
    p.main = 0x2a6a3a;
    return p;
}

// Who each character picture shows.
Person character(int n) {
    switch (n) {
        case 0: return cast::maurice();
        case 1: return cast::darwin();
        case 2: return cast::father();
        case 3: return cast::chi();
        case 4: return olderRyu();
        case 5: return cast::ryu();
        case 6: return cast::sonia();
        case 7: return cast::jack();
        case 8: return cast::tina();
        case 9: return cast::hero();
        case 10: return cast::bree();
        case 11: return travelling(cast::sonia());
        default: return cast::myst();
    }
}

Image finished(Image img) {
    hardenAlpha(img);
    return enlarged(img, 2);
}

Image knight() {
    Person p;
    p.skin = 0xecc09a;
    p.outfit = Outfit::armour;
    p.main = 0x2a4a9a;
    p.second = 0xc8ccd8;
    p.trim = 0xe0c050;
    p.extras = kHelmet;
    p.weapon = Weapon::spear;
    return finished(drawFigure(p, 18, 45));
}

Image priest() {
    Person p = cast::monk();
    p.main = 0xf0ece0;
    p.trim = 0xe0c050;
    Image img = drawFigure(p, 17, 25);
    glow(img, img.width() - 3, 2, 6, rgb(0xfff0a0, 180));
    return finished(img);
}

Image fiend() {
    Image img(26, 23);
    batWing(img, {12, 8}, {20, 0}, 5, 0x5a1a2a, 0x3a0a1a);
    quadruped(img, {0x9a2a2a, 0x5a1a1a, 0, 0}, false, false, true);
    return finished(img);
}

Image imp() {
    Image img(21, 18);
    batWing(img, {9, 7}, {1, 1}, 4, 0x7a1a1a, 0x4a0a0a);
    batWing(img, {12, 7}, {20, 1}, 4, 0x7a1a1a, 0x4a0a0a);
    tail(img, {11, 13}, {16, 16}, {19, 12}, 0.8, 0.4, 0xc83a2a);
    const Style body = styled(0xc83a2a);
    paint(img, tube({9, 13}, {8, 17}, 1.0, 0.9), body);
    paint(img, tube({12, 13}, {13, 17}, 1.0, 0.9), body);
    paint(img, ellipse(10.5, 11, 3.2, 3.4), body);
    paint(img, circle(10.5, 6, 3.2), body);
    horn(img, {8.5, 4}, {7.5, 2}, {8, 0.5}, 0.7, 0xe8e0c8);
    horn(img, {12.5, 4}, {13.5, 2}, {13, 0.5}, 0.7, 0xe8e0c8);
    img.set(9, 6, rgb(0xffe040));
    img.set(12, 6, rgb(0xffe040));
    Image out = finished(img);
    return cropped(out, 0, 1, 42, 35);
}

}  // namespace

std::vector<Image> makeCharacterSprites() {
    std::vector<Image> out;
    for (int n = 0; n < kCharacterSprites; ++n) out.push_back(finished(drawFigure(character(n), 41, 65)));
    return out;
}

std::vector<Image> makeIntroFigures() { return {knight(), priest(), fiend(), imp()}; }

}  // namespace assetgen
