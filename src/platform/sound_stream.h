#pragma once
#include <QElapsedTimer>
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
// Starting a sound opens a new stream, then closes the old one with whatever it still holds, so the
// new sound is heard at once and the old one until then; an old sound already played to its end
// is left to play out the silence after it.
class TSoundStreamBackend : public TSoundBackend {
  public:
    static constexpr uint32_t SampleRate = 44100;
    // The buffer the server is asked to keep filled; it starts a stream once that much is queued.
    static constexpr int BufferMilliseconds = 100;
    // How far a loop is sent ahead of the speaker; it is topped up a quarter of it at a time.
    static constexpr int LoopAheadMilliseconds = 1000;
    // How long a stream stays open after its sound's length, playing silence: by then the sound has
    // been heard, and nothing wakes while all is quiet.
    static constexpr int CloseAfterMilliseconds = 500;

    TSoundStreamBackend();
    ~TSoundStreamBackend() override;

    void Prepare() override;
    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;

  private:
    void Begin(const QByteArray& wave, bool looping);
    std::unique_ptr<QAudioSink> Open() const;
    void Feed();
    bool ReadThrough() const;

    std::unique_ptr<QAudioDevice> Device;
    // Sinks take turns, each opening a new stream of the server for its sound, so one sound can
    // play out while the next opens. None is deleted while the player lives: the sink's destructor
    // (Qt 6.4) handles pending events, which on this thread would run the next sound inside this
    // one's start, and the end of that start would then silence it.
    struct TSlot {
        std::unique_ptr<QAudioSink> Sink;
        QTimer Closing;
    };
    TSlot Slots[3];
    int Current = -1; // the slot playing the sound, if any
    int Last = -1;    // the slot used last
    size_t Sound = 0; // the sound's own samples, without the silence after it
    QIODevice* Output = nullptr;
    std::vector<int16_t> Samples;
    size_t Written = 0; // where in Samples the next write begins
    size_t Fed = 0;     // samples sent since the sound began
    QElapsedTimer Begun; // since the sound began
    bool Looping = false;
    QTimer Pump;
};

} // namespace zorva
