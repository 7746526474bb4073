#pragma once
#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <string>
#include <vector>

#include "platform/sound_player.h"

namespace zorva::testing {

// Records what the player asks of the sound device, one line per request, e.g.
// "prepare", "start Zorva7.wav looping", "memory", "stop", "alert", "wait 340".
class TFakeSoundBackend : public TSoundBackend {
  public:
    std::vector<std::string> Log;
    QByteArray LastMemoryWave;

    void Prepare() override { Log.push_back("prepare"); }
    void Start(const QString& path, bool looping) override {
        Log.push_back("start " + QFileInfo(path).fileName().toStdString() + (looping ? " looping" : ""));
    }
    void StartFromMemory(const QByteArray& wave) override {
        LastMemoryWave = wave;
        Log.push_back("memory");
    }
    void Stop() override { Log.push_back("stop"); }
    void Alert() override { Log.push_back("alert"); }
    void Wait(int milliseconds) override { Log.push_back("wait " + std::to_string(milliseconds)); }
};

// A plain PCM wave of the given length: mono, 16-bit, 8000 samples a second, silent.
QByteArray SilentWave(int milliseconds);

// Writes bytes to folder/name; returns false when it cannot.
bool WriteFile(const QString& folder, const QString& name, const QByteArray& bytes);

} // namespace zorva::testing
