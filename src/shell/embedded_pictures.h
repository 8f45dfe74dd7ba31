#pragma once
// The pictures built into the executable (terrain, faces, icons...), as PNG
// bytes written by the asset generator at build time.
#include <cstddef>
#include <span>
#include <string_view>

namespace embedded {

struct Blob {
    std::string_view name;  // "<group>/<index>", e.g. "Tiles/81", "img/54"
    const unsigned char* data;
    std::size_t size;
};

std::span<const Blob> pictures();

}  // namespace embedded
