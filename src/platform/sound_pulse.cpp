#include "platform/sound_pulse.h"

#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <pulse/pulseaudio.h>

#include "platform/clock.h"
#include "platform/wave_samples.h"

namespace zorva {

namespace {

constexpr size_t SamplesIn(int milliseconds) {
    return static_cast<size_t>(milliseconds) * TPulseSoundBackend::SampleRate / 1000;
}

// libpulse hands back every operation; the player never waits on one.
void Forget(pa_operation* operation) {
    if (operation != nullptr)
        pa_operation_unref(operation);
}

// Holds libpulse's main loop locked for one scope.
class TLocked {
  public:
    explicit TLocked(pa_threaded_mainloop* loop) : Loop(loop) { pa_threaded_mainloop_lock(Loop); }
    ~TLocked() { pa_threaded_mainloop_unlock(Loop); }
    TLocked(const TLocked&) = delete;
    TLocked& operator=(const TLocked&) = delete;

  private:
    pa_threaded_mainloop* Loop;
};

std::vector<int16_t> Decoded(const QByteArray& wave) {
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    return layout ? MonoSamples(wave, *layout, TPulseSoundBackend::SampleRate) : std::vector<int16_t>();
}

} // namespace

TPulseSoundBackend::TPulseSoundBackend() : MainLoop(pa_threaded_mainloop_new()) {
    pa_threaded_mainloop_set_name(MainLoop, "zorva-sound");
    {
        const TLocked hold(MainLoop);
        Connect();
    }
    pa_threaded_mainloop_start(MainLoop);
}

TPulseSoundBackend::~TPulseSoundBackend() {
    {
        const TLocked hold(MainLoop);
        Disconnect();
    }
    pa_threaded_mainloop_stop(MainLoop);
    pa_threaded_mainloop_free(MainLoop);
}

// Never starts a server of its own: without one the game plays silent and says so once.
void TPulseSoundBackend::Connect() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Zorva Slots");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "io.github.zorva.Slots");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "zorva-slots");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    Context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(MainLoop), "Zorva Slots", properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(Context, &ContextChanged, this);
    Broken = false;
    if (pa_context_connect(Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        ContextChanged(Context, this);
}

void TPulseSoundBackend::Disconnect() {
    if (Rest != nullptr) {
        pa_threaded_mainloop_get_api(MainLoop)->time_free(Rest);
        Rest = nullptr;
    }
    if (Stream != nullptr) {
        pa_stream_set_state_callback(Stream, nullptr, nullptr);
        pa_stream_set_write_callback(Stream, nullptr, nullptr);
        pa_stream_disconnect(Stream);
        pa_stream_unref(Stream);
        Stream = nullptr;
    }
    if (Context != nullptr) {
        pa_context_set_state_callback(Context, nullptr, nullptr);
        pa_context_disconnect(Context);
        pa_context_unref(Context);
        Context = nullptr;
    }
    Ready = false;
    TimingAsked = false;
}

void TPulseSoundBackend::ContextChanged(pa_context* context, void* self) {
    auto& player = *static_cast<TPulseSoundBackend*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        const pa_sample_spec format{PA_SAMPLE_S16LE, SampleRate, 1};
        player.Stream = pa_stream_new(context, "Zorva Slots", &format, nullptr);
        pa_stream_set_state_callback(player.Stream, &StreamChanged, self);
        pa_stream_set_write_callback(player.Stream, &StreamWants, self);
        // A start threshold of one sample: a click shorter than the buffer must still be played.
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<uint32_t>(-1);
        buffer.tlength = static_cast<uint32_t>(SamplesIn(BufferMilliseconds) * 2);
        buffer.prebuf = 2;
        buffer.minreq = static_cast<uint32_t>(-1);
        buffer.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
        player.Corked = true;
        if (pa_stream_connect_playback(player.Stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
            StreamChanged(player.Stream, self);
        player.Rest = pa_context_rttime_new(context, PA_USEC_INVALID, &RestDue, self);
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        player.Lost(pa_context_errno(context));
        break;
    default:
        break;
    }
}

void TPulseSoundBackend::StreamChanged(pa_stream* stream, void* self) {
    auto& player = *static_cast<TPulseSoundBackend*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        player.Ready = true;
        if (player.Pending) {
            player.Pending = false;
            player.Begin(std::move(player.PendingSamples), player.PendingLoops);
        }
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        player.Lost(pa_context_errno(pa_stream_get_context(stream)));
        break;
    default:
        break;
    }
}

// Said once each way: a game without a server says so at its first sound, not at every one.
void TPulseSoundBackend::Lost(int error) {
    if (Broken)
        return;
    Broken = true;
    if (Ready && !WarnedLost)
        qWarning("Zorva Slots lost the sound server (%s); each new sound looks for it again", pa_strerror(error));
    else if (!Ready && !WarnedAbsent)
        qWarning("Zorva Slots plays no sound: %s", pa_strerror(error));
    (Ready ? WarnedLost : WarnedAbsent) = true;
    Ready = false;
}

void TPulseSoundBackend::Start(const QString& path, bool looping) {
    QFile file(path);
    std::vector<int16_t> samples;
    if (file.open(QIODevice::ReadOnly))
        samples = Decoded(file.readAll());
    const TLocked hold(MainLoop);
    Play(std::move(samples), looping);
}

void TPulseSoundBackend::StartFromMemory(const QByteArray& wave) {
    std::vector<int16_t> samples = Decoded(wave);
    const TLocked hold(MainLoop);
    Play(std::move(samples), false);
}

void TPulseSoundBackend::Play(std::vector<int16_t> samples, bool looping) {
    if (Broken) {
        // The server may be back (restarted, or the player logged in again).
        Disconnect();
        Connect();
    }
    if (!Ready) {
        Pending = !samples.empty();
        PendingSamples = std::move(samples);
        PendingLoops = looping;
        return;
    }
    Begin(std::move(samples), looping);
}

// Drops whatever the stream still holds and writes the new sound in its place: the server's queue
// flushes to where it is reading, so the old sound is heard up to the moment the new one begins.
void TPulseSoundBackend::Begin(std::vector<int16_t> samples, bool looping) {
    ++Sounds;
    TimingSaysPlayed = false;
    Forget(pa_stream_flush(Stream, nullptr, nullptr));
    Looping = looping && !samples.empty();
    if (samples.empty())
        return;
    if (Looping) {
        LoopSamples = std::move(samples);
        LoopAt = 0;
        WriteLoop(SamplesIn(LoopAheadMilliseconds));
        RestLater(-1);
    } else {
        const size_t sound = samples.size();
        samples.resize(sound + SamplesIn(SilenceAfterMilliseconds), 0);
        pa_stream_write(Stream, samples.data(), samples.size() * 2, nullptr, 0, PA_SEEK_RELATIVE);
        RestLater(static_cast<int>(sound * 1000 / SampleRate) + RestAfterMilliseconds);
    }
    if (Corked)
        Forget(pa_stream_cork(Stream, 0, nullptr, nullptr));
    Corked = false;
}

void TPulseSoundBackend::WriteLoop(size_t samples) {
    std::vector<int16_t> out(samples);
    for (int16_t& sample : out) {
        sample = LoopSamples[LoopAt];
        LoopAt = (LoopAt + 1) % LoopSamples.size();
    }
    pa_stream_write(Stream, out.data(), out.size() * 2, nullptr, 0, PA_SEEK_RELATIVE);
}

// The server asks once its queue runs low; only a loop has more to give.
void TPulseSoundBackend::StreamWants(pa_stream*, size_t bytes, void* self) {
    auto& player = *static_cast<TPulseSoundBackend*>(self);
    if (player.Looping && player.Ready)
        player.WriteLoop(std::max(bytes / 2, SamplesIn(LoopTopUpMilliseconds)));
}

void TPulseSoundBackend::Stop() {
    const TLocked hold(MainLoop);
    ++Sounds;
    Pending = false;
    Looping = false;
    if (Ready) {
        Forget(pa_stream_flush(Stream, nullptr, nullptr));
        RestLater(RestAfterMilliseconds);
    }
}

// Negative: never (a loop plays until it is stopped).
void TPulseSoundBackend::RestLater(int milliseconds) {
    if (Rest == nullptr)
        return;
    const pa_usec_t when = milliseconds < 0 ? PA_USEC_INVALID
                                            : pa_rtclock_now() + static_cast<pa_usec_t>(milliseconds) * PA_USEC_PER_MSEC;
    pa_context_rttime_restart(Context, Rest, when);
}

void TPulseSoundBackend::RestDue(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    auto& player = *static_cast<TPulseSoundBackend*>(self);
    if (player.Ready && !player.Looping && !player.Corked) {
        Forget(pa_stream_cork(player.Stream, 1, nullptr, nullptr));
        player.Corked = true;
    }
    player.RestLater(-1);
}

void TPulseSoundBackend::Wait(int milliseconds) {
    const uint32_t deadline = TickCount() + static_cast<uint32_t>(milliseconds + LongestOverrunMilliseconds);
    uint64_t sound = 0;
    {
        const TLocked hold(MainLoop);
        sound = Sounds;
    }
    WaitAtLeastExcludingInput(milliseconds);
    // The server began the sound a little after the call and plays it through its own latency.
    while (static_cast<int32_t>(deadline - TickCount()) > 0) {
        {
            const TLocked hold(MainLoop);
            if (sound != Sounds || PlayedThrough())
                return;
        }
        WaitAtLeastExcludingInput(5);
    }
}

// Whether the last timing the server gave shows the sound played to its end: nothing left of it
// in the queue or on its way to the speaker, only the silence after it. Asks for fresh timing.
bool TPulseSoundBackend::PlayedThrough() {
    if (!Ready || Looping || TimingSaysPlayed)
        return true;
    if (!TimingAsked) {
        TimingAsked = true;
        TimingFor = Sounds;
        Forget(pa_stream_update_timing_info(Stream, &TimingUpdated, this));
    }
    return false;
}

void TPulseSoundBackend::TimingUpdated(pa_stream* stream, int success, void* self) {
    auto& player = *static_cast<TPulseSoundBackend*>(self);
    player.TimingAsked = false;
    const pa_timing_info* timing = success ? pa_stream_get_timing_info(stream) : nullptr;
    if (timing == nullptr || timing->write_index_corrupt || timing->read_index_corrupt || player.TimingFor != player.Sounds)
        return;
    const pa_sample_spec* format = pa_stream_get_sample_spec(stream);
    const int64_t onItsWay = static_cast<int64_t>(pa_usec_to_bytes(timing->sink_usec, format));
    const int64_t left = timing->write_index - timing->read_index + onItsWay;
    player.TimingSaysPlayed = left <= static_cast<int64_t>(SamplesIn(SilenceAfterMilliseconds) * 2);
}

} // namespace zorva
