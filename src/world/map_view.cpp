#include "world/map_view.h"

#include <array>
#include <cstdlib>

#include "shell/frmtileset.h"

namespace world {
namespace {

constexpr int kDarkTile = 79, kChestMask = 80, kChest = 81;
constexpr int kLastTerrain = 79;
constexpr int kLitRadius = 3;  // underground: the 7 x 7 cells around the hero

struct HeroSprite {
    int mask, sprite;
};
constexpr std::array<HeroSprite, 4> kHeroSprites{{{97, 94}, {85, 82}, {91, 88}, {103, 100}}};

// A code without a terrain picture (the files allow 0..255) shows as darkness.
const platform::Picture& terrainPicture(const PictureArray& tiles, int code) {
    if (code > kLastTerrain || !tiles.exists(code)) code = kDarkTile;
    return *tiles[code];
}

// Whether the view's cell (i, j) is seen at all.
bool isLit(int i, int j, bool outdoors) {
    return outdoors ||
           (std::abs(i - kHeroCol) <= kLitRadius && std::abs(j - kHeroRow) <= kLitRadius);
}

void drawMasked(platform::PictureBox& view, const PictureArray& tiles, int mask, int sprite,
                int px, int py) {
    view.BitBlt(px, py, kCellPx, kCellPx, *tiles[mask], 0, 0, platform::Rop::SrcAnd);
    view.BitBlt(px, py, kCellPx, kCellPx, *tiles[sprite], 0, 0, platform::Rop::SrcPaint);
}

}  // namespace

void drawMapView(platform::PictureBox& view, ConstMapSlice map, int x, int y, int facing,
                 bool outdoors, std::span<const MapFigure> figures) {
    const PictureArray& tiles = frmTileset::get().Tiles;
    for (int i = 0; i < kViewCols; ++i) {
        for (int j = 0; j < kViewRows; ++j) {
            const int px = i * kCellPx, py = j * kCellPx;
            if (!isLit(i, j, outdoors)) {
                view.PaintPicture(*tiles[kDarkTile], px, py, kCellPx, kCellPx);
                continue;
            }
            const int wx = wrapX(x + i - kHeroCol), wy = wrapY(y + j - kHeroRow);
            view.PaintPicture(terrainPicture(tiles, map[sliceIndex(wx, wy, 0)]), px, py, kCellPx,
                              kCellPx);
            if (map[sliceIndex(wx, wy, 1)] != 0) drawMasked(view, tiles, kChestMask, kChest, px, py);
        }
    }
    const PictureArray& monsters = frmTileset::get().imgEnemy;
    for (const MapFigure& f : figures) {
        // The view's column and row of the figure, the edges wrapping round.
        const int i = wrapX(f.x - x + kHeroCol), j = wrapY(f.y - y + kHeroRow);
        if (i < kViewCols && j < kViewRows && isLit(i, j, outdoors) && monsters.exists(f.picture))
            view.PaintPicture(*monsters[f.picture], i * kCellPx, j * kCellPx, kCellPx, kCellPx);
    }
    const HeroSprite& hero = kHeroSprites[facing & 3];
    drawMasked(view, tiles, hero.mask, hero.sprite, kHeroCol * kCellPx, kHeroRow * kCellPx);
}

}  // namespace world
