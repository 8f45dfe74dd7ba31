#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct SDL_Surface;

namespace platform {

// A decoded picture: a 32-bit ARGB surface with alpha (GIF transparency
// becomes alpha 0). Shared: controls copy the pointer, as the runtime
// copied a Picture object.
class Picture {
public:
    explicit Picture(SDL_Surface* argb);  // takes ownership
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const;
    int height() const;
    SDL_Surface* surface() const { return surface_; }
    std::uint32_t pixel(int x, int y) const;  // ARGB
    bool opaque() const { return opaque_; }   // no transparent pixel: drawn without blending

private:
    SDL_Surface* surface_;
    bool opaque_ = true;
};

using PicturePtr = std::shared_ptr<const Picture>;

// GIF (with transparency), JPG, BMP or PNG. Throws Error naming the file
// when it is missing or cannot be decoded.
PicturePtr LoadPicture(const std::string& path);
PicturePtr LoadPictureFromMemory(const void* data, std::size_t size, std::string_view name);

// A blank picture of the given size, filled with an ARGB colour.
PicturePtr MakePicture(int width, int height, std::uint32_t argb);

// Writes a picture as PNG (tests' snapshots, the asset sheets).
void SavePng(const Picture& picture, const std::string& path);

}  // namespace platform
