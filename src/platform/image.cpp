#include <SDL.h>

#include <cmath>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/form.h"

namespace platform {

void Image::setPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    if (picture_ && !Stretch) {
        Width = picture_->width() * form().scale;
        Height = picture_->height() * form().scale;
    }
    invalidate();
}

void Image::draw(const DrawContext& dc) const {
    if (!Visible || !picture_) return;
    PixelRect r = pixelRect(dc);
    if (Stretch)
        draw::picture(dc.target, *picture_, r.x, r.y, r.w, r.h);
    else
        draw::pictureClipped(dc.target, *picture_, r.x, r.y, r.x, r.y, r.w, r.h);
    if (BorderStyle == 1) draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF000000);
}

}  // namespace platform
