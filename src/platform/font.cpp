#include "platform/font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "platform/error.h"
#include "platform/utf8.h"

namespace platform {
namespace {

// Every face the forms name is drawn with Liberation Sans (Arial's metrics).
// A character it lacks takes the first of the others that has it: DejaVu Sans
// for symbols and many scripts, WenQuanYi Micro Hei for Chinese, Japanese and
// Korean. Each is found through fontconfig, and used only when it is there.
constexpr const char* kFamilies[] = {"Liberation Sans", "DejaVu Sans", "WenQuanYi Micro Hei"};

// Letters that reach highest and lowest in the scripts the faces draw (accented
// capitals, stacked accents, descenders): a line is drawn with room for them.
constexpr std::pair<char32_t, char32_t> kTallLetters[] = {
    {0x21, 0x7E},     {0xC0, 0x24F},    {0x386, 0x3AB},   {0x400, 0x42F},
    {0x1E00, 0x1EFF}, {0x3041, 0x3096}, {0x4E00, 0x4E3F}, {0xAC00, 0xAC3F},
};

struct FaceFile {
    std::string path;
    int index;                    // of the face in a collection
    bool needsBold, needsItalic;  // drawn slanted or heavier than the file is
};

bool isFamily(FcPattern* match, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (strcasecmp(reinterpret_cast<const char*>(name), family) == 0) return true;
    return false;
}

// The file fontconfig gives for a family in a style; none when the family is
// missing and `exactly` asks for it (fontconfig would offer another).
std::optional<FaceFile> matchFamily(const char* family, bool bold, bool italic, bool exactly) {
    FcInit();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::optional<FaceFile> file;
    FcChar8* path = nullptr;
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch &&
        (!exactly || isFamily(match, family))) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        file = FaceFile{reinterpret_cast<const char*>(path), index, bold && weight < FC_WEIGHT_DEMIBOLD,
                        italic && slant == FC_SLANT_ROMAN};
    }
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

const std::vector<FaceFile>& faceFiles(bool bold, bool italic) {
    static std::map<std::pair<bool, bool>, std::vector<FaceFile>> files;
    auto [it, fresh] = files.try_emplace({bold, italic});
    if (fresh) {
        for (const char* family : kFamilies) {
            const bool first = family == kFamilies[0];
            if (auto file = matchFamily(family, bold, italic, !first)) it->second.push_back(*file);
            if (first && it->second.empty()) throw Error("No font found for Liberation Sans");
        }
    }
    return it->second;
}

// The faces of one font at its size, and what each character is drawn with.
class Faces {
public:
    explicit Faces(const Font& font) {
        if (!TTF_WasInit() && TTF_Init() != 0) throw Error(std::string("Cannot start fonts: ") + TTF_GetError());
        for (const FaceFile& file : faceFiles(font.bold, font.italic)) {
            TTF_Font* f = TTF_OpenFontIndex(file.path.c_str(), font.pixelSize(), file.index);
            if (!f) {
                if (fonts_.empty()) throw Error(std::string("Cannot open the font: ") + TTF_GetError());
                continue;
            }
            const int underline = font.underline ? TTF_STYLE_UNDERLINE : 0;
            const int bold = file.needsBold ? TTF_STYLE_BOLD : 0;
            const int italic = file.needsItalic ? TTF_STYLE_ITALIC : 0;
            TTF_SetFontStyle(f, underline | bold | italic);
            fonts_.push_back(f);
        }
        ascent = TTF_FontAscent(fonts_[0]);
        lineSkip = TTF_FontLineSkip(fonts_[0]);
        int top = ascent, bottom = TTF_FontHeight(fonts_[0]) - ascent;
        for (auto [first, last] : kTallLetters) {
            for (char32_t c = first; c <= last; ++c) {
                const Glyph& g = glyph(c);
                if (g.face < 0) continue;
                top = std::max(top, g.top);
                bottom = std::max(bottom, -g.bottom);
            }
        }
        headroom = top - ascent;
        below = bottom;
    }
    Faces(const Faces&) = delete;
    Faces& operator=(const Faces&) = delete;

    struct Glyph {
        int face;     // the first face that has it; -1 for none
        int advance;  // how far it moves the pen
        int reach;    // how far its ink reaches when it ends a line
        int top, bottom;  // its ink above and below the baseline
    };
    const Glyph& glyph(char32_t c) {
        if (c < ascii_.size() && ascii_[c].face != kUnread) return ascii_[c];
        if (c >= ascii_.size())
            if (auto it = other_.find(c); it != other_.end()) return it->second;
        Glyph g{-1, 0, 0, 0, 0};
        for (std::size_t i = 0; i < fonts_.size() && g.face < 0; ++i)
            if (TTF_GlyphIsProvided32(fonts_[i], Uint32(c))) g.face = int(i);
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(face(g.face), Uint32(c), &minx, &maxx, &miny, &maxy, &advance) == 0)
            g = {g.face, advance, std::max(advance, maxx), maxy, miny};
        if (c < ascii_.size()) return ascii_[c] = g;
        return other_.emplace(c, g).first->second;
    }

    // A character no face has is drawn by the first (as its box).
    TTF_Font* face(int i) const { return fonts_[std::size_t(std::max(i, 0))]; }

    // Calls f(face, run) for each run of text that one face draws.
    template <class F>
    void forEachRun(std::string_view text, F&& f) {
        std::size_t start = 0, at = 0;
        int current = 0;
        while (at < text.size()) {
            const std::size_t here = at;
            const int next = std::max(glyph(utf8::next(text, at)).face, 0);
            if (next != current && here > start) {
                f(current, text.substr(start, here - start));
                start = here;
            }
            current = next;
        }
        if (at > start) f(current, text.substr(start));
    }

    int ascent = 0, lineSkip = 0;
    int headroom = 0;  // room above the ascent for the tallest letters
    int below = 0;     // room under the baseline for the lowest

private:
    static constexpr int kUnread = -2;
    std::vector<TTF_Font*> fonts_;
    std::array<Glyph, 128> ascii_ = [] {
        std::array<Glyph, 128> a{};
        for (Glyph& g : a) g.face = kUnread;
        return a;
    }();
    std::unordered_map<char32_t, Glyph> other_;
};

Faces& facesOf(const Font& font) {
    static std::map<std::tuple<int, bool, bool, bool>, std::unique_ptr<Faces>> cache;
    auto key = std::make_tuple(font.pixelSize(), font.bold, font.italic, font.underline);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, std::make_unique<Faces>(font)).first;
    return *it->second;
}

int runWidth(TTF_Font* face, std::string_view run) {
    int w = 0, h = 0;
    TTF_SizeUTF8(face, std::string(run).c_str(), &w, &h);
    return w;
}

}  // namespace

int Font::pixelSize() const { return static_cast<int>(std::lround(size * 96.0 / 72.0)); }

int textWidth(const Font& font, const std::string& text) {
    Faces& faces = facesOf(font);
    int width = 0;
    faces.forEachRun(text, [&](int face, std::string_view run) { width += runWidth(faces.face(face), run); });
    return width;
}

int lineHeight(const Font& font) { return facesOf(font).lineSkip; }

int drawnLineHeight(const Font& font) {
    const Faces& faces = facesOf(font);
    return faces.headroom + faces.ascent + faces.below;
}

int textHeight(const Font& font, std::size_t lines) {
    return lines == 0 ? 0 : int(lines - 1) * lineHeight(font) + drawnLineHeight(font);
}

bool canDraw(char32_t c) {
    for (bool bold : {false, true})
        if (facesOf(Font{.bold = bold}).glyph(c).face < 0) return false;
    return true;
}

namespace {

// The wrapped lines, no more than `room` of them.
class Lines {
public:
    Lines(const Font& font, int width, std::size_t room)
        : font_(font), width_(width), room_(room), faces_(facesOf(font)) {}

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
            sum += faces_.glyph(utf8::next(text, at)).advance;
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
            const Faces::Glyph& g = faces_.glyph(utf8::next(text, after));
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

    const Font& font_;
    int width_;
    std::size_t room_;
    Faces& faces_;
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

// Each run is drawn with its face and set on one baseline, as far below the
// picture's top as the tallest letters need. The renderer lowers a run whose
// letters reach above its face's ascent by as much; that is undone here.
PicturePtr renderText(const Font& font, const std::string& text, VbColor color) {
    if (text.empty()) return nullptr;
    Faces& faces = facesOf(font);
    const SDL_Color c{red(color), green(color), blue(color), 255};
    const int baseline = faces.headroom + faces.ascent;
    struct Piece {
        SDL_Surface* surface;
        int y;
    };
    std::vector<Piece> pieces;
    int width = 0;
    faces.forEachRun(text, [&](int face, std::string_view run) {
        TTF_Font* f = faces.face(face);
        SDL_Surface* s = TTF_RenderUTF8_Blended(f, std::string(run).c_str(), c);
        if (!s) return;
        int top = TTF_FontAscent(f);
        for (std::size_t at = 0; at < run.size();) top = std::max(top, faces.glyph(utf8::next(run, at)).top);
        pieces.push_back({s, baseline - top});
        width += s->w;
    });
    SDL_Surface* line = width > 0 ? SDL_CreateRGBSurfaceWithFormat(0, width, drawnLineHeight(font), 32,
                                                                    SDL_PIXELFORMAT_ARGB8888)
                                  : nullptr;
    int x = 0;
    for (const Piece& p : pieces) {
        if (line) {
            SDL_Rect at{x, p.y, p.surface->w, p.surface->h};
            SDL_SetSurfaceBlendMode(p.surface, SDL_BLENDMODE_NONE);
            SDL_BlitSurface(p.surface, nullptr, line, &at);
        }
        x += p.surface->w;
        SDL_FreeSurface(p.surface);
    }
    if (!line) return nullptr;
    return std::make_shared<Picture>(line);
}

}  // namespace platform
