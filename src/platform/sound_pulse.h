#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/sound_player.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

namespace zorva {

// Plays through one output stream of the sound server (PulseAudio, or PipeWire's PulseAudio
// server), open for as long as the player lives. A new sound drops what the stream still holds and
// is written in its place, so the old sound is heard until the new one starts and no stream opens
// or closes between them. libpulse's own thread talks to the server; callers only hand it samples.
class TPulseSoundBackend : public TSoundBackend {
  public:
    static constexpr uint32_t SampleRate = 44100;
    // What the server keeps queued ahead of the speaker; it sets how late a sound starts.
    static constexpr int BufferMilliseconds = 100;
    // Silence written after each sound: PipeWire keeps back the last scrap of a stream's queue
    // until more comes, so the sound's own end must never be that scrap.
    static constexpr int SilenceAfterMilliseconds = 250;
    // How far a loop is written ahead of the speaker, and topped up each time the server asks.
    static constexpr int LoopAheadMilliseconds = 500;
    static constexpr int LoopTopUpMilliseconds = 250;
    // After a sound has played, the stream pauses so the server may rest (and sleep its device).
    static constexpr int RestAfterMilliseconds = 1000;
    // A synchronous sound's wait never runs longer than its length and this: a stalled server
    // must not stall the game.
    static constexpr int LongestOverrunMilliseconds = 1000;

    TPulseSoundBackend();
    ~TPulseSoundBackend() override;

    // The connection began when the player was made.
    void Prepare() override {}
    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;
    // The sound's length, then until the server has played its last sample.
    void Wait(int milliseconds) override;

  private:
    // Everything below is touched only with the main loop's lock held (libpulse's callbacks hold it).
    void Connect();
    void Disconnect();
    void Play(std::vector<int16_t> samples, bool looping);
    void Begin(std::vector<int16_t> samples, bool looping);
    void Lost(int error);
    void WriteLoop(size_t samples);
    void RestLater(int milliseconds);
    bool PlayedThrough();

    static void ContextChanged(pa_context* context, void* self);
    static void StreamChanged(pa_stream* stream, void* self);
    static void StreamWants(pa_stream* stream, size_t bytes, void* self);
    static void TimingUpdated(pa_stream* stream, int success, void* self);
    static void RestDue(pa_mainloop_api* api, pa_time_event* event, const struct timeval* when, void* self);

    pa_threaded_mainloop* MainLoop = nullptr;
    pa_context* Context = nullptr;
    pa_stream* Stream = nullptr;
    pa_time_event* Rest = nullptr;
    bool Ready = false;  // the stream is open
    bool Broken = false; // the server went away; the next sound connects anew
    bool WarnedAbsent = false;
    bool WarnedLost = false;
    bool Corked = true;
    bool Pending = false; // a sound asked for before the stream was open
    bool PendingLoops = false;
    std::vector<int16_t> PendingSamples;
    bool Looping = false;
    std::vector<int16_t> LoopSamples;
    size_t LoopAt = 0;
    uint64_t Sounds = 0; // sounds begun or stopped so far; a due rest or a wait checks it
    bool TimingAsked = false;
    uint64_t TimingFor = 0; // the sound the timing asked for belongs to
    bool TimingSaysPlayed = false;
};

} // namespace zorva
