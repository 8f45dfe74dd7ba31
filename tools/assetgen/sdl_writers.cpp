// PNG, BMP and JPG through SDL and SDL_image, written into memory.
#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "encode.h"

namespace assetgen {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr toSurface(const Image& img, bool alpha) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.width(), img.height(), alpha ? 32 : 24,
                                                    alpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
    if (!s) throw std::runtime_error(std::string("surface: ") + SDL_GetError());
    auto* base = static_cast<std::uint8_t*>(s->pixels);
    for (int y = 0; y < img.height(); ++y) {
        std::uint8_t* row = base + static_cast<std::ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < img.width(); ++x) {
            const Rgba c = img.get(x, y);
            *row++ = c.r;
            *row++ = c.g;
            *row++ = c.b;
            if (alpha) *row++ = c.a;
        }
    }
    return {s, &SDL_FreeSurface};
}

// An SDL stream that appends everything written to a byte vector.
struct MemorySink {
    static SDL_RWops* open(Bytes& out) {
        SDL_RWops* rw = SDL_AllocRW();
        if (!rw) throw std::runtime_error("out of memory");
        rw->type = SDL_RWOPS_UNKNOWN;
        rw->hidden.unknown.data1 = &out;
        rw->hidden.unknown.data2 = nullptr;
        rw->size = [](SDL_RWops* ctx) -> Sint64 { return static_cast<Sint64>(bytes(ctx).size()); };
        rw->seek = [](SDL_RWops* ctx, Sint64 off, int whence) -> Sint64 {
            Sint64 pos = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? cursor(ctx) : static_cast<Sint64>(bytes(ctx).size());
            pos += off;
            if (pos < 0) return -1;
            ctx->hidden.unknown.data2 = reinterpret_cast<void*>(static_cast<std::intptr_t>(pos));
            return pos;
        };
        rw->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
        rw->write = [](SDL_RWops* ctx, const void* p, size_t size, size_t num) -> size_t {
            Bytes& b = bytes(ctx);
            const auto pos = static_cast<std::size_t>(cursor(ctx));
            const std::size_t n = size * num;
            if (b.size() < pos + n) b.resize(pos + n);
            std::copy_n(static_cast<const std::uint8_t*>(p), n, b.begin() + static_cast<std::ptrdiff_t>(pos));
            ctx->hidden.unknown.data2 = reinterpret_cast<void*>(static_cast<std::intptr_t>(pos + n));
            return num;
        };
        rw->close = [](SDL_RWops* ctx) -> int {
            SDL_FreeRW(ctx);
            return 0;
        };
        return rw;
    }
    static Bytes& bytes(SDL_RWops* ctx) { return *static_cast<Bytes*>(ctx->hidden.unknown.data1); }
    static Sint64 cursor(SDL_RWops* ctx) {
        return static_cast<Sint64>(reinterpret_cast<std::intptr_t>(ctx->hidden.unknown.data2));
    }
};

void check(int rc, const char* what) {
    if (rc != 0) throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}

}  // namespace

Bytes encodePng(const Image& img) {
    Bytes out;
    auto s = toSurface(img, true);
    check(IMG_SavePNG_RW(s.get(), MemorySink::open(out), 1), "png");
    return out;
}

Bytes encodeBmp(const Image& img) {
    Bytes out;
    auto s = toSurface(img, false);
    check(SDL_SaveBMP_RW(s.get(), MemorySink::open(out), 1), "bmp");
    return out;
}

Bytes encodeJpg(const Image& img, int quality) {
    Bytes out;
    auto s = toSurface(img, false);
    check(IMG_SaveJPG_RW(s.get(), MemorySink::open(out), 1, quality), "jpg");
    return out;
}

}  // namespace assetgen
