#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/form.h"

namespace platform {

PictureBox::PictureBox(Form& owner, std::string name, int index)
    : Control(owner, std::move(name), index) {}

PictureBox::~PictureBox() {
    if (canvas_) SDL_FreeSurface(canvas_);
}

void PictureBox::ensureCanvas(int w, int h) const {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (canvas_ && canvas_->w == w && canvas_->h == h) return;
    SDL_Surface* fresh = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(fresh, nullptr, toArgb(BackColor));
    if (canvas_) {
        draw::setBlend(canvas_, false);
        SDL_BlitSurface(canvas_, nullptr, fresh, nullptr);
        SDL_FreeSurface(canvas_);
    }
    canvas_ = fresh;
}

SDL_Surface* PictureBox::canvas() const {
    ensureCanvas(int(std::lround(Width / form().scale)), int(std::lround(Height / form().scale)));
    return canvas_;
}

void PictureBox::setPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    Cls();
}

void PictureBox::Cls() {
    SDL_Surface* c = canvas();
    SDL_FillRect(c, nullptr, toArgb(BackColor));
    if (picture_)
        draw::pictureStretched(c, *picture_, 0, 0, picture_->width(), picture_->height(), 0, 0,
                               picture_->width(), picture_->height(), true);
    invalidate();
}

void PictureBox::PaintPicture(const Picture& src, double x, double y, double w, double h, double sx,
                              double sy, double sw, double sh) {
    if (w < 0) w = src.width();
    if (h < 0) h = src.height();
    if (sw < 0) sw = src.width() - sx;
    if (sh < 0) sh = src.height() - sy;
    auto r = [](double v) { return int(std::lround(v)); };
    draw::pictureStretched(canvas(), src, r(sx), r(sy), r(sw), r(sh), r(x), r(y), r(w), r(h), true);
    invalidate();
}

void PictureBox::BitBlt(int x, int y, int w, int h, const Picture& src, int sx, int sy, Rop rop) {
    SDL_Surface* dst = canvas();
    if (rop == Rop::SrcCopy) {
        draw::pictureStretched(dst, src, sx, sy, w, h, x, y, w, h, false);
        invalidate();
        return;
    }
    // The mask and sprite operations work on the colour bits, as the GDI ones did.
    SDL_Surface* from = src.surface();
    int x0 = std::max({0, x, x - sx}), x1 = std::min({dst->w, x + w, x - sx + from->w});
    int y0 = std::max({0, y, y - sy}), y1 = std::min({dst->h, y + h, y - sy + from->h});
    for (int dy = y0; dy < y1; ++dy) {
        auto* drow = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(dst->pixels) + dy * dst->pitch);
        auto* srow = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(from->pixels) +
                                                            (dy - y + sy) * from->pitch) + (sx - x);
        if (rop == Rop::SrcAnd)
            for (int dx = x0; dx < x1; ++dx) drow[dx] &= srow[dx] | 0xFF000000u;
        else
            for (int dx = x0; dx < x1; ++dx) drow[dx] |= srow[dx] & 0x00FFFFFFu;
    }
    invalidate();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, VbColor color) {
    auto r = [](double v) { return int(std::lround(v)); };
    draw::line(canvas(), r(x1), r(y1), r(x2), r(y2), toArgb(color));
    invalidate();
}

void PictureBox::FillRect(double x, double y, double w, double h, VbColor color) {
    auto r = [](double v) { return int(std::lround(v)); };
    draw::fillRect(canvas(), r(x), r(y), r(w), r(h), toArgb(color));
    invalidate();
}

std::uint32_t PictureBox::pixel(int x, int y) const {
    SDL_Surface* c = canvas();
    if (x < 0 || y < 0 || x >= c->w || y >= c->h) return 0;
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(c->pixels) +
                                                  y * c->pitch)[x];
}

// The form passes positions in its own units (twips on most forms); a box
// drawn in pixels hands its handlers pixels, as the runtime's ScaleMode did.
double PictureBox::toOwnUnits(double formUnits) const {
    return pixelScale ? formUnits / form().scale : formUnits;
}

void PictureBox::mouseDown(int button, int shift, double x, double y) {
    Control::mouseDown(button, shift, toOwnUnits(x), toOwnUnits(y));
}

void PictureBox::mouseMove(int button, int shift, double x, double y) {
    Control::mouseMove(button, shift, toOwnUnits(x), toOwnUnits(y));
}

void PictureBox::mouseUp(int button, int shift, double x, double y) {
    Control::mouseUp(button, shift, toOwnUnits(x), toOwnUnits(y));
}

void PictureBox::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    SDL_Surface* c = canvas();
    draw::setBlend(c, false);
    SDL_Rect from{0, 0, std::min(r.w, c->w), std::min(r.h, c->h)};
    SDL_Rect to{r.x, r.y, from.w, from.h};
    SDL_BlitSurface(c, &from, dc.target, &to);
    if (BorderStyle == 1) draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF404040);
}

}  // namespace platform
