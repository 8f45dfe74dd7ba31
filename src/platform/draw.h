#pragma once
// Software drawing on ARGB surfaces, shared by the controls and the runtime.
#include <cstdint>

#include "platform/picture.h"

struct SDL_Surface;

namespace platform::draw {

void setBlend(SDL_Surface* s, bool blend);
void fillRect(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb);
void frameRect(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb);
// Every other pixel of a rectangle's outline, as a focused button is marked.
void dottedFrame(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb);
// A raised (or, pressed, sunken) 3-D box as the runtime drew buttons.
void bevel(SDL_Surface* dst, int x, int y, int w, int h, bool pressed);
void line(SDL_Surface* dst, int x1, int y1, int x2, int y2, std::uint32_t argb, int width = 1);
void ellipse(SDL_Surface* dst, int x, int y, int w, int h, std::uint32_t argb, bool filled);
// Alpha-blends a picture (or its part sx, sy, sw, sh) into dst's rectangle,
// stretched to it, clipped to `clip` when given.
void picture(SDL_Surface* dst, const Picture& src, int x, int y, int w, int h);
void pictureClipped(SDL_Surface* dst, const Picture& src, int x, int y, int clipX, int clipY,
                    int clipW, int clipH);
void pictureStretched(SDL_Surface* dst, const Picture& src, int sx, int sy, int sw, int sh, int x,
                      int y, int w, int h, bool blend);

}  // namespace platform::draw
