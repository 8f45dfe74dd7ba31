#pragma once
// People: one description per person, from which the portrait, the full
// figure of the scenes and the walking hero are all drawn, so a speaker's
// face and sprite always agree.
#include <cstdint>
#include <optional>

#include "draw.h"
#include "rng.h"

namespace assetgen {

enum class Hair : std::uint8_t { bald, cropped, spiky, long_, ponytail, bob, bun, curly };
enum class Outfit : std::uint8_t { tunic, armour, robe, dress, leather };
enum class Weapon : std::uint8_t { none, sword, staff, spear, bow, dagger };
enum class Facing : std::uint8_t { down, up, right, left };

enum Extra : unsigned {
    kBeard = 1u << 0,
    kStubble = 1u << 1,
    kHeadband = 1u << 2,
    kBandana = 1u << 3,
    kGlasses = 1u << 4,
    kScar = 1u << 5,
    kCloak = 1u << 6,
    kHood = 1u << 7,
    kCirclet = 1u << 8,
    kHelmet = 1u << 9,
    kGlowEyes = 1u << 10,
    kEarrings = 1u << 11,
};

struct Person {
    bool female = false;
    int age = 1;  // 0 young, 1 grown, 2 old
    std::uint32_t skin = 0xf0c49c, hair = 0x6a4428, eyes = 0x4a3020;
    Hair hairStyle = Hair::cropped;
    Outfit outfit = Outfit::tunic;
    std::uint32_t main = 0x4a6aa8, second = 0x7a5030, trim = 0xd8b040, cloak = 0x5a3a2a;
    unsigned extras = 0;
    Weapon weapon = Weapon::none;
    std::uint32_t backdrop = 0x40506a;  // portrait background tint

    bool has(Extra e) const { return (extras & e) != 0; }
};

// The story's people.
namespace cast {
Person hero();
Person ryu();
Person father();
Person maurice();
Person chi();
Person monk();
Person sonia();
Person jack();
Person tina();
Person bree();
Person darwin();
Person myst();
Person sofi();
}  // namespace cast

// A townsperson made up from the seed.
Person randomPerson(Rng& rng);

// Maps figure coordinates (a person 65 units tall, centred on x = 0, feet
// at the bottom) to the pixels of a canvas; `breadth` widens the body for
// stocky figures.
struct FigureFrame {
    double cx = 0, sx = 1, sy = 1;
    FigureFrame(int width, int height, double breadth = 1.0)
        : cx(width / 2.0), sx(height / 65.0 * breadth), sy(height / 65.0) {}
    Pt operator()(double x, double y) const { return {cx + x * sx, y * sy}; }
    double operator()(double d) const { return d * sy; }
};

// Head-and-shoulders portrait, `size` pixels square.
Image drawPortrait(const Person& p, int size);
// Full standing figure facing the viewer, on a clear canvas.
Image drawFigure(const Person& p, int width, int height, double breadth = 1.0);
// The small walking figure of the map, 18 x 18, frame 0 standing, 1 and 2
// the two strides.
Image drawWalker(const Person& p, Facing facing, int frame);

}  // namespace assetgen
