// Controls that only show something: line, shape, progress bar.
#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/draw.h"

namespace platform {

void LineControl::draw(const DrawContext& dc) const {
    if (!Visible) return;
    auto px = [&](double v) { return int(std::lround(v / dc.scale)); };
    draw::line(dc.target, dc.originX + px(X1), dc.originY + px(Y1), dc.originX + px(X2),
               dc.originY + px(Y2), toArgb(BorderColor), BorderWidth);
}

void Shape::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    if (ShapeKind == Square || ShapeKind == Circle) {
        int side = std::min(r.w, r.h);
        r = {r.x + (r.w - side) / 2, r.y + (r.h - side) / 2, side, side};
    }
    bool round = ShapeKind == Oval || ShapeKind == Circle;
    if (Filled) {
        if (round)
            draw::ellipse(dc.target, r.x, r.y, r.w, r.h, toArgb(FillColor), true);
        else
            draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(FillColor));
    }
    for (int i = 0; i < std::max(BorderWidth, 1); ++i) {
        if (round)
            draw::ellipse(dc.target, r.x + i, r.y + i, r.w - 2 * i, r.h - 2 * i, toArgb(BorderColor), false);
        else
            draw::frameRect(dc.target, r.x + i, r.y + i, r.w - 2 * i, r.h - 2 * i, toArgb(BorderColor));
    }
}

void ProgressBar::setValue(int v) {
    // The runtime raised an error outside the range; a gauge is safer clamped.
    v = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
    if (v == value_) return;
    value_ = v;
    invalidate();
}

void ProgressBar::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    draw::fillRect(dc.target, r.x, r.y, r.w, r.h, 0xFFD4D0C8);
    draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF808080);
    if (Max == Min) return;
    int inner = r.w - 4;
    int filled = int(std::lround(double(value_ - Min) / (Max - Min) * inner));
    // Segmented blocks, as the classic gauge drew them.
    int block = std::max(3, (r.h - 4) * 2 / 3);
    for (int x = 0; x < filled; x += block + 1)
        draw::fillRect(dc.target, r.x + 2 + x, r.y + 2, std::min(block, filled - x), r.h - 4, 0xFF0A246A);
}

}  // namespace platform
