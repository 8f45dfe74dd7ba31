// GIF through giflib. Colours are reduced by median cut when a picture has
// more than the 255 a GIF can hold beside its transparent entry.
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "encode.h"

namespace assetgen {
namespace {

struct Entry {
    Rgba colour;
    long count;
};

std::uint32_t key(Rgba c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

int channel(Rgba c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; }

std::vector<Rgba> medianCut(std::vector<Entry> colours, std::size_t maxColours) {
    struct Box {
        std::size_t begin, end;
    };
    auto spread = [&](const Box& b, int& axis) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (std::size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(colours[i].colour, k));
                hi = std::max(hi, channel(colours[i].colour, k));
            }
            if (hi - lo > best) {
                best = hi - lo;
                axis = k;
            }
        }
        return best;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < maxColours) {
        std::size_t pick = boxes.size();
        int pickAxis = 0;
        long pickScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            int axis = 0;
            const int s = spread(boxes[i], axis);
            long weight = 0;
            for (std::size_t j = boxes[i].begin; j < boxes[i].end; ++j) weight += colours[j].count;
            const long score = static_cast<long>(s) * static_cast<long>(std::sqrt(static_cast<double>(weight)) + 1);
            if (score > pickScore) {
                pickScore = score;
                pick = i;
                pickAxis = axis;
            }
        }
        if (pick == boxes.size()) break;
        Box b = boxes[pick];
        std::stable_sort(colours.begin() + static_cast<std::ptrdiff_t>(b.begin),
                         colours.begin() + static_cast<std::ptrdiff_t>(b.end), [&](const Entry& x, const Entry& y) {
                             return channel(x.colour, pickAxis) < channel(y.colour, pickAxis);
                         });
        long total = 0, half = 0;
        for (std::size_t j = b.begin; j < b.end; ++j) total += colours[j].count;
        std::size_t mid = b.begin + 1;
        for (std::size_t j = b.begin; j < b.end - 1; ++j) {
            half += colours[j].count;
            mid = j + 1;
            if (half * 2 >= total) break;
        }
        boxes[pick] = {b.begin, mid};
        boxes.push_back({mid, b.end});
    }
    std::vector<Rgba> palette;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (std::size_t j = b.begin; j < b.end; ++j) {
            const double w = static_cast<double>(colours[j].count);
            r += colours[j].colour.r * w;
            g += colours[j].colour.g * w;
            bl += colours[j].colour.b * w;
            n += w;
        }
        palette.push_back({static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5),
                           static_cast<std::uint8_t>(bl / n + 0.5), 255});
    }
    return palette;
}

int nearest(const std::vector<Rgba>& palette, Rgba c) {
    int best = 0;
    long bestD = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

int appendBytes(GifFileType* gif, const GifByteType* data, int len) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + len);
    return len;
}

void ok(int rc, const char* what) {
    if (rc != GIF_OK) throw std::runtime_error(std::string("gif: ") + what);
}

}  // namespace

Bytes encodeGif(const Image& img) {
    std::map<std::uint32_t, long> histogram;
    for (const Rgba& c : img.pixels())
        if (c.a >= 128) ++histogram[key(c)];
    std::vector<Entry> colours;
    for (const auto& [k, n] : histogram)
        colours.push_back({{static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 8),
                            static_cast<std::uint8_t>(k), 255},
                           n});
    std::vector<Rgba> palette;
    if (colours.size() <= 255) {
        for (const Entry& e : colours) palette.push_back(e.colour);
    } else {
        palette = medianCut(colours, 255);
    }
    std::map<std::uint32_t, int> lookup;
    for (const Entry& e : colours) lookup[key(e.colour)] = nearest(palette, e.colour) + 1;

    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    if (!map) throw std::runtime_error("gif: colour map");
    map->Colors[0] = {0, 0, 0};
    for (int i = 1; i < 256; ++i) {
        const Rgba c = static_cast<std::size_t>(i - 1) < palette.size() ? palette[i - 1] : Rgba{};
        map->Colors[i] = {c.r, c.g, c.b};
    }
    Bytes out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &err);
    if (!gif) {
        GifFreeMapObject(map);
        throw std::runtime_error("gif: open");
    }
    EGifSetGifVersion(gif, true);
    try {
        ok(EGifPutScreenDesc(gif, img.width(), img.height(), 8, 0, map), "screen");
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext), "control block");
        ok(EGifPutImageDesc(gif, 0, 0, img.width(), img.height(), false, nullptr), "image");
        std::vector<GifPixelType> row(static_cast<std::size_t>(img.width()));
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const Rgba c = img.get(x, y);
                row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(c.a >= 128 ? lookup[key(c)] : 0);
            }
            ok(EGifPutLine(gif, row.data(), img.width()), "line");
        }
    } catch (...) {
        EGifCloseFile(gif, &err);
        GifFreeMapObject(map);
        throw;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &err) != GIF_OK) throw std::runtime_error("gif: close");
    return out;
}

}  // namespace assetgen
