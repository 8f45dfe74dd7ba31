#pragma once
// An RGBA picture in memory and the few whole-picture operations the
// generators share.
#include <vector>

#include "colour.h"

namespace assetgen {

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = kClear)
        : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return w_; }
    int height() const { return h_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba get(int x, int y) const { return contains(x, y) ? px_[index(x, y)] : kClear; }
    // Reads with wrap-around, for textures that must tile.
    Rgba wrapped(int x, int y) const {
        return px_[index(((x % w_) + w_) % w_, ((y % h_) + h_) % h_)];
    }
    void set(int x, int y, Rgba c) {
        if (wrap_) setWrapped(x, y, c);
        else if (contains(x, y)) px_[index(x, y)] = c;
    }
    // While on, drawing past one edge continues at the opposite edge, so
    // whatever is drawn on a tile joins up when the tile repeats.
    void setWrapping(bool on) { wrap_ = on; }
    void setWrapped(int x, int y, Rgba c) { px_[index(((x % w_) + w_) % w_, ((y % h_) + h_) % h_)] = c; }
    // Alpha-composites c over the pixel.
    void blend(int x, int y, Rgba c);
    void fill(Rgba c) { std::fill(px_.begin(), px_.end(), c); }
    void fillRect(int x, int y, int w, int h, Rgba c);
    const std::vector<Rgba>& pixels() const { return px_; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
    int w_ = 0, h_ = 0;
    bool wrap_ = false;
    std::vector<Rgba> px_;
};

// Draws src over dst with its top-left corner at (x, y).
void blit(Image& dst, const Image& src, int x, int y);
// Nearest-neighbour enlargement: the pixel-art look at display size.
Image enlarged(const Image& src, int factor);
// Smooth reduction by box filter (contact sheets only).
Image reduced(const Image& src, int factor);
Image mirrored(const Image& src);
Image cropped(const Image& src, int x, int y, int w, int h);
// Pixels with alpha below half become fully clear, the rest opaque, as GIF
// and the masked tiles need.
void hardenAlpha(Image& img);
// Paints a one-pixel outline round every opaque area of the picture.
void outlineSilhouette(Image& img, Rgba ink = kInk);

}  // namespace assetgen
