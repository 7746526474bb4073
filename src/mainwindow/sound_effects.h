#pragma once
#include <QByteArray>
#include <QString>

#include "engine/sounds.h"
#include "platform/sound_player.h"

namespace zorva {

// The game's sound effects: each sound plays in its own mode, and only while the player
// has sound switched on.
class TSoundEffects {
  public:
    // sound is the session's Sound setting, read at every play.
    TSoundEffects(TSoundPlayer& player, const bool& sound, QString programFolder);

    // Reads "Zorva0.wav" into ClickSound, once at start-up. Without it (false) the click is
    // silent but still ends the sound before it, so Stop still silences the chaser.
    bool LoadClickSound();

    void Play(SoundId id);

    // To be called after the Sound setting changes: switching it on readies the sound device,
    // switching it off also silences a sound still playing, such as the chaser's endless loop.
    void SoundSettingChanged();

    // The whole of "Zorva0.wav", kept for the whole run.
    QByteArray ClickSound;

  private:
    TSoundPlayer& Player;
    const bool& Sound;
    QString ProgramFolder;
};

} // namespace zorva
