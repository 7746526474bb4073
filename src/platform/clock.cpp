#include "platform/clock.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <ctime>

namespace zorva {

namespace {

constexpr int64_t NanosecondsPerMillisecond = 1'000'000;

int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The tick counter counts from the first time anything asks for it.
int64_t Start() {
    static const int64_t start = MonotonicNanoseconds();
    return start;
}

int64_t ElapsedMilliseconds() {
    return (MonotonicNanoseconds() - Start()) / NanosecondsPerMillisecond;
}

// Sleeps to the very nanosecond at which the tick counter reaches deadline.
void SleepUntilTick(int64_t elapsedDeadline) {
    const int64_t target = Start() + elapsedDeadline * NanosecondsPerMillisecond;
    const timespec until{static_cast<time_t>(target / 1'000'000'000),
                         static_cast<long>(target % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

// The event loop's timers wake up to a millisecond late, and a spin waits a hundred times: the
// loop runs until a millisecond before the deadline, and a plain sleep takes the rest exactly.
void Wait(uint32_t deadline, QEventLoop::ProcessEventsFlags flags) {
    const int64_t now = ElapsedMilliseconds();
    const auto left = static_cast<int32_t>(deadline - static_cast<uint32_t>(now));
    if (left <= 0)
        return;
    if (left > 1) {
        QEventLoop loop;
        QTimer::singleShot(left - 1, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(flags);
    }
    SleepUntilTick(now + left);
}

class TSystemClock : public TClock {
  public:
    uint32_t TickCount() override { return zorva::TickCount(); }
    uint32_t UtcMillisecondOfDay() override { return zorva::UtcMillisecondOfDay(); }
    void WaitUntil(uint32_t deadline) override { zorva::WaitUntil(deadline); }
};

} // namespace

TClock& SystemClock() {
    static TSystemClock clock;
    return clock;
}

uint32_t TickCount() {
    return static_cast<uint32_t>(ElapsedMilliseconds());
}

uint32_t UtcMillisecondOfDay() {
    return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void WaitUntil(uint32_t deadline) {
    Wait(deadline, QEventLoop::AllEvents);
}

void WaitUntilExcludingInput(uint32_t deadline) {
    Wait(deadline, QEventLoop::ExcludeUserInputEvents);
}

void WaitAtLeastExcludingInput(int milliseconds) {
    if (milliseconds > 0)
        WaitUntilExcludingInput(TickCount() + static_cast<uint32_t>(milliseconds) + 1);
}

} // namespace zorva
