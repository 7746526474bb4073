#include "sounds/wave_file.h"

#include <algorithm>
#include <cmath>

namespace zorva::sounds {

namespace {

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<uint8_t> EncodeWave(const TSamples& samples) {
    constexpr uint32_t channels = 1;
    constexpr uint32_t bitsPerSample = 16;
    constexpr uint32_t blockAlign = channels * bitsPerSample / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * blockAlign;

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, SampleRate, 4);
    PutLittleEndian(out, SampleRate * blockAlign, 4);
    PutLittleEndian(out, blockAlign, 2);
    PutLittleEndian(out, bitsPerSample, 2);
    PutTag(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const auto value = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        PutLittleEndian(out, static_cast<uint16_t>(value), 2);
    }
    return out;
}

} // namespace zorva::sounds
