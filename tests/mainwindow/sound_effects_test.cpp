#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

#include "mainwindow/sound_effects.h"
#include "support/fake_sound_backend.h"

namespace zorva {
namespace {

using testing::SilentWave;
using testing::TFakeSoundBackend;
using testing::WriteFile;
using Log = std::vector<std::string>;

// Each file gets a length of its own, so a wait names the sound it belongs to.
const std::map<SoundId, int> LengthOf{
    {SoundId::Click, 18},   {SoundId::Refusal, 340},     {SoundId::MysteryAward, 900},
    {SoundId::Globe, 200},  {SoundId::Dollar, 160},      {SoundId::Payoff, 500},
    {SoundId::Chaser, 700}, {SoundId::CountOffTick, 40}, {SoundId::Win, 950},
    {SoundId::Pool, 1500},  {SoundId::Loss, 900},
};

class SoundEffectsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        for (const auto& info : AllSounds)
            ASSERT_TRUE(WriteFile(Folder.path(), FileName(info.Id), SilentWave(LengthOf.at(info.Id))));
        ASSERT_TRUE(Effects.LoadClickSound());
    }

    static QString FileName(SoundId id) { return QString::fromLatin1(SoundInfo(id).FileName.data()); }

    Log PlayAlone(SoundId id) {
        TFakeSoundBackend backend;
        TSoundPlayer player(backend);
        TSoundEffects effects(player, Sound, Folder.path());
        effects.LoadClickSound();
        effects.Play(id);
        return backend.Log;
    }

    QTemporaryDir Folder;
    TFakeSoundBackend Backend;
    TSoundPlayer Player{Backend};
    bool Sound = true;
    TSoundEffects Effects{Player, Sound, Folder.path()};
};

// Guards against a sound played in the wrong mode: a fanfare the game does not wait for, a
// chaser that stops after one round, a tick that holds up the count-off.
TEST_F(SoundEffectsTest, EachSoundPlaysInItsOwnMode) {
    EXPECT_EQ(PlayAlone(SoundId::Click), (Log{"memory"}));
    EXPECT_EQ(PlayAlone(SoundId::Refusal), (Log{"start Zorva1.wav", "wait 340"}));
    EXPECT_EQ(PlayAlone(SoundId::MysteryAward), (Log{"start Zorva2.wav", "wait 900"}));
    EXPECT_EQ(PlayAlone(SoundId::Globe), (Log{"start Zorva4.wav", "wait 200"}));
    EXPECT_EQ(PlayAlone(SoundId::Dollar), (Log{"start Zorva5.wav", "wait 160"}));
    EXPECT_EQ(PlayAlone(SoundId::Payoff), (Log{"start Zorva6.wav", "wait 500"}));
    EXPECT_EQ(PlayAlone(SoundId::Chaser), (Log{"start Zorva7.wav looping"}));
    EXPECT_EQ(PlayAlone(SoundId::CountOffTick), (Log{"start Zorva8.wav"}));
    EXPECT_EQ(PlayAlone(SoundId::Win), (Log{"start Zorva9.wav", "wait 950"}));
    EXPECT_EQ(PlayAlone(SoundId::Pool), (Log{"start Zorva10.wav", "wait 1500"}));
    EXPECT_EQ(PlayAlone(SoundId::Loss), (Log{"start Zorva11.wav"}));
}

// Guards against sounds piling up: Stop during the chaser must cut the loop at once, and
// the mystery award that follows must cut the click.
TEST_F(SoundEffectsTest, StartingASoundEndsTheOnePlaying) {
    Effects.Play(SoundId::Chaser);
    Effects.Play(SoundId::Click);
    Effects.Play(SoundId::MysteryAward);
    EXPECT_EQ(Backend.Log,
              (Log{"start Zorva7.wav looping", "stop", "memory", "stop", "start Zorva2.wav", "wait 900"}));
}

// Guards against overlapping or skipped refill sounds: two globes sound one after the other.
TEST_F(SoundEffectsTest, TwoGlobesPlayOneAfterTheOther) {
    Effects.Play(SoundId::Globe);
    Effects.Play(SoundId::Globe);
    EXPECT_EQ(Backend.Log, (Log{"start Zorva4.wav", "wait 200", "stop", "start Zorva4.wav", "wait 200"}));
}

// Guards against a sound slipping through while the player has switched sound off, the
// click included, and against a switched-off game still waiting out silent fanfares.
TEST_F(SoundEffectsTest, WithSoundOffNothingPlays) {
    Sound = false;
    for (const auto& info : AllSounds)
        Effects.Play(info.Id);
    EXPECT_TRUE(Backend.Log.empty());
}

// Guards against the chaser looping on after the player has switched sound off, and against
// switching sound on leaving the device unready, so that the first click comes late.
TEST_F(SoundEffectsTest, SwitchingSoundOffSilencesASoundStillPlayingAndOnReadiesTheDevice) {
    Effects.Play(SoundId::Chaser);
    Sound = false;
    Effects.SoundSettingChanged();
    EXPECT_EQ(Backend.Log, (Log{"start Zorva7.wav looping", "stop"}));

    Sound = true;
    Effects.SoundSettingChanged();
    EXPECT_EQ(Backend.Log, (Log{"start Zorva7.wav looping", "stop", "prepare"}))
        << "switching sound on readies the device and starts nothing";
}

// Guards against a missing file hanging or crashing the game, or changing its pace: the
// alert stands in, and a sound the game waits for still takes time.
TEST_F(SoundEffectsTest, AMissingFileGivesTheAlertAndKeepsTheRhythm) {
    ASSERT_TRUE(QFile::remove(Folder.filePath("Zorva9.wav")));
    ASSERT_TRUE(QFile::remove(Folder.filePath("Zorva11.wav")));
    Effects.Play(SoundId::Win);
    Effects.Play(SoundId::Loss);
    EXPECT_EQ(Backend.Log,
              (Log{"alert", "wait " + std::to_string(TSoundPlayer::AlertMilliseconds), "alert"}));
}

// Guards against the click being read from disk at every wheel stop instead of once.
TEST_F(SoundEffectsTest, TheClickIsReadOnceAtStartUp) {
    const QByteArray original = Effects.ClickSound;
    ASSERT_TRUE(WriteFile(Folder.path(), "Zorva0.wav", SilentWave(5)));
    Effects.Play(SoundId::Click);
    EXPECT_EQ(Backend.LastMemoryWave, original);
    EXPECT_EQ(Backend.LastMemoryWave, SilentWave(LengthOf.at(SoundId::Click)));
}

// Guards against a missing click leaving the chaser looping forever after Stop, or
// sounding an alert at every wheel that stops.
TEST_F(SoundEffectsTest, WithoutTheClickFileTheClickIsSilentButStillEndsTheChaser) {
    ASSERT_TRUE(QFile::remove(Folder.filePath("Zorva0.wav")));
    TFakeSoundBackend backend;
    TSoundPlayer player(backend);
    TSoundEffects effects(player, Sound, Folder.path());
    EXPECT_FALSE(effects.LoadClickSound());

    effects.Play(SoundId::Chaser);
    effects.Play(SoundId::Click);
    effects.Play(SoundId::Click);
    EXPECT_EQ(backend.Log, (Log{"start Zorva7.wav looping", "stop"}));
}

} // namespace
} // namespace zorva
