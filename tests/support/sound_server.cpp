#include "support/sound_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>

#include "platform/wave_samples.h"

namespace zorva::testing {

namespace {

QString SocketOf(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("pulse/native"));
}

} // namespace

// The server runs as whoever runs the tests, root included, with its state in a private folder.
TPrivateSoundServer::TPrivateSoundServer(TSoundServerKind kind)
    : ServerKind(kind), RecorderLatency(kind == TSoundServerKind::PipeWire ? 100 : 10) {
    if (!Folder.isValid()) {
        Why = QStringLiteral("no temporary folder");
        return;
    }
    QFile::setPermissions(Folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (kind == TSoundServerKind::PulseAudio)
        StartPulseAudio();
    else
        StartPipeWire();
}

// Its sink takes back nothing it has mixed, as PipeWire does not: the monitor then records every
// sample played, where a rewinding sink leaves the first milliseconds of a new stream out of it.
void TPrivateSoundServer::StartPulseAudio() {
    QProcessEnvironment environment = Environment();
    environment.insert(QStringLiteral("HOME"), Folder.path());
    QProcess& server = Launch(QStringLiteral("pulseaudio"),
                              {"-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--disable-shm=yes",
                               "-L", "module-null-sink norewinds=1", "-L", "module-native-protocol-unix auth-anonymous=1"},
                              environment);
    if (Why.isEmpty() && !Answers())
        Why = QStringLiteral("pulseaudio does not answer: ") + QString::fromLocal8Bit(server.readAll());
}

// PipeWire as a desktop session runs it: the daemon, its session manager and its PulseAudio server,
// on a bus of their own. Its graph runs at the game's rate and the sink is mono 16-bit, so nothing
// is resampled or mixed down between the player and the recording.
void TPrivateSoundServer::StartPipeWire() {
    const QString config = Folder.filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/pipewire/pipewire.conf.d"));
    QFile rate(config + QStringLiteral("/pipewire/pipewire.conf.d/rate.conf"));
    if (!rate.open(QIODevice::WriteOnly) ||
        rate.write("context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] }\n") < 0) {
        Why = QStringLiteral("no PipeWire configuration");
        return;
    }
    rate.close();
    QProcessEnvironment environment = Environment();
    environment.insert(QStringLiteral("HOME"), Folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + Folder.filePath("bus"));
    environment.remove(QStringLiteral("PULSE_SERVER")); // pipewire-pulse makes its socket where this would point
    Launch(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--address=unix:path=" + Folder.filePath("bus")},
           environment);
    for (QDeadlineTimer deadline(5000); !QFile::exists(Folder.filePath("bus")) && !deadline.hasExpired();)
        QThread::msleep(10);
    for (const char* program : {"pipewire", "wireplumber", "pipewire-pulse"})
        Launch(QString::fromLatin1(program), {}, environment);
    if (!Why.isEmpty())
        return;
    if (!Answers()) {
        Why = QStringLiteral("pipewire-pulse does not answer");
        return;
    }
    // pipewire-pulse answers before the session manager has the graph ready, and a sink asked
    // for then is refused: ask again for a few seconds.
    const auto within = [](int milliseconds, const auto& done) {
        for (QDeadlineTimer deadline(milliseconds); !done();) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(100);
        }
        return true;
    };
    if (!within(5000, [this] {
            return Pactl({"load-module", "module-null-sink", "sink_name=null", "format=s16le", "rate=44100",
                          "channels=1", "channel_map=mono"});
        }) ||
        !within(5000, [this] { return Pactl({"set-default-sink", "null"}); }))
        Why = QStringLiteral("PipeWire makes no null sink");
}

QProcess& TPrivateSoundServer::Launch(const QString& program, const QStringList& arguments,
                                      const QProcessEnvironment& environment) {
    QProcess& process = *Servers.emplace_back(std::make_unique<QProcess>());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A test that crashes takes its servers with it.
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, arguments);
    if (!process.waitForStarted(5000) && Why.isEmpty())
        Why = program + QStringLiteral(" does not start: ") + process.errorString();
    return process;
}

bool TPrivateSoundServer::Pactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.setProcessEnvironment(Environment());
    pactl.start(QStringLiteral("pactl"), arguments);
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

bool TPrivateSoundServer::Answers() {
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired();) {
        if (Pactl({"info"}))
            return true;
        if (Servers.back()->waitForFinished(100))
            return false;
    }
    return false;
}

TPrivateSoundServer::~TPrivateSoundServer() {
    Recorder.kill();
    Recorder.waitForFinished(2000);
    for (auto server = Servers.rbegin(); server != Servers.rend(); ++server) {
        (*server)->terminate();
        if (!(*server)->waitForFinished(3000))
            (*server)->kill();
        (*server)->waitForFinished(2000);
    }
}

QProcessEnvironment TPrivateSoundServer::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Folder.path());
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + SocketOf(Folder));
    return environment;
}

void TPrivateSoundServer::UseInThisProcess() const {
    qputenv("XDG_RUNTIME_DIR", Folder.path().toLocal8Bit());
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + SocketOf(Folder)).toLocal8Bit());
}

// PipeWire runs its whole graph at the smallest latency a stream asks for; a recorder that asked
// for 10 ms would have the player's streams served every 6 ms, more than a busy machine keeps up with.
bool TPrivateSoundServer::StartRecording() {
    Recorder.setProcessEnvironment(Environment());
    Recorder.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    Recorder.start(QStringLiteral("parec"), {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                                            "--rate=" + QString::number(SampleRate), "--latency-msec=" + QString::number(RecorderLatency)});
    return Recorder.waitForStarted(5000) && Recorder.waitForReadyRead(5000);
}

std::vector<int16_t> TPrivateSoundServer::StopRecording() {
    Recorder.terminate();
    Recorder.waitForFinished(5000);
    const QByteArray bytes = Recorder.readAllStandardOutput();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size() / 2));
    std::copy_n(bytes.constData(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

int Peak(const std::vector<int16_t>& recording, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = from; i < std::min(to, recording.size()); ++i)
        peak = std::max(peak, std::abs(int{recording[i]}));
    return peak;
}

namespace {

constexpr size_t Window = TPrivateSoundServer::SampleRate / 200;
constexpr int Loud = 1000;
constexpr int Quiet = 100;

// The loudest sample of each 5 ms.
std::vector<int> Envelope(const std::vector<int16_t>& samples) {
    std::vector<int> envelope;
    for (size_t from = 0; from + Window <= samples.size(); from += Window)
        envelope.push_back(Peak(samples, from, from + Window));
    return envelope;
}

} // namespace

std::vector<size_t> Onsets(const std::vector<int16_t>& recording) {
    const std::vector<int> envelope = Envelope(recording);
    constexpr size_t quietNeeded = QuietBeforeOnset / 5;
    std::vector<size_t> onsets;
    size_t quietWindows = quietNeeded;
    for (size_t w = 0; w < envelope.size(); ++w) {
        if (envelope[w] >= Loud && quietWindows >= quietNeeded)
            onsets.push_back(w * Window);
        quietWindows = envelope[w] < Quiet ? quietWindows + 1 : 0;
    }
    return onsets;
}

bool HeardWhole(const std::vector<int16_t>& recording, size_t onset, const std::vector<int16_t>& sound) {
    const std::vector<int> heard = Envelope(recording);
    const std::vector<int> played = Envelope(sound);
    const auto first = std::find_if(played.begin(), played.end(), [](int peak) { return peak >= Loud; });
    if (first == played.end())
        return false;
    const size_t start = onset / Window;
    const auto lead = static_cast<size_t>(first - played.begin());
    // The capture may be a window off either way: every loud part of the sound must be heard
    // within a window, and every silent part be silent.
    for (size_t w = lead; w < played.size(); ++w) {
        const size_t at = start + w - lead;
        if (at + 1 >= heard.size())
            return false;
        const int before = at > 0 ? heard[at - 1] : heard[at];
        const int most = std::max({before, heard[at], heard[at + 1]});
        const int least = std::min({before, heard[at], heard[at + 1]});
        if ((played[w] >= Loud && most < Quiet) || (played[w] < Quiet / 10 && least >= Loud))
            return false;
    }
    return true;
}

namespace {

// How alike two stretches of samples are, whatever their loudness: 1 is the same waveform.
double Likeness(const int16_t* a, const int16_t* b, size_t n) {
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = a[i], y = b[i];
        ab += x * y;
        aa += x * x;
        bb += y * y;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

constexpr size_t GraphCycle = 1024;

// Follows the sound through the recording from the sample `at` that stands for the sound's sample
// `from`, sample for sample, across the server's silent cycles (see FindSoundSpans); returns where
// the sound ends in the recording, or 0 where it is not there whole.
size_t FollowThroughSilentCycles(const std::vector<int16_t>& recording, size_t at, const std::vector<int16_t>& sound,
                                 size_t from, int& lost) {
    const auto same = [](int a, int b) { return std::abs(a - b) <= 2; };
    size_t i = from;
    size_t r = at;
    int cycles = 0;
    while (i < sound.size()) {
        if (r >= recording.size())
            return 0;
        if (same(recording[r], sound[i])) {
            ++i;
            ++r;
            continue;
        }
        // The silence may have begun where the sound itself was silent.
        size_t begin = r;
        while (begin > at && recording[begin - 1] == 0 && sound[i - (r - begin) - 1] == 0)
            --begin;
        size_t end = r;
        while (end < recording.size() && recording[end] == 0)
            ++end;
        const size_t run = end - begin;
        const size_t whole = (run + 8) / GraphCycle;
        if (whole == 0 || run + 8 < whole * GraphCycle || run > whole * GraphCycle + 8)
            return 0;
        // Of the whole cycles, some were played silent in the sound's place and the rest delayed it.
        const size_t soundAtBegin = i - (r - begin);
        bool resumed = false;
        for (size_t silentInPlace = whole + 1; silentInPlace-- > 0 && !resumed;) {
            const size_t next = soundAtBegin + run - (whole - silentInPlace) * GraphCycle;
            const size_t check = std::min<size_t>({64, sound.size() - std::min(next, sound.size()), recording.size() - end});
            if (next > sound.size() || check == 0)
                continue;
            resumed = std::equal(recording.begin() + static_cast<std::ptrdiff_t>(end),
                                 recording.begin() + static_cast<std::ptrdiff_t>(end + check),
                                 sound.begin() + static_cast<std::ptrdiff_t>(next), same);
            if (resumed)
                i = next;
        }
        if (!resumed)
            return 0;
        r = end;
        cycles += static_cast<int>(whole);
    }
    lost += cycles;
    return r;
}

} // namespace

std::vector<std::pair<size_t, size_t>> FindSoundSpans(const std::vector<int16_t>& recording,
                                                      const std::vector<int16_t>& sound, int* silentCycles) {
    std::vector<std::pair<size_t, size_t>> found;
    const auto first = std::find_if(sound.begin(), sound.end(), [](int16_t s) { return std::abs(s) >= Loud; });
    if (first == sound.end())
        return found;
    const auto lead = static_cast<size_t>(first - sound.begin());
    const size_t rest = sound.size() - lead;
    const size_t opening = std::min<size_t>(rest, TPrivateSoundServer::SampleRate / 50);
    for (size_t at = 0; at + opening <= recording.size(); ++at) {
        // The sink plays the samples as they are, so the first loud one stands where the sound's does.
        if (std::abs(recording[at] - *first) > 2 || Likeness(&recording[at], &*first, opening) < 0.99)
            continue;
        size_t end = 0;
        if (at + rest <= recording.size() && Likeness(&recording[at], &*first, rest) >= 0.99)
            end = at + rest;
        else if (silentCycles != nullptr)
            end = FollowThroughSilentCycles(recording, at, sound, lead, *silentCycles);
        if (end == 0)
            continue;
        found.emplace_back(at - std::min(at, lead), end);
        at = end - 1;
    }
    return found;
}

std::vector<size_t> FindSound(const std::vector<int16_t>& recording, const std::vector<int16_t>& sound,
                              int* silentCycles) {
    std::vector<size_t> starts;
    for (const auto& span : FindSoundSpans(recording, sound, silentCycles))
        starts.push_back(span.first);
    return starts;
}

std::vector<int16_t> WaveFileSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wave = file.readAll();
    const std::optional<TWaveLayout> layout = ReadWaveLayout(wave);
    return layout ? MonoSamples(wave, *layout, TPrivateSoundServer::SampleRate) : std::vector<int16_t>{};
}

} // namespace zorva::testing
