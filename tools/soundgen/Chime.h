#pragma once

#include <cstdint>
#include <vector>

// The sound played for a row with three or more hits: a short rising chime of
// three bell-like tones, as a complete RIFF/WAVE file (PCM, 16-bit, mono).
namespace Chime {

inline constexpr std::uint32_t kSampleRate = 22050;
inline constexpr double kSeconds = 0.6;

std::vector<std::int16_t> samples();
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples);

} // namespace Chime
