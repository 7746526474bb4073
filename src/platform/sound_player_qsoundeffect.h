#pragma once
#include <QTemporaryFile>
#include <map>
#include <memory>

#include "platform/sound_player.h"

class QSoundEffect;

namespace zorva {

// Plays through Qt Multimedia, one QSoundEffect per file, kept for the whole run. It never
// asks an effect whether it is still playing: without a sound device the answer never
// changes, and with one it comes late.
class TQSoundEffectBackend : public TSoundBackend {
  public:
    TQSoundEffectBackend();
    ~TQSoundEffectBackend() override;

    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;
    void Alert() override;
    void Wait(int milliseconds) override;

  private:
    QSoundEffect& EffectFor(const QString& path);

    std::map<QString, std::unique_ptr<QSoundEffect>> Effects;
    QSoundEffect* Current = nullptr;
    // Qt plays only files, so a wave held in memory goes out to a private file first.
    QByteArray MemoryWave;
    std::unique_ptr<QTemporaryFile> MemoryFile;
};

} // namespace zorva
