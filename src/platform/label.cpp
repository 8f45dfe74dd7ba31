#include <SDL.h>

#include <algorithm>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/form.h"
#include "platform/utf8.h"

namespace platform {
namespace {

// No more of a line than could ever show in a box this wide: a line wider
// than its box is clipped, and no glyph is narrower than a pixel.
std::string_view visiblePart(std::string_view line, int visibleWidth) {
    const std::size_t most = std::size_t(std::max(visibleWidth, 0)) + 64;
    std::size_t at = 0;
    for (std::size_t count = 0; at < line.size() && count < most; ++count) utf8::next(line, at);
    return line.substr(0, at);
}

}  // namespace

const std::vector<PicturePtr>& Label::pictures(int wrapWidth, int visibleWidth, std::size_t room) const {
    if (wrapped_.caption != Caption || !(wrapped_.font == font) || wrapped_.width != wrapWidth ||
        wrapped_.visibleWidth != visibleWidth || wrapped_.room != room) {
        wrapped_ = {Caption, font, wrapWidth, visibleWidth, room, {}};
        const std::vector<std::string> lines =
            wrapWidth < 0 ? std::vector<std::string>{Caption} : wrapText(font, Caption, wrapWidth, room);
        for (const std::string& line : lines) wrapped_.lines.emplace_back(visiblePart(line, visibleWidth));
        pictures_.clear();
    }
    if (pictures_.size() != wrapped_.lines.size() || drawnColor_ != ForeColor) {
        pictures_.clear();
        for (const std::string& line : wrapped_.lines) pictures_.push_back(renderText(font, line, ForeColor));
        drawnColor_ = ForeColor;
    }
    return pictures_;
}

void Label::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    if (!Transparent) draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(BackColor));
    if (BorderStyle == 1) draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF000000);
    if (Caption.empty()) return;

    // Only the lines that can show are wrapped and drawn: those within the
    // box, or for a label that sizes itself to its text, within its form.
    const int lh = std::max(lineHeight(font), 1);
    const int visibleWidth = AutoSize ? form().pixelWidth() : r.w;
    const int visibleHeight = AutoSize ? form().pixelHeight() : r.h;
    const std::size_t room = std::size_t(std::max(visibleHeight, 0) / lh + 1);
    const int wrapWidth = AutoSize ? 1 << 20 : WordWrap ? r.w : -1;
    int y = r.y;
    for (const PicturePtr& line : pictures(wrapWidth, visibleWidth, room)) {
        if (line) {
            int x = r.x;
            if (Alignment == Align::Right) x = r.x + r.w - line->width();
            if (Alignment == Align::Center) x = r.x + (r.w - line->width()) / 2;
            if (AutoSize)
                draw::picture(dc.target, *line, x, y, line->width(), line->height());
            else
                draw::pictureClipped(dc.target, *line, x, y, r.x, r.y, r.w, r.h);
        }
        y += lh;
    }
}

}  // namespace platform
