#include "platform/draw.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace platform::draw {
namespace {

inline void put(SDL_Surface* dst, int x, int y, std::uint32_t argb) {
    if (x < 0 || y < 0 || x >= dst->w || y >= dst->h) return;
    auto* row = static_cast<std::uint8_t*>(dst->pixels) + y * dst->pitch;
    reinterpret_cast<std::uint32_t*>(row)[x] = argb;
}

// A plain copy of a rectangle, clipped to both surfaces and dst's clip rectangle.
void copyRows(SDL_Surface* dst, SDL_Surface* src, int sx, int sy, int x, int y, int w, int h) {
    SDL_Rect clip;
    SDL_GetClipRect(dst, &clip);
    int x0 = std::max({clip.x, x, x - sx}), x1 = std::min({clip.x + clip.w, x + w, x - sx + src->w});
    int y0 = std::max({clip.y, y, y - sy}), y1 = std::min({clip.y + clip.h, y + h, y - sy + src->h});
    if (x0 >= x1 || y0 >= y1) return;
    for (int dy = y0; dy < y1; ++dy) {
        auto* drow = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(dst->pixels) + dy * dst->pitch);
        auto* srow = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(src->pixels) +
                                                            (dy - y + sy) * src->pitch);
        std::memcpy(drow + x0, srow + (x0 - x + sx), std::size_t(x1 - x0) * 4);
    }
}

}  // namespace

void setBlend(SDL_Surface* s, bool blend) {
    // Changing the mode drops SDL's cached blitter, so only change it when needed.
    SDL_BlendMode want = blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE, have;
    SDL_GetSurfaceBlendMode(s, &have);
    if (have != want) SDL_SetSurfaceBlendMode(s, want);
}

void fillRect(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb) {
    if (w <= 0 || h <= 0) return;
    SDL_Rect r{x, y, w, h};
    SDL_FillRect(dst, &r, argb);
}

void frameRect(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb) {
    fillRect(dst, x, y, w, 1, argb);
    fillRect(dst, x, y + h - 1, w, 1, argb);
    fillRect(dst, x, y, 1, h, argb);
    fillRect(dst, x + w - 1, y, 1, h, argb);
}

void dottedFrame(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb) {
    for (int i = 0; i < w; i += 2) {
        fillRect(dst, x + i, y, 1, 1, argb);
        fillRect(dst, x + i, y + h - 1, 1, 1, argb);
    }
    for (int j = 0; j < h; j += 2) {
        fillRect(dst, x, y + j, 1, 1, argb);
        fillRect(dst, x + w - 1, y + j, 1, 1, argb);
    }
}

void bevel(SDL_Surface* dst, int x, int y, int w, int h, bool pressed) {
    const std::uint32_t light = 0xFFFFFFFF, shadow = 0xFF808080, dark = 0xFF000000;
    fillRect(dst, x, y, w, h, 0xFFD4D0C8);
    std::uint32_t tl = pressed ? dark : light, br = pressed ? light : dark;
    fillRect(dst, x, y, w, 1, tl);
    fillRect(dst, x, y, 1, h, tl);
    fillRect(dst, x, y + h - 1, w, 1, br);
    fillRect(dst, x + w - 1, y, 1, h, br);
    if (!pressed) {
        fillRect(dst, x + 1, y + h - 2, w - 2, 1, shadow);
        fillRect(dst, x + w - 2, y + 1, 1, h - 2, shadow);
    }
}

void line(SDL_Surface* dst, int x1, int y1, int x2, int y2, std::uint32_t argb, int width) {
    if (SDL_MUSTLOCK(dst)) SDL_LockSurface(dst);
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int half = (width - 1) / 2;
    for (;;) {
        for (int oy = -half; oy <= half + (width - 1) % 2; ++oy)
            for (int ox = -half; ox <= half + (width - 1) % 2; ++ox) put(dst, x1 + ox, y1 + oy, argb);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x1 += sx;
        if (e2 <= dx) err += dx, y1 += sy;
    }
    if (SDL_MUSTLOCK(dst)) SDL_UnlockSurface(dst);
}

void ellipse(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb, bool filled) {
    if (w <= 0 || h <= 0) return;
    double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    for (int row = 0; row < h; ++row) {
        double py = y + row + 0.5 - cy;
        double span = rx * std::sqrt(std::max(0.0, 1.0 - (py * py) / (ry * ry)));
        int left = int(std::lround(cx - span)), right = int(std::lround(cx + span)) - 1;
        if (filled) {
            fillRect(dst, left, y + row, right - left + 1, 1, argb);
        } else {
            put(dst, left, y + row, argb);
            put(dst, right, y + row, argb);
        }
    }
    if (!filled) {
        for (int col = 0; col < w; ++col) {
            double px = x + col + 0.5 - cx;
            double span = ry * std::sqrt(std::max(0.0, 1.0 - (px * px) / (rx * rx)));
            put(dst, x + col, int(std::lround(cy - span)), argb);
            put(dst, x + col, int(std::lround(cy + span)) - 1, argb);
        }
    }
}

void pictureStretched(SDL_Surface* dst, const Picture& src, int sx, int sy, int sw, int sh, int x,
                      int y, int w, int h, bool blend) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    SDL_Surface* s = src.surface();
    if (sw == w && sh == h && (!blend || src.opaque())) {
        copyRows(dst, s, sx, sy, x, y, w, h);
        return;
    }
    setBlend(s, blend && !src.opaque());
    SDL_Rect from{sx, sy, sw, sh}, to{x, y, w, h};
    if (sw == w && sh == h)
        SDL_BlitSurface(s, &from, dst, &to);
    else
        SDL_BlitScaled(s, &from, dst, &to);
}

void picture(SDL_Surface* dst, const Picture& src, int x, int y, int w, int h) {
    pictureStretched(dst, src, 0, 0, src.width(), src.height(), x, y, w, h, true);
}

void pictureClipped(SDL_Surface* dst, const Picture& src, int x, int y, int clipX, int clipY,
                    int clipW, int clipH) {
    SDL_Rect old;
    SDL_GetClipRect(dst, &old);
    SDL_Rect clip{clipX, clipY, clipW, clipH};
    SDL_Rect both;
    if (SDL_IntersectRect(&old, &clip, &both)) {
        SDL_SetClipRect(dst, &both);
        pictureStretched(dst, src, 0, 0, src.width(), src.height(), x, y, src.width(), src.height(),
                         true);
    }
    SDL_SetClipRect(dst, &old);
}

}  // namespace platform::draw
