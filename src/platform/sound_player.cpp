#include "platform/sound_player.h"

#include <QApplication>
#include <QFile>
#include <cstdint>

#include "platform/clock.h"
#include "platform/wave_samples.h"

namespace zorva {

void TSoundBackend::Alert() {
    QApplication::beep();
}

void TSoundBackend::Wait(int milliseconds) {
    WaitAtLeastExcludingInput(milliseconds);
}

std::optional<int> WaveLengthMilliseconds(const QByteArray& wave) {
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    if (!layout)
        return std::nullopt;
    const int64_t bytesPerSecond = int64_t{layout->SampleRate} * layout->BlockAlign;
    return static_cast<int>((layout->DataBytes * 1000 + bytesPerSecond - 1) / bytesPerSecond);
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
