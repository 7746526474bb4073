#include "platform/clock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

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

void Wait(uint32_t deadline, QEventLoop::ProcessEventsFlags flags) {
    const auto left = static_cast<int32_t>(deadline - TickCount());
    if (left <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(flags);
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
