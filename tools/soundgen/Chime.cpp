#include "Chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Tone {
    double start;     // seconds
    double frequency; // Hz
    double level;
};

// C6, E6, G6: a major triad that reads as "success" rather than alarm.
constexpr Tone kTones[] = {{0.00, 1046.50, 1.0}, {0.09, 1318.51, 0.9}, {0.18, 1567.98, 0.85}};
constexpr double kAttack = 0.004;  // avoids a click at each onset
constexpr double kDecay = 7.0;     // per second
constexpr double kFadeOut = 0.05;  // the file ends in silence
constexpr double kPeak = 0.6 * 32767;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    // Byte by byte: GCC 12 warns falsely about insert() into an empty vector.
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

namespace Chime {

std::vector<std::int16_t> samples()
{
    const auto count = static_cast<std::size_t>(kSeconds * kSampleRate);
    std::vector<double> mix(count, 0.0);
    for (const Tone& tone : kTones) {
        for (std::size_t i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate - tone.start;
            if (t < 0)
                continue;
            const double envelope = std::min(1.0, t / kAttack) * std::exp(-kDecay * t);
            // A quiet octave overtone makes it a bell rather than a beep.
            const double phase = 2 * std::numbers::pi * tone.frequency * t;
            mix[i] += tone.level * envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase));
        }
    }
    const double loudest = *std::max_element(mix.begin(), mix.end(), [](double a, double b) {
        return std::fabs(a) < std::fabs(b);
    });
    const double scale = kPeak / std::fabs(loudest);
    std::vector<std::int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double remaining = double(count - 1 - i) / kSampleRate;
        const double fade = std::min(1.0, remaining / kFadeOut);
        out[i] = static_cast<std::int16_t>(std::lround(mix[i] * scale * fade));
    }
    return out;
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2); // bytes per second
    put16(out, 2);               // bytes per frame
    put16(out, 16);              // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace Chime
