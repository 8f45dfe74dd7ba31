#include <SDL.h>

#include "platform/controls.h"
#include "platform/draw.h"

namespace platform {

void Label::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    if (!Transparent) draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(BackColor));
    if (BorderStyle == 1) draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF000000);
    if (Caption.empty()) return;

    // Text pictures are kept until the caption, font, colour or width change.
    std::string key = Caption + '\x1f' + std::to_string(font.pixelSize()) + (font.bold ? "b" : "") +
                      (font.italic ? "i" : "") + (font.underline ? "u" : "") + '\x1f' +
                      std::to_string(ForeColor) + '\x1f' + std::to_string(WordWrap ? r.w : -1);
    if (key != cachedKey_) {
        cachedKey_ = key;
        cachedLines_.clear();
        std::vector<std::string> lines =
            WordWrap || AutoSize ? wrapText(font, Caption, AutoSize ? 1 << 20 : r.w)
                                 : std::vector<std::string>{Caption};
        for (const std::string& line : lines) cachedLines_.push_back(renderText(font, line, ForeColor));
    }
    int lh = lineHeight(font);
    int y = r.y;
    for (const PicturePtr& line : cachedLines_) {
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
