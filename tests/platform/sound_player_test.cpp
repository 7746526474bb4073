#include <QCoreApplication>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

#include "platform/sound_module.h"
#include "platform/sound_player.h"
#include "platform/wave_samples.h"
#include "support/fake_sound_backend.h"

namespace zorva {
namespace {

using testing::SilentWave;
using testing::WriteFile;

QByteArray WithChunkBeforeData(const QByteArray& wave, const QByteArray& chunkId, const QByteArray& body) {
    QByteArray chunk = chunkId;
    const auto size = static_cast<uint32_t>(body.size());
    for (int i = 0; i < 4; ++i)
        chunk.append(static_cast<char>((size >> (8 * i)) & 0xFF));
    chunk.append(body);
    if (body.size() % 2 == 1)
        chunk.append('\0');
    QByteArray result = wave;
    result.insert(result.indexOf("data"), chunk);
    return result;
}

// Guards against a wrong length from the header, which would make synchronous sounds end
// early or drag, or a file the device cannot play being taken as playable.
TEST(WaveLength, IsReadFromTheHeader) {
    EXPECT_EQ(WaveLengthMilliseconds(SilentWave(250)), 250);
    EXPECT_EQ(WaveLengthMilliseconds(WithChunkBeforeData(SilentWave(250), "LIST", "odd")), 250)
        << "other chunks, padded to an even size, come before the samples";

    QByteArray oneSample = SilentWave(0);
    oneSample.append(QByteArray(2, '\0'));
    oneSample[40] = 2;
    EXPECT_EQ(WaveLengthMilliseconds(oneSample), 1) << "a part of a millisecond counts as a whole one";

    QByteArray cutShort = SilentWave(250);
    cutShort.chop(2000);
    EXPECT_EQ(WaveLengthMilliseconds(cutShort), 125) << "a file cut short plays only what it holds";

    QByteArray floatingPoint = SilentWave(250);
    floatingPoint[20] = 3;
    EXPECT_EQ(WaveLengthMilliseconds(floatingPoint), std::nullopt);
    EXPECT_EQ(WaveLengthMilliseconds("RIFF....AVI LIST"), std::nullopt);
    EXPECT_EQ(WaveLengthMilliseconds(QByteArray()), std::nullopt);
}

// A wave of the given layout whose samples are the bytes given.
QByteArray WaveOf(uint16_t channels, uint32_t rate, uint16_t bits, const QByteArray& samples) {
    QByteArray wave = SilentWave(0);
    const auto put = [&wave](int at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            wave[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const uint16_t block = static_cast<uint16_t>(channels * bits / 8);
    put(22, channels, 2);
    put(24, rate, 4);
    put(28, rate * block, 4);
    put(32, block, 2);
    put(34, bits, 2);
    put(40, static_cast<uint32_t>(samples.size()), 4);
    return wave + samples;
}

std::vector<int16_t> Decoded(const QByteArray& wave, uint32_t rate) {
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    return layout ? MonoSamples(wave, *layout, rate) : std::vector<int16_t>{999};
}

// Guards against a wave other than the baked ones being played as noise, at the wrong pitch or
// length: 8-bit samples are unsigned, channels are mixed, the rate is converted.
TEST(WaveSamples, AreOneSixteenBitChannelAtTheStreamsRate) {
    EXPECT_EQ(Decoded(WaveOf(1, 100, 8, QByteArray("\x80\xff\x00", 3)), 100), (std::vector<int16_t>{0, 32512, -32768}));
    EXPECT_EQ(Decoded(WaveOf(2, 100, 16, QByteArray("\x10\x00\x30\x00\xf0\xff\xf0\xff", 8)), 100),
              (std::vector<int16_t>{32, -16}))
        << "left and right are averaged";
    EXPECT_EQ(Decoded(WaveOf(1, 100, 24, QByteArray("\x99\x00\x40", 3)), 100), (std::vector<int16_t>{16384}))
        << "a wider sample keeps its high bytes";
    EXPECT_EQ(Decoded(WaveOf(1, 100, 16, QByteArray("\x00\x00\x64\x00", 4)), 200),
              (std::vector<int16_t>{0, 50, 100, 100}))
        << "twice the rate: twice the samples, the new ones in between";
    EXPECT_EQ(Decoded(WaveOf(1, 100, 16, QByteArray(2000, '\x01')), 44100).size(), 441000u);
}

bool SoundLibraryLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse.so");
}

// Guards against the real device player, loaded from its module beside the program, blocking
// forever or crashing where there is no sound device, or a missing file: every kind of play
// returns, and a synchronous one keeps the event loop turning while it waits.
TEST(SoundModule, PlaysThroughTheDeviceWithoutHangingWhateverTheDeviceOrFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(WriteFile(folder.path(), "short.wav", SilentWave(60)));
    TSoundModuleBackend backend(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER));
    TSoundPlayer player(backend);

    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    player.PlayFile(folder.filePath("short.wav"), TPlayMode::Synchronous);
    EXPECT_TRUE(timerRan) << "a synchronous sound must keep the window alive while it plays";
    EXPECT_TRUE(backend.Loaded()) << "the first sound loads the module at the latest";
    EXPECT_TRUE(SoundLibraryLoaded());

    player.PlayFile(folder.filePath("short.wav"), TPlayMode::Looping);
    player.PlayFile(folder.filePath("absent.wav"), TPlayMode::Synchronous);
    player.PlayFromMemory(SilentWave(30));
    player.PlayFromMemory(SilentWave(40));
    player.PlayFile(folder.filePath("short.wav"), TPlayMode::Asynchronous);
    player.Stop();
}

// Guards against the module loading before the window's first frame is out, which puts the sound
// server's client back into start-up, or never loading at all; and against it loading while Sound
// is off.
TEST(SoundModule, LoadsOnceTheWindowHasPaintedItsFirstFrameAndOnlyWithSoundOn) {
    QWidget window;
    window.resize(40, 30);
    QPaintEvent paint(window.rect());
    bool sound = false;
    TSoundModuleBackend backend(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER));
    backend.LoadAfterFirstPaint(window, sound);
    QCoreApplication::sendEvent(&window, &paint);
    QCoreApplication::processEvents();
    EXPECT_FALSE(backend.Loaded()) << "Sound is off";
    EXPECT_FALSE(SoundLibraryLoaded());
    backend.Prepare();
    EXPECT_TRUE(backend.Loaded()) << "switching Sound on loads it";

    sound = true;
    TSoundModuleBackend soundOn(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER));
    soundOn.LoadAfterFirstPaint(window, sound);
    EXPECT_FALSE(soundOn.Loaded()) << "not painted yet";
    QCoreApplication::sendEvent(&window, &paint);
    EXPECT_FALSE(soundOn.Loaded()) << "the painted frame goes out before the module loads";
    QCoreApplication::processEvents();
    EXPECT_TRUE(soundOn.Loaded());
}

// Guards against a crash, a hang or a warning for every sound when the module is missing:
// the game goes on silent, says why once, and synchronous sounds still hold the game up.
TEST(SoundModule, WithoutTheModuleTheGameGoesOnSilentAndSaysWhyOnce) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(WriteFile(folder.path(), "short.wav", SilentWave(60)));
    static std::vector<QString> warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                warnings.push_back(text);
        });
    TSoundModuleBackend backend(folder.path());
    TSoundPlayer player(backend);

    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    player.PlayFile(folder.filePath("short.wav"), TPlayMode::Synchronous);
    player.PlayFromMemory(SilentWave(30));
    player.PlayFile(folder.filePath("short.wav"), TPlayMode::Looping);
    player.Stop();
    qInstallMessageHandler(previous);

    EXPECT_TRUE(timerRan) << "a synchronous sound waits its length in the event loop, module or not";
    EXPECT_FALSE(backend.Loaded());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Zorva Slots plays no sound: ")))
        << warnings[0].toStdString();
}

} // namespace
} // namespace zorva
