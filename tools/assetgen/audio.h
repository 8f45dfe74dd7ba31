#pragma once
// Sound effects (RIFF WAVE) and music (Standard MIDI Files).
#include <cstdint>
#include <vector>

#include "encode.h"

namespace assetgen {

inline constexpr int kSampleRate = 22050;
inline constexpr int kSoundCount = 29, kTrackCount = 31;

// 16-bit mono PCM in a RIFF WAVE container.
Bytes encodeWav(const std::vector<std::int16_t>& samples, int rate);

// sound/snd<n>.snd for n = 0..28.
std::vector<std::vector<std::int16_t>> makeSounds();
// music/<n>.mid for n = 0..30.
std::vector<Bytes> makeMusic();

}  // namespace assetgen
