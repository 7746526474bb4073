#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace zorva {

// How long a plain PCM wave plays, in whole milliseconds rounded up; nullopt when the bytes
// are not a wave the player can play.
std::optional<int> WaveLengthMilliseconds(const QByteArray& wave);
std::optional<int> WaveFileLengthMilliseconds(const QString& path);

// The machinery under the player: the real one drives the sound device, tests record.
class TSoundBackend {
  public:
    virtual ~TSoundBackend() = default;
    // Sound has just been switched on: get ready so the first sound is not late.
    virtual void Prepare() = 0;
    virtual void Start(const QString& path, bool looping) = 0;
    virtual void StartFromMemory(const QByteArray& wave) = 0;
    virtual void Stop() = 0;
    // The system's own alert, standing in for a sound that cannot be played.
    virtual void Alert();
    // Lets at least the given time pass while the window stays alive but takes no user input.
    virtual void Wait(int milliseconds);
};

enum class TPlayMode { Synchronous, Asynchronous, Looping };

// Plays one sound at a time. A synchronous play lasts the wave's own length, measured from
// its header rather than asked of the device, so the game keeps the same rhythm whether or
// not it has speakers; a sound that cannot be played gives the alert and, when synchronous,
// still takes AlertMilliseconds.
class TSoundPlayer {
  public:
    static constexpr int AlertMilliseconds = 300;

    explicit TSoundPlayer(TSoundBackend& backend) : Backend(backend) {}

    // Starting any sound first ends the one still playing.
    void PlayFile(const QString& path, TPlayMode mode);
    void PlayFromMemory(const QByteArray& wave);
    void Stop();
    void Prepare() { Backend.Prepare(); }

  private:
    TSoundBackend& Backend;
    bool Started = false;
};

} // namespace zorva
