#include "platform/wave_samples.h"

#include <algorithm>

namespace zorva {

namespace {

uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

constexpr uint16_t PcmFormat = 1;

// One sample scaled to 16 bits: 8-bit samples are unsigned, wider ones signed, and a wider
// sample keeps its two most significant bytes.
int Sample16(const QByteArray& wave, qsizetype at, int bytes) {
    if (bytes == 1)
        return (static_cast<uint8_t>(wave[at]) - 128) * 256;
    return static_cast<int16_t>(LittleEndian(wave, at + bytes - 2, 2));
}

} // namespace

std::optional<TWaveLayout> ReadWaveLayout(const QByteArray& wave) {
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<TWaveLayout> layout;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const qsizetype size = LittleEndian(wave, at + 4, 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > wave.size())
                return std::nullopt;
            TWaveLayout found;
            found.Channels = static_cast<uint16_t>(LittleEndian(wave, body + 2, 2));
            found.SampleRate = LittleEndian(wave, body + 4, 4);
            found.BlockAlign = static_cast<uint16_t>(LittleEndian(wave, body + 12, 2));
            found.BitsPerSample = static_cast<uint16_t>(LittleEndian(wave, body + 14, 2));
            const int sampleBytes = (found.BitsPerSample + 7) / 8;
            if (LittleEndian(wave, body, 2) != PcmFormat || found.SampleRate == 0 || found.Channels == 0 ||
                sampleBytes < 1 || sampleBytes > 4 || found.BlockAlign < found.Channels * sampleBytes)
                return std::nullopt;
            layout = found;
        } else if (id == "data") {
            if (!layout)
                return std::nullopt;
            layout->DataOffset = body;
            layout->DataBytes = std::min<qsizetype>(size, wave.size() - body);
            return layout;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::vector<int16_t> MonoSamples(const QByteArray& wave, const TWaveLayout& layout, uint32_t rate) {
    const qsizetype frames = layout.DataBytes / layout.BlockAlign;
    const int sampleBytes = (layout.BitsPerSample + 7) / 8;
    std::vector<int> mixed(static_cast<size_t>(frames));
    for (qsizetype f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < layout.Channels; ++c)
            sum += Sample16(wave, layout.DataOffset + f * layout.BlockAlign + c * sampleBytes, sampleBytes);
        mixed[static_cast<size_t>(f)] = sum / layout.Channels;
    }
    if (layout.SampleRate == rate)
        return {mixed.begin(), mixed.end()};
    const auto count = static_cast<size_t>(static_cast<int64_t>(frames) * rate / layout.SampleRate);
    std::vector<int16_t> out(count);
    for (size_t i = 0; i < count; ++i) {
        const double at = static_cast<double>(i) * layout.SampleRate / rate;
        const auto left = static_cast<size_t>(at);
        const size_t right = std::min(left + 1, mixed.size() - 1);
        const double share = at - static_cast<double>(left);
        out[i] = static_cast<int16_t>(mixed[left] + (mixed[right] - mixed[left]) * share);
    }
    return out;
}

} // namespace zorva
