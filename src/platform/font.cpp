#include "platform/font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

#include "platform/error.h"
#include "platform/utf8.h"

namespace platform {
namespace {

std::string matchFont(bool bold, bool italic) {
    FcInit();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("Liberation Sans"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    if (file.empty()) throw Error("No font found for Liberation Sans");
    return file;
}

TTF_Font* openFont(const Font& font) {
    static std::map<std::tuple<int, bool, bool, bool>, TTF_Font*> cache;
    auto key = std::make_tuple(font.pixelSize(), font.bold, font.italic, font.underline);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    if (!TTF_WasInit() && TTF_Init() != 0) throw Error(std::string("Cannot start fonts: ") + TTF_GetError());
    TTF_Font* f = TTF_OpenFont(fontFile(font.bold, font.italic).c_str(), font.pixelSize());
    if (!f) throw Error(std::string("Cannot open the font: ") + TTF_GetError());
    if (font.underline) TTF_SetFontStyle(f, TTF_STYLE_UNDERLINE);
    cache.emplace(key, f);
    return f;
}

}  // namespace

int Font::pixelSize() const { return static_cast<int>(std::lround(size * 96.0 / 72.0)); }

std::string fontFile(bool bold, bool italic) {
    static std::map<std::pair<bool, bool>, std::string> files;
    auto key = std::make_pair(bold, italic);
    auto it = files.find(key);
    if (it == files.end()) it = files.emplace(key, matchFont(bold, italic)).first;
    return it->second;
}

int textWidth(const Font& font, const std::string& text) {
    if (text.empty()) return 0;
    int w = 0, h = 0;
    TTF_SizeUTF8(openFont(font), text.c_str(), &w, &h);
    return w;
}

int lineHeight(const Font& font) { return TTF_FontLineSkip(openFont(font)); }

namespace {

// How wide each glyph of one face is, read once per code point: breaking a
// word that is wider than its box walks these instead of measuring ever
// longer pieces of it.
class GlyphWidths {
public:
    explicit GlyphWidths(TTF_Font* font) : font_(font) { ascii_.fill(-1); }

    // The advance, and how far the ink reaches when the glyph ends a line.
    struct Glyph {
        int advance, reach;
    };
    Glyph of(char32_t c) {
        if (c < ascii_.size() && ascii_[c] >= 0) return {ascii_[c], asciiReach_[c]};
        if (c >= ascii_.size())
            if (auto it = other_.find(c); it != other_.end()) return it->second;
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(font_, Uint32(c), &minx, &maxx, &miny, &maxy, &advance) != 0) advance = maxx = 0;
        const Glyph g{advance, std::max(advance, maxx)};
        if (c < ascii_.size()) {
            ascii_[c] = g.advance;
            asciiReach_[c] = g.reach;
        } else {
            other_.emplace(c, g);
        }
        return g;
    }

private:
    TTF_Font* font_;
    std::array<int, 128> ascii_{};
    std::array<int, 128> asciiReach_{};
    std::unordered_map<char32_t, Glyph> other_;
};

GlyphWidths& glyphWidths(TTF_Font* font) {
    static std::map<TTF_Font*, GlyphWidths> cache;
    return cache.try_emplace(font, font).first->second;
}

// The wrapped lines, no more than `room` of them.
class Lines {
public:
    Lines(const Font& font, int width, std::size_t room)
        : ttf_(openFont(font)), font_(font), width_(width), room_(room), glyphs_(glyphWidths(ttf_)) {}

    bool full() const { return lines_.size() >= room_; }
    void push(std::string_view line) {
        if (!full()) lines_.emplace_back(line);
    }
    std::vector<std::string> take() { return std::move(lines_); }

    // Whether text fits the width. Text that is plainly far too wide, or
    // holds more characters than a line has room for, is judged by its
    // glyphs alone, so a huge word is never measured whole.
    bool fits(std::string_view text) {
        int sum = 0;
        std::size_t count = 0;
        for (std::size_t at = 0; at < text.size(); ++count) {
            sum += glyphs_.of(utf8::next(text, at)).advance;
            if (sum > plainlyTooWide() || count >= mostPerLine()) return false;
        }
        return textWidth(font_, std::string(text)) <= width_;
    }

    // The length of the first piece of text that fits the width, by the
    // glyphs' advances; at least one code point, and never all of a text
    // that does not fit.
    std::size_t cut(std::string_view text) {
        int sum = 0;
        std::size_t at = 0, count = 0;
        while (at < text.size() && count < mostPerLine()) {
            std::size_t after = at;
            const GlyphWidths::Glyph g = glyphs_.of(utf8::next(text, after));
            if (at > 0 && sum + g.reach > width_) break;
            sum += g.advance;
            at = after;
            ++count;
        }
        return at < text.size() ? at : utf8::lastStart(text);
    }

    // One paragraph: words joined by single blanks while they fit; a word
    // wider than the box is broken between characters.
    void paragraph(std::string_view para) {
        std::string line, joined;
        std::size_t i = 0;
        while (i < para.size() && !full()) {
            const std::size_t sp = para.find(' ', i);
            const std::string_view word =
                para.substr(i, sp == std::string_view::npos ? std::string_view::npos : sp - i);
            std::string_view candidate = word;
            bool fitting = false;
            if (!line.empty()) {
                joined = line + " ";
                joined += word;
                fitting = fits(joined);
                if (fitting)
                    candidate = joined;
                else
                    push(line);
            }
            while (!fitting && !full() && utf8::length(candidate.substr(0, 8)) > 1) {
                fitting = fits(candidate);
                if (fitting) break;
                const std::size_t n = cut(candidate);
                push(candidate.substr(0, n));
                candidate.remove_prefix(n);
            }
            line = std::string(candidate);
            if (sp == std::string_view::npos) break;
            i = sp + 1;
        }
        push(line);
    }

private:
    int plainlyTooWide() const { return 2 * width_ + 64; }
    std::size_t mostPerLine() const { return std::size_t(std::max(width_, 0)) + 64; }

    TTF_Font* ttf_;
    const Font& font_;
    int width_;
    std::size_t room_;
    GlyphWidths& glyphs_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> wrapText(const Font& font, std::string_view text, int widthPx, std::size_t maxLines) {
    Lines lines(font, widthPx, maxLines);
    std::size_t start = 0;
    // Explicit line breaks first, then words that overflow the width.
    while (!lines.full()) {
        const std::size_t nl = text.find('\n', start);
        std::string_view para = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
        lines.paragraph(para);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines.take();
}

PicturePtr renderText(const Font& font, const std::string& text, VbColor color) {
    if (text.empty()) return nullptr;
    SDL_Color c{red(color), green(color), blue(color), 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(openFont(font), text.c_str(), c);
    if (!s) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!argb) return nullptr;
    return std::make_shared<Picture>(argb);
}

}  // namespace platform
