// Times the real window's spins on the machine's own clock: wall time of each spin against the
// designed 2.525 s, the processor time the process spends meanwhile, and how often it wakes at
// rest. Run under Xvfb (or with QT_QPA_PLATFORM=offscreen): zorva-spin-timing [spins] [width height]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

#include "app/unit1.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/screen_facts.h"

namespace {

// The sound device is left out: its threads are not the game's to measure.
class TNoSound : public zorva::TSoundBackend {
  public:
    void Start(const QString&, bool) override {}
    void StartFromMemory(const QByteArray&) override {}
    void Stop() override {}
    void Alert() override {}
    void Wait(int) override {}
};

// The machine's clock, noting how late each wait wakes after its deadline.
class TLatenessClock : public zorva::TClock {
  public:
    uint32_t TickCount() override { return zorva::TickCount(); }
    uint32_t UtcMillisecondOfDay() override { return zorva::UtcMillisecondOfDay(); }
    void WaitUntil(uint32_t deadline) override {
        zorva::WaitUntil(deadline);
        const auto late = static_cast<int32_t>(zorva::TickCount() - deadline);
        if (late >= 0) {
            ++Waits;
            LateMs += late;
            MostLate = std::max(MostLate, late);
        }
    }
    long Waits = 0;
    long LateMs = 0;
    int32_t MostLate = 0;
};

struct TUsage {
    double CpuSeconds;
    long Wakeups; // voluntary context switches: the process went to sleep and was woken
};

TUsage Usage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return {cpu, usage.ru_nvcsw};
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int spins = argc > 1 ? std::atoi(argv[1]) : 5;
    const int width = argc > 3 ? std::atoi(argv[2]) : 1920;
    const int height = argc > 3 ? std::atoi(argv[3]) : 1080;
    zorva::InjectScreenFacts(zorva::TScreenFacts{width, height, 32, 96});
    zorva::SetMessageHook([](zorva::TMessageKind, const std::string&) { return false; });
    qputenv("XDG_CONFIG_HOME", QByteArray("/tmp/zorva-spin-timing"));

    TNoSound sound;
    TLatenessClock clock;
    zorva::TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), sound, clock);
    form.Session.Double = false;
    form.Session.PayMode = false;
    form.show();
    zorva::WaitUntil(zorva::TickCount() + 500);

    // At rest, before any win starts the paylines flashing, nothing blinks: the process should
    // sleep through.
    const TUsage rest = Usage();
    zorva::WaitUntil(zorva::TickCount() + 10000);
    const TUsage after = Usage();
    std::printf("at rest for 10 s: %ld wake-ups, %.1f ms cpu\n", after.Wakeups - rest.Wakeups,
                (after.CpuSeconds - rest.CpuSeconds) * 1000);

    // The same 101 waits of 25 ms without any drawing: what the clock and the scheduler cost alone.
    uint32_t last = zorva::TickCount();
    const uint32_t bareStart = last;
    for (int tick = 0; tick < 101; ++tick) {
        zorva::WaitUntil(last + 25);
        last = zorva::TickCount();
    }
    std::printf("101 bare 25 ms waits: %u ms (%.4f of 2525)\n", last - bareStart,
                (last - bareStart) / 2525.0);

    std::printf("screen %d x %d, %d spins\n", width, height, spins);
    std::printf("%6s %10s %9s %10s %9s\n", "spin", "wall ms", "/2525", "cpu ms", "cpu/wall");
    double worstRatio = 0, totalWall = 0;
    clock.Waits = clock.LateMs = clock.MostLate = 0;
    for (int i = 1; i <= spins; ++i) {
        form.Session.Credits = 1000;
        const TUsage before = Usage();
        const uint32_t start = zorva::TickCount();
        form.Machine.RequestSpin();
        const double wall = zorva::TickCount() - start;
        const double cpu = (Usage().CpuSeconds - before.CpuSeconds) * 1000;
        std::printf("%6d %10.0f %9.4f %10.1f %9.4f\n", i, wall, wall / 2525, cpu, cpu / wall);
        worstRatio = std::max(worstRatio, cpu / wall);
        totalWall += wall;
    }
    std::printf("waits during the spins: %ld, %.2f ms late on average, %d ms at most\n", clock.Waits,
                clock.Waits ? static_cast<double>(clock.LateMs) / clock.Waits : 0.0, clock.MostLate);
    std::printf("mean wall %.1f ms (%.3f of 2525), worst cpu/wall %.4f\n", totalWall / spins,
                totalWall / spins / 2525, worstRatio);

    return 0;
}
