#include "platform/clock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <sys/timerfd.h>
#include <unistd.h>

namespace zorva {

namespace {

const QElapsedTimer& Monotonic() {
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

// The counter reads whole milliseconds, Qt's timers count whole milliseconds from when they are
// started and wake up to a millisecond late: a wait measured that way ends up to two milliseconds
// after the counter reached the deadline, and each of a spin's 101 ticks would start that late.
// A timer file descriptor set to the deadline's true time wakes the loop within microseconds.
void Wait(uint32_t deadline, QEventLoop::ProcessEventsFlags flags) {
    const qint64 now = Monotonic().nsecsElapsed();
    const auto left = static_cast<int32_t>(deadline - static_cast<uint32_t>(now / 1'000'000));
    if (left <= 0)
        return;
    const int timer = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    QEventLoop loop;
    if (timer < 0) {
        QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(flags);
        return;
    }
    const qint64 leftNs = qint64{left} * 1'000'000 - now % 1'000'000;
    itimerspec due{};
    due.it_value.tv_sec = static_cast<time_t>(leftNs / 1'000'000'000);
    due.it_value.tv_nsec = static_cast<long>(leftNs % 1'000'000'000);
    timerfd_settime(timer, 0, &due, nullptr);
    QSocketNotifier notifier(timer, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec(flags);
    close(timer);
}

} // namespace

uint32_t TickCount() {
    return static_cast<uint32_t>(Monotonic().elapsed());
}

uint32_t UtcMillisecondOfDay() {
    return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

namespace {

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

void WaitUntil(uint32_t deadline) {
    Wait(deadline, QEventLoop::AllEvents);
}

void WaitUntilExcludingInput(uint32_t deadline) {
    Wait(deadline, QEventLoop::ExcludeUserInputEvents);
}

} // namespace zorva
