#pragma once
// Picture file formats. Every encoder is deterministic: no dates, no
// comments, the same pixels give the same bytes.
#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

Bytes encodePng(const Image& img);
// 24-bit BMP; alpha is dropped.
Bytes encodeBmp(const Image& img);
Bytes encodeJpg(const Image& img, int quality);
// GIF89a with one transparent colour for every pixel whose alpha is below
// half; the other colours are reduced to at most 255.
Bytes encodeGif(const Image& img);

}  // namespace assetgen
