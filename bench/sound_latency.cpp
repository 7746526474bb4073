// Plays the click through the game's sound module to the sound server named by the environment
// and records the server's null sink with parec, timestamping each block as it arrives: the delay
// from the play call to the click's first sample heard is the block's arrival less the samples
// after it. The capture's own delay is counted in, so each figure is an upper bound. Then it
// leaves the player at rest and counts the process's context switches.
// zorva-sound-latency <program folder> <plays>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_module.h"
#include "platform/sound_player.h"

namespace {

constexpr int Rate = 44100;

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Of every thread but this one: the measuring thread's own sleep is one switch and not the player's.
long ContextSwitches() {
    rusage process{};
    rusage self{};
    getrusage(RUSAGE_SELF, &process);
    getrusage(RUSAGE_THREAD, &self);
    return process.ru_nvcsw + process.ru_nivcsw - self.ru_nvcsw - self.ru_nivcsw;
}

double CpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zorva-sound-latency <program folder> <plays>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int plays = std::max(1, std::atoi(argv[2]));
    QFile clickFile(QDir(folder).filePath(QStringLiteral("Zorva0.wav")));
    if (!clickFile.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray click = clickFile.readAll();

    zorva::TSoundModuleBackend backend(folder);
    zorva::TSoundPlayer player(backend);
    const double loadStarted = Now();
    backend.Prepare();
    const double loadMs = Now() - loadStarted;
    if (!backend.Loaded())
        return 1;

    QProcess recorder;
    recorder.start(QStringLiteral("parec"), {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                                             "--rate=44100", "--latency-msec=1"});
    if (!recorder.waitForStarted(5000) || !recorder.waitForReadyRead(5000))
        return 1;
    double playedAt = -1;
    std::vector<double> delays, calls;
    QObject::connect(&recorder, &QProcess::readyReadStandardOutput, [&] {
        const double arrived = Now();
        const QByteArray block = recorder.readAllStandardOutput();
        const auto* samples = reinterpret_cast<const int16_t*>(block.constData());
        const qsizetype count = block.size() / 2;
        for (qsizetype i = 0; i < count && playedAt > 0; ++i) {
            if (std::abs(samples[i]) > 300) {
                delays.push_back(arrived - static_cast<double>(count - i) * 1000.0 / Rate - playedAt);
                playedAt = -1;
            }
        }
    });
    zorva::WaitUntil(zorva::TickCount() + 500);
    for (int i = 0; i < plays; ++i) {
        const double called = Now();
        playedAt = called;
        player.PlayFromMemory(click);
        calls.push_back(Now() - called);
        zorva::WaitUntil(zorva::TickCount() + 250);
    }
    recorder.kill();
    recorder.waitForFinished();

    // At rest: the stream has played out; nothing of the player's should run.
    zorva::WaitUntil(zorva::TickCount() + 1000);
    const long switches = ContextSwitches();
    const double cpu = CpuMilliseconds();
    zorva::WaitUntil(zorva::TickCount() + 10000);
    const long restSwitches = ContextSwitches() - switches;
    const double restCpu = CpuMilliseconds() - cpu;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("module_load_ms %.1f\n", loadMs);
    std::printf("clicks_heard %zu of %d\n", delays.size(), plays);
    if (!delays.empty())
        std::printf("play_to_sink_ms median %.1f p90 %.1f max %.1f\n", Percentile(delays, 0.5),
                    Percentile(delays, 0.9), Percentile(delays, 1.0));
    std::printf("play_call_ms median %.2f max %.2f\n", Percentile(calls, 0.5), Percentile(calls, 1.0));
    std::printf("at_rest_10s context_switches %ld cpu_ms %.1f\n", restSwitches, restCpu);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return delays.size() == static_cast<size_t>(plays) ? 0 : 1;
}
