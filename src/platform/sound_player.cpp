#include "platform/sound_player.h"

#include <QFile>
#include <algorithm>
#include <cstdint>

namespace zorva {

namespace {

uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

constexpr uint16_t PcmFormat = 1;

} // namespace

std::optional<int> WaveLengthMilliseconds(const QByteArray& wave) {
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;
    uint32_t bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const qsizetype size = LittleEndian(wave, at + 4, 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > wave.size())
                return std::nullopt;
            const auto format = LittleEndian(wave, body, 2);
            const auto sampleRate = LittleEndian(wave, body + 4, 4);
            const auto blockAlign = LittleEndian(wave, body + 12, 2);
            if (format != PcmFormat || sampleRate == 0 || blockAlign == 0)
                return std::nullopt;
            bytesPerSecond = sampleRate * blockAlign;
        } else if (id == "data") {
            if (bytesPerSecond == 0)
                return std::nullopt;
            // A file cut short plays only what it holds.
            const int64_t bytes = std::min<int64_t>(size, wave.size() - body);
            return static_cast<int>((bytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<int> WaveFileLengthMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return WaveLengthMilliseconds(file.readAll());
}

void TSoundPlayer::PlayFile(const QString& path, TPlayMode mode) {
    Stop();
    const std::optional<int> length = WaveFileLengthMilliseconds(path);
    if (length) {
        Backend.Start(path, mode == TPlayMode::Looping);
        Started = true;
    } else {
        Backend.Alert();
    }
    if (mode == TPlayMode::Synchronous)
        Backend.Wait(length.value_or(AlertMilliseconds));
}

void TSoundPlayer::PlayFromMemory(const QByteArray& wave) {
    Stop();
    if (!WaveLengthMilliseconds(wave)) {
        Backend.Alert();
        return;
    }
    Backend.StartFromMemory(wave);
    Started = true;
}

void TSoundPlayer::Stop() {
    if (!Started)
        return;
    Backend.Stop();
    Started = false;
}

} // namespace zorva
