// The story's people. Ryu, Maurice, their father and the hero are one
// family: the same auburn hair and green eyes.
#include "people.h"

namespace assetgen::cast {
namespace {
constexpr std::uint32_t kAuburn = 0xa44a26, kFamilyEyes = 0x3a8a4a;
}

Person hero() {
    Person p;
    p.female = true;
    p.age = 0;
    p.skin = 0xf4cca4;
    p.hair = kAuburn;
    p.eyes = kFamilyEyes;
    p.hairStyle = Hair::ponytail;
    p.outfit = Outfit::armour;
    p.main = 0x3a64b8;
    p.second = 0xb8c0cc;
    p.trim = 0xe0b040;
    p.weapon = Weapon::sword;
    p.backdrop = 0x2a4a8a;
    return p;
}

Person ryu() {
    Person p;
    p.age = 0;
    p.skin = 0xf0c49c;
    p.hair = kAuburn;
    p.eyes = kFamilyEyes;
    p.hairStyle = Hair::spiky;
    p.outfit = Outfit::tunic;
    p.main = 0x3a8a4a;
    p.second = 0x7a5030;
    p.trim = 0xc83a30;
    p.cloak = 0x6a5a3a;
    p.extras = kHeadband;
    p.weapon = Weapon::sword;
    p.backdrop = 0x2a6a3a;
    return p;
}

Person father() {
    Person p;
    p.age = 2;
    p.skin = 0xecbc94;
    p.hair = 0x9a7a6a;
    p.eyes = kFamilyEyes;
    p.hairStyle = Hair::cropped;
    p.outfit = Outfit::armour;
    p.main = 0x8a2a2a;
    p.second = 0xa8a8b4;
    p.trim = 0xe0b040;
    p.cloak = 0x9a2a2a;
    p.extras = kBeard | kCloak;
    p.weapon = Weapon::sword;
    p.backdrop = 0x6a2a2a;
    return p;
}

Person maurice() {
    Person p;
    p.skin = 0xe8b890;
    p.hair = 0x5a2418;
    p.eyes = 0x2a6a3a;
    p.hairStyle = Hair::long_;
    p.outfit = Outfit::armour;
    p.main = 0x3a3440;
    p.second = 0x4a4454;
    p.trim = 0xa02a3a;
    p.cloak = 0x5a2a7a;
    p.extras = kScar | kCloak;
    p.weapon = Weapon::sword;
    p.backdrop = 0x3a1a4a;
    return p;
}

Person chi() {
    Person p;
    p.age = 0;
    p.skin = 0xd8a070;
    p.hair = 0x2a2430;
    p.eyes = 0x3a2a1a;
    p.hairStyle = Hair::bald;
    p.outfit = Outfit::robe;
    p.main = 0xe08a2a;
    p.second = 0x8a2a2a;
    p.trim = 0x8a2a2a;
    p.weapon = Weapon::staff;
    p.backdrop = 0x8a5a1a;
    return p;
}

Person monk() {
    Person p = chi();
    p.age = 2;
    p.skin = 0xd09a70;
    p.hair = 0xeeeef2;
    p.extras = kBeard;
    p.backdrop = 0x6a4a2a;
    return p;
}

Person sonia() {
    Person p;
    p.female = true;
    p.age = 0;
    p.skin = 0xf6d2b0;
    p.hair = 0xe8c460;
    p.eyes = 0x3a6ac8;
    p.hairStyle = Hair::long_;
    p.outfit = Outfit::leather;
    p.main = 0x2a8a8a;
    p.second = 0x7a5030;
    p.trim = 0xe8e0c0;
    p.cloak = 0x5a6a3a;
    p.weapon = Weapon::bow;
    p.backdrop = 0x1a6a6a;
    return p;
}

Person jack() {
    Person p;
    p.skin = 0xc8946a;
    p.hair = 0x2a2430;
    p.eyes = 0x4a3020;
    p.hairStyle = Hair::cropped;
    p.outfit = Outfit::armour;
    p.main = 0x2a4a7a;
    p.second = 0x8a8a96;
    p.trim = 0xc8c8d0;
    p.extras = kStubble;
    p.weapon = Weapon::spear;
    p.backdrop = 0x3a4a5a;
    return p;
}

Person tina() {
    Person p;
    p.female = true;
    p.skin = 0xf2c8a0;
    p.hair = 0xc8402a;
    p.eyes = 0xb07a2a;
    p.hairStyle = Hair::bob;
    p.outfit = Outfit::leather;
    p.main = 0x5a3a2a;
    p.second = 0x6a3a7a;
    p.trim = 0x3a3a4a;
    p.extras = kBandana | kEarrings;
    p.weapon = Weapon::dagger;
    p.backdrop = 0x5a2a3a;
    return p;
}

Person bree() {
    Person p;
    p.female = true;
    p.age = 0;
    p.skin = 0xf0c8a8;
    p.hair = 0x7a4a2a;
    p.eyes = 0x7a6a3a;
    p.hairStyle = Hair::curly;
    p.outfit = Outfit::dress;
    p.main = 0x7a4aa8;
    p.second = 0xe8e0f0;
    p.trim = 0xf0f0f8;
    p.weapon = Weapon::staff;
    p.backdrop = 0x4a2a6a;
    return p;
}

Person darwin() {
    Person p;
    p.age = 2;
    p.skin = 0x9a6a48;
    p.hair = 0x3a2a20;
    p.eyes = 0x2a1a10;
    p.hairStyle = Hair::cropped;
    p.outfit = Outfit::robe;
    p.main = 0x2a4a8a;
    p.second = 0x1a2a5a;
    p.trim = 0xd8c060;
    p.extras = kBeard | kGlasses;
    p.weapon = Weapon::staff;
    p.backdrop = 0x1a3a6a;
    return p;
}

Person myst() {
    Person p;
    p.female = true;
    p.skin = 0xe6d6ee;
    p.hair = 0xd8d8ec;
    p.eyes = 0xc060ff;
    p.hairStyle = Hair::long_;
    p.outfit = Outfit::dress;
    p.main = 0x4a2a6a;
    p.second = 0x2a1a3a;
    p.trim = 0xd040a0;
    p.extras = kCirclet | kGlowEyes;
    p.backdrop = 0x2a1a3a;
    return p;
}

Person sofi() {
    Person p;
    p.female = true;
    p.age = 0;
    p.skin = 0xf4d0b0;
    p.hair = 0x2a2430;
    p.eyes = 0x5a3a20;
    p.hairStyle = Hair::bob;
    p.outfit = Outfit::tunic;
    p.main = 0xe0a030;
    p.second = 0x8a5a30;
    p.trim = 0xf0e8d0;
    p.backdrop = 0x8a6a2a;
    return p;
}

}  // namespace assetgen::cast
