#pragma once
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace zorva::testing {

// PulseAudio itself, or PipeWire with its PulseAudio server (Debian 12's default); the game
// speaks to either through libpulse.
enum class TSoundServerKind { PulseAudio, PipeWire };

// A private sound server with one null sink, started for a test and ended with it, and a
// recording of that sink's monitor: what a player would have heard, as mono 16-bit samples.
class TPrivateSoundServer {
  public:
    static constexpr int SampleRate = 44100;

    explicit TPrivateSoundServer(TSoundServerKind kind = TSoundServerKind::PulseAudio);
    ~TPrivateSoundServer();

    TSoundServerKind Kind() const { return ServerKind; }
    // Empty when the server runs; else why it does not.
    QString Failure() const { return Why; }
    // The environment that sends a program's sound to this server.
    QProcessEnvironment Environment() const;
    // Sends this process's own sound there; call before anything has opened the sound device.
    void UseInThisProcess() const;

    // Returns once the recorder hears the sink.
    bool StartRecording();
    std::vector<int16_t> StopRecording();

  private:
    void StartPulseAudio();
    void StartPipeWire();
    QProcess& Launch(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);
    bool Answers();
    bool Pactl(const QStringList& arguments);

    QTemporaryDir Folder;
    // In the order started; ended in reverse.
    std::vector<std::unique_ptr<QProcess>> Servers;
    QProcess Recorder;
    TSoundServerKind ServerKind;
    int RecorderLatency; // milliseconds
    QString Why;
};

// A sound must follow this many milliseconds of silence to count as a new one.
inline constexpr int QuietBeforeOnset = 30;

// Where sounds begin in a recording, as sample offsets, to the nearest 5 ms.
std::vector<size_t> Onsets(const std::vector<int16_t>& recording);

// Whether the recording from the onset on holds the whole sound: loud where it is loud, silent
// where it is silent, to its end. The server may leave the first milliseconds of a new stream
// out of the monitor's recording, so the waveform itself is not compared.
bool HeardWhole(const std::vector<int16_t>& recording, size_t onset, const std::vector<int16_t>& sound);

// Where the recording holds the whole sound sample for sample, as offsets of its start: the
// sink mixes nothing else in and takes back nothing it has played, so its monitor hears exactly
// what was played.
// With silentCycles, the sound is also followed across PipeWire's own losses, which befall
// paplay's streams as much: when a cycle of its graph runs late, whole cycles (1024 samples) come
// out as exact silence, and the stream goes on after them on time or whole cycles late. A player's
// fault never looks so. Such cycles are added to the count.
std::vector<size_t> FindSound(const std::vector<int16_t>& recording, const std::vector<int16_t>& sound,
                              int* silentCycles = nullptr);
// The same, as where each sound begins and ends in the recording.
std::vector<std::pair<size_t, size_t>> FindSoundSpans(const std::vector<int16_t>& recording,
                                                      const std::vector<int16_t>& sound, int* silentCycles = nullptr);


// The loudest sample of the recording between two offsets.
int Peak(const std::vector<int16_t>& recording, size_t from, size_t to);

// A wave file's samples as the sink plays them.
std::vector<int16_t> WaveFileSamples(const QString& path);

} // namespace zorva::testing
