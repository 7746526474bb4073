// The real player, loaded from its module, playing the game's baked sounds to a real sound server
// whose output is recorded: what is checked is what a player would hear.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <memory>
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/sound_module.h"
#include "platform/sound_player.h"
#include "support/sound_server.h"

namespace zorva {
namespace {

using testing::HeardWhole;
using testing::Onsets;
using testing::Peak;
using testing::TPrivateSoundServer;
using testing::WaveFileSamples;

constexpr size_t PerMillisecond = TPrivateSoundServer::SampleRate / 1000;

QString SoundFile(const char* name) {
    return QDir(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER)).filePath(QString::fromLatin1(name));
}

class SoundServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Server.Failure().isEmpty()) << Server.Failure().toStdString();
        Server.UseInThisProcess();
        Click = WaveFileSamples(SoundFile("Zorva0.wav"));
        ASSERT_FALSE(Click.empty());
        QFile click(SoundFile("Zorva0.wav"));
        ASSERT_TRUE(click.open(QIODevice::ReadOnly));
        ClickWave = click.readAll();
        Backend.Prepare();
        ASSERT_TRUE(Backend.Loaded());
        ASSERT_TRUE(Server.StartRecording());
    }

    static void Pause(int milliseconds) { WaitUntil(TickCount() + static_cast<uint32_t>(milliseconds)); }

    TPrivateSoundServer Server;
    TSoundModuleBackend Backend{QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER)};
    TSoundPlayer Player{Backend};
    std::vector<int16_t> Click;
    QByteArray ClickWave;
};

// Guards against short sounds being lost, the fault of a player per file on PulseAudio: every
// wheel's click must be heard, each once, at the time it was played.
TEST_F(SoundServerTest, SixClicksInARowAreHeardAsSixSounds) {
    for (int i = 0; i < 6; ++i) {
        Player.PlayFromMemory(ClickWave);
        Pause(150);
    }
    Pause(200);
    const std::vector<int16_t> heard = Server.StopRecording();
    EXPECT_EQ(Onsets(heard).size(), 6u) << "sounds heard in " << heard.size() / PerMillisecond << " ms";
}

// Guards against the chaser's loop going on under the click that should end it, or stopping
// on its own after one round.
TEST_F(SoundServerTest, ALoopingSoundStopsWhenTheNextStarts) {
    const std::vector<int16_t> chaser = WaveFileSamples(SoundFile("Zorva7.wav"));
    ASSERT_FALSE(chaser.empty());
    QElapsedTimer clock;
    clock.start();
    Player.PlayFile(SoundFile("Zorva7.wav"), TPlayMode::Looping);
    Pause(static_cast<int>(chaser.size() / PerMillisecond * 3));
    const auto looped = static_cast<size_t>(clock.elapsed());
    Player.PlayFromMemory(ClickWave);
    Pause(500);
    const std::vector<int16_t> heard = Server.StopRecording();

    const std::vector<size_t> onsets = Onsets(heard);
    ASSERT_FALSE(onsets.empty());
    const size_t start = onsets[0];
    EXPECT_GE(Peak(heard, start + (looped - 200) * PerMillisecond, start + looped * PerMillisecond), 1000)
        << "the loop still sounds in its third round";
    const size_t silentFrom = start + (looped + Click.size() / PerMillisecond + 60) * PerMillisecond;
    ASSERT_LT(silentFrom, heard.size());
    EXPECT_LT(Peak(heard, silentFrom, heard.size()), 100) << "nothing sounds after the click";
}

// Guards against a synchronous sound returning before it has been heard to its end, so that
// the game's next sound cuts it short, and against one that does not hold the game up at all.
TEST_F(SoundServerTest, ASynchronousSoundIsHeardWholeBeforeTheCallReturns) {
    const std::vector<int16_t> win = WaveFileSamples(SoundFile("Zorva9.wav"));
    ASSERT_FALSE(win.empty());
    QElapsedTimer held;
    held.start();
    Player.PlayFile(SoundFile("Zorva9.wav"), TPlayMode::Synchronous);
    EXPECT_GE(held.elapsed(), static_cast<qint64>(win.size() * 1000 / TPrivateSoundServer::SampleRate));
    Player.PlayFromMemory(ClickWave);
    Pause(300);
    const std::vector<int16_t> heard = Server.StopRecording();

    const std::vector<size_t> onsets = Onsets(heard);
    ASSERT_FALSE(onsets.empty());
    EXPECT_TRUE(HeardWhole(heard, onsets[0], win)) << "the win sound is heard to its end";
}

// Guards against the game going silent for good when the sound server restarts under it (an
// update, a crash, a new login): the next sound reaches the server that answers now.
TEST(SoundServerRestart, TheNextSoundReachesTheServerThatAnswersNow) {
    const QString folder = QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER);
    QFile click(SoundFile("Zorva0.wav"));
    ASSERT_TRUE(click.open(QIODevice::ReadOnly));
    const QByteArray clickWave = click.readAll();
    auto first = std::make_unique<TPrivateSoundServer>();
    ASSERT_TRUE(first->Failure().isEmpty()) << first->Failure().toStdString();
    first->UseInThisProcess();
    TSoundModuleBackend backend(folder);
    TSoundPlayer player(backend);
    backend.Prepare();
    player.PlayFromMemory(clickWave);
    WaitUntil(TickCount() + 300);
    first.reset();
    WaitUntil(TickCount() + 200);

    TPrivateSoundServer second;
    ASSERT_TRUE(second.Failure().isEmpty()) << second.Failure().toStdString();
    second.UseInThisProcess();
    ASSERT_TRUE(second.StartRecording());
    for (int i = 0; i < 3; ++i) {
        player.PlayFromMemory(clickWave);
        WaitUntil(TickCount() + 300);
    }
    EXPECT_EQ(Onsets(second.StopRecording()).size(), 3u) << "clicks heard after the restart";
}

} // namespace
} // namespace zorva
