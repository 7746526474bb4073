#include "platform/sound_stream.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <algorithm>

#include "platform/wave_samples.h"

namespace zorva {

namespace {

constexpr qsizetype BytesPerMillisecond = TSoundStreamBackend::SampleRate * 2 / 1000;

} // namespace

TSoundStreamBackend::TSoundStreamBackend() {
    // Without a sound server Qt Multimedia says so in words of its own; the game says it once, in
    // its own, so its other warnings are held back while it looks.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Device = std::make_unique<QAudioDevice>(QMediaDevices::defaultAudioOutput());
    qInstallMessageHandler(previous);
    if (Device->isNull())
        qWarning("Zorva Slots plays no sound: no sound output was found");
    Pump.setInterval(LoopAheadMilliseconds / 4);
    QObject::connect(&Pump, &QTimer::timeout, [this] { Feed(); });
    for (TSlot& slot : Slots) {
        slot.Closing.setSingleShot(true);
        QObject::connect(&slot.Closing, &QTimer::timeout, [this, &slot] {
            if (Current >= 0 && &slot == &Slots[Current])
                Stop();
            else
                slot.Sink->stop();
        });
    }
}

TSoundStreamBackend::~TSoundStreamBackend() {
    Stop();
    for (TSlot& slot : Slots) {
        slot.Closing.stop();
        if (slot.Sink)
            slot.Sink->stop();
    }
}

// The sound server was reached when the stream was made.
void TSoundStreamBackend::Prepare() {}

void TSoundStreamBackend::Start(const QString& path, bool looping) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Begin(file.readAll(), looping);
    else
        Stop(); // the stop before this start was left to it
}

void TSoundStreamBackend::StartFromMemory(const QByteArray& wave) {
    Begin(wave, false);
}

void TSoundStreamBackend::Begin(const QByteArray& wave, bool looping) {
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    if (Device->isNull() || !layout) {
        Stop();
        return;
    }
    std::vector<int16_t> samples = MonoSamples(wave, *layout, SampleRate);
    const bool loop = looping && !samples.empty();
    const size_t soundLength = samples.size();
    // Silence follows the sound until its stream closes, and a buffer's worth more: the stream never
    // runs dry, and the server, which starts a stream once a buffer's worth is queued, starts a
    // click at once.
    if (!loop)
        samples.resize(samples.size() + SampleRate / 1000 * (CloseAfterMilliseconds + BufferMilliseconds), 0);
    // The new stream opens while the old one still plays (PipeWire takes tens of milliseconds to
    // open one). A sound the server has read to its end is left to play out what it has on its
    // way to the speaker, silence after it, and close on its own; one still playing is cut.
    const int next = (Last + 1) % std::ssize(Slots);
    TSlot& slot = Slots[next];
    if (!slot.Sink)
        slot.Sink = Open();
    slot.Closing.stop();
    // The sink keeps the size the server granted its last stream, which may be less than asked.
    slot.Sink->setBufferSize(BufferMilliseconds * BytesPerMillisecond);
    QIODevice* output = slot.Sink->start();
    if (!ReadThrough())
        Stop();
    Pump.stop();
    Current = -1;
    Output = nullptr;
    if (output == nullptr)
        return;
    Last = Current = next;
    Output = output;
    Samples = std::move(samples);
    Sound = loop ? 0 : soundLength;
    Looping = loop;
    Written = 0;
    Fed = 0;
    Begun.start();
    Feed();
    if (Looping)
        Pump.start();
    else
        slot.Closing.start(static_cast<int>(Sound * 1000 / SampleRate) + CloseAfterMilliseconds);
}

// Whether the server has taken the sound's last sample from the stream (on PulseAudio, played it).
bool TSoundStreamBackend::ReadThrough() const {
    return Current < 0 || (!Looping && Slots[Current].Sink->processedUSecs() >= static_cast<qint64>(Sound) * 1000000 / SampleRate);
}

std::unique_ptr<QAudioSink> TSoundStreamBackend::Open() const {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(SampleRate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return std::make_unique<QAudioSink>(*Device, format);
}

// The server queues whatever it is sent, beyond the buffer it asks to have filled, so a sound
// goes out whole at once and a loop a second ahead: a player thread held up by a busy machine
// must never let a stream run dry, as Qt 6.4 then drains it and the rest of the sound is lost.
void TSoundStreamBackend::Feed() {
    if (Output == nullptr)
        return;
    const size_t wanted = Looping ? static_cast<size_t>(Begun.elapsed() + LoopAheadMilliseconds) * SampleRate / 1000
                                  : Samples.size();
    while (Fed < wanted) {
        const size_t chunk = std::min(Samples.size() - Written, wanted - Fed);
        const qint64 sent = Output->write(reinterpret_cast<const char*>(Samples.data() + Written),
                                          static_cast<qint64>(chunk * 2)) & ~qint64{1};
        if (sent <= 0)
            break;
        Written += static_cast<size_t>(sent / 2);
        Fed += static_cast<size_t>(sent / 2);
        if (Written == Samples.size() && Looping)
            Written = 0;
    }
}

void TSoundStreamBackend::Stop() {
    Pump.stop();
    Output = nullptr;
    if (Current >= 0) {
        Slots[Current].Closing.stop();
        Slots[Current].Sink->stop();
    }
    Current = -1;
}

} // namespace zorva
