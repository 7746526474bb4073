// Times the real window's spins on the machine's own clock: the wall time of each spin's animation,
// from the Enter key to the last wheel at rest, against the designed 2.525 s (101 ticks of 25 ms)
// and the processor time the process spends meanwhile; then the settling after it (one more tick's
// wait, the evaluation, any free spins it won, and the saved game written and flushed to disk), and
// the cost of one animation tick: nine blurred wheels drawn and flushed to the screen. Run it under
// Xvfb with a screen of the given size (bench/run does): zorva-spin-timing [spins] [width height [zoom]]
// With a zoom, the layout is for width × height logical pixels drawn that many times larger, as the
// game does on a screen zoom times that size ("fit" takes the screen's fit zoom and its logical size).
// The last lines are "name value" figures for bench/run.
#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <sys/resource.h>

#include "app/unit1.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/window_zoom.h"
#include "platform/zoom.h"

namespace {

constexpr double DesignedSpinMs = 2525;
constexpr int TicksPerSpin = 101;
constexpr int MeasuredFrames = 400;

// The sound device is left out: its threads are not the game's to measure.
class TNoSound : public zorva::TSoundBackend {
  public:
    void Prepare() override {}
    void Start(const QString&, bool) override {}
    void StartFromMemory(const QByteArray&) override {}
    void Stop() override {}
    void Alert() override {}
    void Wait(int) override {}
};

double CpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double WallMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The machine's clock, noting when each wait ends. Without sound, double-or-nothing or count-off
// the waits of a spin are its animation's: the last wheel comes to rest on the 101st tick, at the
// end of the 101st wait, and the engine waits one tick more before it evaluates. Free spins won
// by the spin follow inside the same call; the moment of rest is the paid spin's own.
class TWatchedClock : public zorva::TClock {
  public:
    struct TMoment {
        double Wall = 0;
        double Cpu = 0;
    };
    uint32_t TickCount() override { return zorva::SystemClock().TickCount(); }
    uint32_t UtcMillisecondOfDay() override { return zorva::SystemClock().UtcMillisecondOfDay(); }
    void WaitUntil(uint32_t deadline) override {
        zorva::SystemClock().WaitUntil(deadline);
        if (++WaitsOfSpin == TicksPerSpin)
            Rest = {WallMilliseconds(), CpuMilliseconds()};
        const auto late = static_cast<int32_t>(zorva::SystemClock().TickCount() - deadline);
        if (late >= 0) {
            ++Waits;
            LateMs += late;
            MostLate = std::max(MostLate, late);
        }
    }
    void StartSpin() { WaitsOfSpin = 0; }
    TMoment Rest;
    long Waits = 0;
    long LateMs = 0;
    int32_t MostLate = 0;

  private:
    int WaitsOfSpin = 0;
};

// One tick of a spin's animation, as the engine and the window do it: nine wheels blurred into
// the canvas, then the window paints the changed rectangles and hands them to the window system.
void DrawOneTick(zorva::TForm1& form, int frame) {
    for (int wheel = 0; wheel < zorva::WheelCount; ++wheel)
        form.DrawBlur(wheel, (frame * 61 + wheel * 64) % 576);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int spins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    int width = argc > 3 ? std::atoi(argv[2]) : 1920;
    int height = argc > 3 ? std::atoi(argv[3]) : 1080;
    if (argc > 4) {
        const zorva::TScreenFacts screen = zorva::ReadScreenFacts();
        const bool fit = std::string_view(argv[4]) == "fit";
        const double zoom = fit ? zorva::FitZoom(screen.Width, screen.Height) : std::atof(argv[4]);
        zorva::ApplyZoom(zoom);
        if (fit) {
            width = static_cast<int>(std::lround(screen.Width / zoom));
            height = static_cast<int>(std::lround(screen.Height / zoom));
        }
        std::printf("zoom %.5f, layout %d x %d\n", zoom, width, height);
    }
    // The screen's device pixel ratio stays the real one: at QT_SCALE_FACTOR=2 the canvas is 2×.
    zorva::TDesktopOnScreen desktop(
        zorva::SystemDesktop(),
        zorva::TScreenFacts{width, height, 32, 96, zorva::ReadScreenFacts().DevicePixelRatio}, false);
    qputenv("XDG_CONFIG_HOME", QByteArray("/tmp/zorva-spin-timing"));

    TNoSound sound;
    TWatchedClock clock;
    zorva::TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), sound, clock, desktop);
    form.Session.Double = false;
    form.Session.PayMode = false;
    form.show();
    zorva::WaitUntil(zorva::TickCount() + 500);

    // The same 101 waits of 25 ms without any drawing: what the clock and the scheduler cost alone.
    uint32_t last = zorva::TickCount();
    const uint32_t bareStart = last;
    const double bareCpuStart = CpuMilliseconds();
    for (int tick = 0; tick < 101; ++tick) {
        zorva::WaitUntil(last + 25);
        last = zorva::TickCount();
    }
    const double bareCpu = CpuMilliseconds() - bareCpuStart;
    std::printf("101 bare 25 ms waits: %u ms (%.4f of 2525), %.1f ms cpu\n", last - bareStart,
                (last - bareStart) / 2525.0, bareCpu);

    std::printf("screen %d x %d, window %d x %d, %d spins\n", width, height, form.width(), form.height(),
                spins);
    std::printf("%6s %10s %9s %10s %9s %12s\n", "spin", "wall ms", "/2525", "cpu ms", "cpu/wall",
                "settling ms");
    double worstRatio = 0, worstDeviation = 0, totalWall = 0, totalCpu = 0;
    clock.Waits = clock.LateMs = clock.MostLate = 0;
    for (int i = 1; i <= spins; ++i) {
        form.Session.Credits = 1000;
        const double cpuBefore = CpuMilliseconds();
        const double start = WallMilliseconds();
        clock.StartSpin();
        form.Machine.RequestSpin();
        const double settled = WallMilliseconds();
        // A Mystery Bonus chaser waits for the player's Stop before the next spin.
        if (form.Machine.TimerEnabled(zorva::TimerId::Timer1))
            form.Machine.PressStop();
        const double wall = clock.Rest.Wall - start;
        const double cpu = clock.Rest.Cpu - cpuBefore;
        std::printf("%6d %10.1f %9.4f %10.1f %9.4f %12.1f\n", i, wall, wall / DesignedSpinMs, cpu, cpu / wall,
                    settled - clock.Rest.Wall);
        worstRatio = std::max(worstRatio, cpu / wall);
        worstDeviation = std::max(worstDeviation, std::abs(wall / DesignedSpinMs - 1));
        totalWall += wall;
        totalCpu += cpu;
    }

    std::printf("waits during the spins: %ld, %.2f ms late on average, %d ms at most\n", clock.Waits,
                clock.Waits ? static_cast<double>(clock.LateMs) / clock.Waits : 0.0, clock.MostLate);

    const double frameCpuBefore = CpuMilliseconds();
    const double frameStart = WallMilliseconds();
    for (int frame = 0; frame < MeasuredFrames; ++frame)
        DrawOneTick(form, frame);
    const double frameWall = (WallMilliseconds() - frameStart) / MeasuredFrames;
    const double frameCpu = (CpuMilliseconds() - frameCpuBefore) / MeasuredFrames;
    std::printf("one tick's drawing, back to back over %d frames: %.3f ms wall, %.3f ms cpu\n",
                MeasuredFrames, frameWall, frameCpu);

    std::printf("spin_wall_ratio %.4f\n", totalWall / spins / DesignedSpinMs);
    std::printf("spin_wall_worst_deviation %.4f\n", worstDeviation);
    std::printf("spin_cpu_wall_mean %.4f\n", totalCpu / totalWall);
    std::printf("spin_cpu_wall_worst %.4f\n", worstRatio);
    std::printf("tick_cpu_ms_in_spin %.3f\n", totalCpu / spins / TicksPerSpin);
    std::printf("tick_draw_cpu_ms %.3f\n", frameCpu);
    std::printf("tick_wait_cpu_ms %.3f\n", bareCpu / 101);
    return 0;
}
