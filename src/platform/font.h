#pragma once
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/picture.h"

namespace platform {

// A font as forms describe it: a face name and a size in points at 96 DPI.
// Every face is drawn with Liberation Sans (Arial's metrics).
struct Font {
    std::string name = "Arial";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    int pixelSize() const;  // 8.25 pt -> 11 px
    bool operator==(const Font&) const = default;
};

int textWidth(const Font& font, const std::string& text);
int lineHeight(const Font& font);

// Splits text into the lines a word-wrapping label of the given width shows,
// the first maxLines of them. The time taken grows with the text that goes
// into those lines, not with the length of the whole text.
std::vector<std::string> wrapText(const Font& font, std::string_view text, int widthPx,
                                  std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// One line of text, transparent background.
PicturePtr renderText(const Font& font, const std::string& text, VbColor color);

// The path of the font file used for a face (found through fontconfig).
std::string fontFile(bool bold, bool italic);

}  // namespace platform
