#pragma once
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace zorva {

// Where a plain PCM wave keeps its samples and how they are laid out.
struct TWaveLayout {
    uint32_t SampleRate = 0;
    uint16_t Channels = 0;
    uint16_t BitsPerSample = 0;
    uint16_t BlockAlign = 0;
    qsizetype DataOffset = 0;
    // Only what the file holds: a file cut short plays what is there.
    qsizetype DataBytes = 0;
};

// nullopt when the bytes are not a plain integer PCM wave of 8 to 32 bits a sample.
std::optional<TWaveLayout> ReadWaveLayout(const QByteArray& wave);

// The wave's samples as one 16-bit channel at the given rate: channels are mixed, the rate is
// converted by straight-line interpolation.
std::vector<int16_t> MonoSamples(const QByteArray& wave, const TWaveLayout& layout, uint32_t rate);

} // namespace zorva
