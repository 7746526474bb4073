#include "mainwindow/sound_effects.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace zorva {

namespace {

QString FileNameOf(SoundId id) {
    const std::string_view name = SoundInfo(id).FileName;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

TPlayMode PlayModeOf(SoundMode mode) {
    switch (mode) {
    case SoundMode::Synchronous:
        return TPlayMode::Synchronous;
    case SoundMode::Looping:
        return TPlayMode::Looping;
    case SoundMode::Asynchronous:
    case SoundMode::FromMemory:
        break;
    }
    return TPlayMode::Asynchronous;
}

} // namespace

TSoundEffects::TSoundEffects(TSoundPlayer& player, const bool& sound, QString programFolder)
    : Player(player), Sound(sound), ProgramFolder(std::move(programFolder)) {}

bool TSoundEffects::LoadClickSound() {
    QFile file(QDir(ProgramFolder).filePath(FileNameOf(SoundId::Click)));
    if (!file.open(QIODevice::ReadOnly)) {
        ClickSound.clear();
        return false;
    }
    ClickSound = file.readAll();
    return WaveLengthMilliseconds(ClickSound).has_value();
}

void TSoundEffects::Play(SoundId id) {
    if (!Sound)
        return;
    const SoundMode mode = SoundInfo(id).Mode;
    if (mode == SoundMode::FromMemory) {
        if (WaveLengthMilliseconds(ClickSound))
            Player.PlayFromMemory(ClickSound);
        else
            Player.Stop();
        return;
    }
    Player.PlayFile(QDir(ProgramFolder).filePath(FileNameOf(id)), PlayModeOf(mode));
}

void TSoundEffects::SoundSettingChanged() {
    if (Sound)
        Player.Prepare();
    else
        Player.Stop();
}

} // namespace zorva
