#include "platform/sound_player_qsoundeffect.h"

#include "platform/clock.h"

#include <QApplication>
#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace zorva {

TQSoundEffectBackend::TQSoundEffectBackend() = default;
TQSoundEffectBackend::~TQSoundEffectBackend() = default;

QSoundEffect& TQSoundEffectBackend::EffectFor(const QString& path) {
    auto& effect = Effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return *effect;
}

void TQSoundEffectBackend::Start(const QString& path, bool looping) {
    QSoundEffect& effect = EffectFor(path);
    effect.setLoopCount(looping ? QSoundEffect::Infinite : 1);
    // An effect still loading starts as soon as its samples are in.
    effect.play();
    Current = &effect;
}

void TQSoundEffectBackend::StartFromMemory(const QByteArray& wave) {
    if (!MemoryFile || wave != MemoryWave) {
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/zorva-XXXXXX.wav");
        if (!file->open() || file->write(wave) != wave.size() || !file->flush()) {
            Alert();
            return;
        }
        if (MemoryFile) {
            Stop();
            Effects.erase(MemoryFile->fileName());
        }
        MemoryFile = std::move(file);
        MemoryWave = wave;
    }
    Start(MemoryFile->fileName(), false);
}

void TQSoundEffectBackend::Stop() {
    if (Current != nullptr)
        Current->stop();
    Current = nullptr;
}

void TQSoundEffectBackend::Alert() {
    QApplication::beep();
}

void TQSoundEffectBackend::Wait(int milliseconds) {
    if (milliseconds > 0)
        WaitUntilExcludingInput(TickCount() + static_cast<uint32_t>(milliseconds));
}

} // namespace zorva
