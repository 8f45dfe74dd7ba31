#include "platform/font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <tuple>

#include "platform/error.h"

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

std::vector<std::string> wrapText(const Font& font, const std::string& text, int widthPx) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    // Explicit line breaks first, then words that overflow the width.
    while (start <= text.size()) {
        std::size_t nl = text.find('\n', start);
        std::string para = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!para.empty() && para.back() == '\r') para.pop_back();
        std::string line;
        std::size_t i = 0;
        while (i < para.size()) {
            std::size_t sp = para.find(' ', i);
            std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && textWidth(font, candidate) > widthPx) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            // A single word wider than the box is broken by characters.
            while (textWidth(font, line) > widthPx && line.size() > 1) {
                std::size_t cut = line.size() - 1;
                while (cut > 1 && textWidth(font, line.substr(0, cut)) > widthPx) --cut;
                lines.push_back(line.substr(0, cut));
                line = line.substr(cut);
            }
            if (sp == std::string::npos) break;
            i = sp + 1;
        }
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
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
