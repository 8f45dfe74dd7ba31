#pragma once
#include <string>
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

// Splits text into the lines a word-wrapping label of the given width shows.
std::vector<std::string> wrapText(const Font& font, const std::string& text, int widthPx);

// One line of text, transparent background.
PicturePtr renderText(const Font& font, const std::string& text, VbColor color);

// The path of the font file used for a face (found through fontconfig).
std::string fontFile(bool bold, bool italic);

}  // namespace platform
