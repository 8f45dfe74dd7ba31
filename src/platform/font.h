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
// Every face is drawn with Liberation Sans (Arial's metrics); a character it
// lacks, with the first installed fallback face that has it.
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
// The distance from one line to the next.
int lineHeight(const Font& font);
// The height of a line as drawn: with room above it for the tallest accented
// capitals and below it for the lowest letters, so a line never loses them.
int drawnLineHeight(const Font& font);
// The height that a number of lines take, the last one whole.
int textHeight(const Font& font, std::size_t lines);

// Whether some face the game draws text with has the character, in every
// style the game uses; one that none has would show as a box.
bool canDraw(char32_t c);

// Splits text into the lines a word-wrapping label of the given width shows,
// the first maxLines of them. The time taken grows with the text that goes
// into those lines, not with the length of the whole text.
std::vector<std::string> wrapText(const Font& font, std::string_view text, int widthPx,
                                  std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// One line of text, transparent background, drawnLineHeight high, its
// baseline at the same place whatever letters it holds.
PicturePtr renderText(const Font& font, const std::string& text, VbColor color);

}  // namespace platform
