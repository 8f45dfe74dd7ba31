#include "platform/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/error.h"
#include "platform/seqfile.h"

namespace platform {
namespace {

constexpr const char* kLoading = "load the picture";

// The decoder's reason, cleared before each load so no older one shows; some
// damaged files fail without one.
std::string decoderReason() {
    const char* reason = IMG_GetError();
    return reason && *reason ? reason : "not a picture this game can read";
}

// Every picture is kept as ARGB8888 so drawing needs no conversions.
SDL_Surface* toArgb(SDL_Surface* loaded, const std::string& name) {
    if (!loaded) throw cannotOn(kLoading, name, decoderReason());
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) throw cannotOn(kLoading, name, SDL_GetError());
    return argb;
}

}  // namespace

Picture::Picture(SDL_Surface* argb) : surface_(argb) {
    for (int y = 0; y < argb->h && opaque_; ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x)
            if ((row[x] >> 24) != 0xFF) {
                opaque_ = false;
                break;
            }
    }
}

Picture::~Picture() { SDL_FreeSurface(surface_); }

int Picture::width() const { return surface_->w; }
int Picture::height() const { return surface_->h; }

std::uint32_t Picture::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= surface_->w || y >= surface_->h) return 0;
    auto* row = static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x];
}

// Read here rather than by the decoder, which gives no system's reason for
// a missing file or a folder in its place.
PicturePtr LoadPicture(const std::string& path) {
    const std::string bytes = readFileBytes(path, kLoading);
    return LoadPictureFromMemory(bytes.data(), bytes.size(), path);
}

PicturePtr LoadPictureFromMemory(const void* data, std::size_t size, std::string_view name) {
    SDL_ClearError();
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    return std::make_shared<Picture>(toArgb(IMG_Load_RW(rw, 1), std::string(name)));
}

PicturePtr MakePicture(int width, int height, std::uint32_t argb) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) throw Error(std::string("Cannot make a picture: ") + SDL_GetError());
    SDL_FillRect(s, nullptr, argb);
    return std::make_shared<Picture>(s);
}

void SavePng(const Picture& picture, const std::string& path) {
    if (IMG_SavePNG(picture.surface(), path.c_str()) != 0)
        throw Error("Cannot write '" + path + "': " + IMG_GetError());
}

}  // namespace platform
