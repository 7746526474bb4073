#pragma once
#include <QLibrary>
#include <QString>
#include <memory>

#include "platform/sound_player.h"

class QWidget;

namespace zorva {

// The sound device's player lives in a module beside the executable, so libpulse and the
// sound server's client libraries load once the window is up rather than before its first frame,
// and not at all while Sound is off.
inline constexpr char SoundModuleFileName[] = "zorva-sound.so";
// The module's one exported function: a new device player, owned by the caller.
inline constexpr char SoundModuleEntry[] = "ZorvaCreateSoundBackend";
using TCreateSoundBackend = TSoundBackend* (*)();

// Plays through the module in the program folder, loading it when asked (Prepare) or, at the
// latest, on the first sound. Without the module the game goes on silent, keeping every synchronous sound's time.
class TSoundModuleBackend : public TSoundBackend {
  public:
    explicit TSoundModuleBackend(const QString& programFolder);
    ~TSoundModuleBackend() override;

    // Once the window has painted its first frame and handed it on, loads the module if sound is
    // on then; sound is the session's setting, read at that moment.
    void LoadAfterFirstPaint(QWidget& window, const bool& sound);
    bool Loaded() const { return Device != nullptr; }

    void Prepare() override;
    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;
    void Wait(int milliseconds) override;

  private:
    void Load();

    QLibrary Module;
    bool Tried = false;
    std::unique_ptr<TSoundBackend> Device;
};

} // namespace zorva
