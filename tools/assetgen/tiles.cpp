#include "tiles.h"

#include "draw.h"
#include "people.h"

namespace assetgen {
namespace {

Image chest() {
    Image c(18, 18);
    paint(c, rect(3, 8, 12, 7), styled(0xa86a30));
    paint(c, intersect(ellipse(9, 9, 6.2, 5), rect(2, 3, 14, 6)), styled(0xb87a38));
    paint(c, rect(3, 8, 12, 1.4), styled(0xe0b040));
    paint(c, rect(8, 8, 2.4, 3.4), styled(0xe8c050));
    for (int x : {4, 13}) paint(c, rect(x, 4, 1.4, 11), styled(0xd0a040, false));
    return enlarged(c, 2);
}

// The masked pair the map draws with SRCAND then SRCPAINT: the sprite on
// black, and a mask black under the sprite and white elsewhere.
Image onBlack(const Image& sprite) {
    Image out(sprite.width(), sprite.height(), rgb(0x000000));
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (sprite.get(x, y).a >= 128) {
                Rgba c = sprite.get(x, y);
                c.a = 255;
                out.set(x, y, c);
            }
    return out;
}

Image maskOf(const Image& sprite) {
    Image out(sprite.width(), sprite.height(), rgb(0xffffff));
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (sprite.get(x, y).a >= 128) out.set(x, y, rgb(0x000000));
    return out;
}

}  // namespace

std::vector<Image> makeTiles() {
    std::vector<Image> tiles;
    for (const TileEntry& e : kTileCatalogue) {
        Image t(kTileSize, kTileSize);
        paintGround(t, e.ground, static_cast<std::uint32_t>(e.code) * 7919u + 13u);
        t.setWrapping(true);
        paintFeature(t, e.feature, static_cast<std::uint32_t>(e.code) * 104729u + 7u);
        t.setWrapping(false);
        tiles.push_back(t);
    }
    const Image box = chest();
    tiles.push_back(maskOf(box));
    tiles.push_back(onBlack(box));
    const Person hero = cast::hero();
    for (Facing f : {Facing::up, Facing::right, Facing::left, Facing::down}) {
        std::vector<Image> frames;
        for (int i = 0; i < 3; ++i) frames.push_back(enlarged(drawWalker(hero, f, i), 2));
        for (const Image& fr : frames) tiles.push_back(onBlack(fr));
        for (const Image& fr : frames) tiles.push_back(maskOf(fr));
    }
    return tiles;
}

}  // namespace assetgen
