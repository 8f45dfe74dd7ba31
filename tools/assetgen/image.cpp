#include "image.h"

namespace assetgen {

void Image::blend(int x, int y, Rgba c) {
    if (wrap_) {
        x = ((x % w_) + w_) % w_;
        y = ((y % h_) + h_) % h_;
    }
    if (!contains(x, y) || c.a == 0) return;
    Rgba& d = px_[index(x, y)];
    if (c.a == 255 || d.a == 0) {
        d = c;
        return;
    }
    const double a = c.a / 255.0;
    const double da = d.a / 255.0 * (1 - a);
    const double oa = a + da;
    auto ch = [&](std::uint8_t s, std::uint8_t t) {
        return static_cast<std::uint8_t>((s * a + t * da) / oa + 0.5);
    };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), static_cast<std::uint8_t>(oa * 255 + 0.5)};
}

void Image::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) set(i, j, c);
}

void blit(Image& dst, const Image& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j)
        for (int i = 0; i < src.width(); ++i) dst.blend(x + i, y + j, src.get(i, j));
}

Image enlarged(const Image& src, int factor) {
    Image out(src.width() * factor, src.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.set(x, y, src.get(x / factor, y / factor));
    return out;
}

Image reduced(const Image& src, int factor) {
    Image out(src.width() / factor, src.height() / factor);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const Rgba c = src.get(x * factor + i, y * factor + j);
                    r += c.r * c.a; g += c.g * c.a; b += c.b * c.a; a += c.a;
                }
            if (a == 0) continue;
            out.set(x, y, {static_cast<std::uint8_t>(r / a), static_cast<std::uint8_t>(g / a),
                           static_cast<std::uint8_t>(b / a), static_cast<std::uint8_t>(a / n)});
        }
    return out;
}

Image mirrored(const Image& src) {
    Image out(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) out.set(src.width() - 1 - x, y, src.get(x, y));
    return out;
}

Image cropped(const Image& src, int x, int y, int w, int h) {
    Image out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.set(i, j, src.get(x + i, y + j));
    return out;
}

void hardenAlpha(Image& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            Rgba c = img.get(x, y);
            c.a = c.a >= 128 ? 255 : 0;
            if (c.a == 0) c = kClear;
            img.set(x, y, c);
        }
}

void outlineSilhouette(Image& img, Rgba ink) {
    const Image src = img;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (src.get(x, y).a >= 128) continue;
            const bool edge = src.get(x - 1, y).a >= 128 || src.get(x + 1, y).a >= 128 ||
                              src.get(x, y - 1).a >= 128 || src.get(x, y + 1).a >= 128;
            if (edge) img.set(x, y, ink);
        }
}

}  // namespace assetgen
