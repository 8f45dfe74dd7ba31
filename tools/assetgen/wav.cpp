#include "audio.h"

namespace assetgen {
namespace {

void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void tag(Bytes& b, const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
}

}  // namespace

Bytes encodeWav(const std::vector<std::int16_t>& samples, int rate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    Bytes b;
    tag(b, "RIFF");
    put32(b, 36 + dataSize);
    tag(b, "WAVE");
    tag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, static_cast<std::uint32_t>(rate));
    put32(b, static_cast<std::uint32_t>(rate * 2));
    put16(b, 2);
    put16(b, 16);
    tag(b, "data");
    put32(b, dataSize);
    for (std::int16_t s : samples) put16(b, static_cast<std::uint16_t>(s));
    return b;
}

}  // namespace assetgen
