#pragma once
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sound_player.h"

class QAudioDevice;
class QAudioSink;
class QIODevice;

namespace zorva {

// Plays through one output stream of the sound server, fed with the waves' decoded samples.
// Starting a sound closes the stream with whatever it still holds and opens a new one, so the new
// sound is heard at once.
class TSoundStreamBackend : public TSoundBackend {
  public:
    static constexpr uint32_t SampleRate = 44100;
    // What the stream holds ahead of the speaker; it is topped up a quarter of it at a time.
    static constexpr int BufferMilliseconds = 100;
    // How long a stream stays open after its sound's length: the server starts a new stream at
    // once, so by then the sound has been heard, and nothing wakes while all is quiet.
    static constexpr int CloseAfterMilliseconds = 500;

    TSoundStreamBackend();
    ~TSoundStreamBackend() override;

    void Prepare() override;
    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;

  private:
    void Begin(const QByteArray& wave, bool looping);
    void Open();
    void Feed();

    std::unique_ptr<QAudioDevice> Device;
    std::unique_ptr<QAudioSink> Sink;
    QIODevice* Output = nullptr;
    std::vector<int16_t> Samples;
    size_t Written = 0;
    bool Looping = false;
    QTimer Pump;
    QTimer Closing;
};

} // namespace zorva
