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
    Pump.setTimerType(Qt::PreciseTimer);
    Pump.setInterval(BufferMilliseconds / 4);
    QObject::connect(&Pump, &QTimer::timeout, [this] { Feed(); });
    Closing.setSingleShot(true);
    QObject::connect(&Closing, &QTimer::timeout, [this] { Stop(); });
}

TSoundStreamBackend::~TSoundStreamBackend() {
    Stop();
}

// The sound server was reached when the stream was made.
void TSoundStreamBackend::Prepare() {}

void TSoundStreamBackend::Start(const QString& path, bool looping) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Begin(file.readAll(), looping);
}

void TSoundStreamBackend::StartFromMemory(const QByteArray& wave) {
    Begin(wave, false);
}

void TSoundStreamBackend::Begin(const QByteArray& wave, bool looping) {
    Stop();
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    if (Device->isNull() || !layout)
        return;
    Samples = MonoSamples(wave, *layout, SampleRate);
    Looping = looping && !Samples.empty();
    // The server starts playing a stream once it holds a buffer's worth: silence after a short
    // sound makes up the rest, or a click would wait for the next sound and be cut by it.
    if (!Looping)
        Samples.resize(std::max<size_t>(Samples.size(), SampleRate / 1000 * BufferMilliseconds), 0);
    Written = 0;
    Open();
    Output = Sink->start();
    Pump.start();
    Feed();
    if (!Looping)
        Closing.start(static_cast<int>(Samples.size() * 1000 / SampleRate) + CloseAfterMilliseconds);
}

void TSoundStreamBackend::Open() {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(SampleRate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    Sink = std::make_unique<QAudioSink>(*Device, format);
    Sink->setBufferSize(BufferMilliseconds * BytesPerMillisecond);
}

void TSoundStreamBackend::Feed() {
    if (Output == nullptr)
        return;
    for (;;) {
        if (Written == Samples.size() && Looping)
            Written = 0;
        const qint64 room = std::min<qint64>(Sink->bytesFree(), (Samples.size() - Written) * 2) & ~qint64{1};
        if (room <= 0)
            break;
        const qint64 sent = Output->write(reinterpret_cast<const char*>(Samples.data() + Written), room);
        if (sent <= 0)
            break;
        Written += static_cast<size_t>(sent / 2);
    }
    if (!Looping && Written == Samples.size())
        Pump.stop();
}

// The sink goes with its stream: a stopped sink of Qt 6.4 may keep its own timer running.
void TSoundStreamBackend::Stop() {
    Pump.stop();
    Closing.stop();
    if (Sink)
        Sink->stop();
    Sink.reset();
    Output = nullptr;
}

} // namespace zorva
