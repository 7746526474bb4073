#include "platform/sound_thread.h"

#include <chrono>

#include "platform/sound_stream.h"

namespace zorva {

namespace {

// Longer than any stream takes to open; a server that hangs must not hang the window with it.
constexpr auto LongestRequest = std::chrono::seconds(2);

} // namespace

TSoundThreadBackend::TSoundThreadBackend() {
    Thread.setObjectName(QStringLiteral("zorva-sound"));
    Thread.start();
    Receiver = new QObject;
    Receiver->moveToThread(&Thread);
    // The stream's timers and Qt Multimedia's own objects belong to the thread that makes them.
    QMetaObject::invokeMethod(
        Receiver, [this] { Stream = std::make_unique<TSoundStreamBackend>(); }, Qt::BlockingQueuedConnection);
}

TSoundThreadBackend::~TSoundThreadBackend() {
    QMetaObject::invokeMethod(Receiver, [this] { Stream.reset(); }, Qt::BlockingQueuedConnection);
    Thread.quit();
    Thread.wait();
    delete Receiver; // its thread has ended, so nothing else can reach it
}

void TSoundThreadBackend::Post(std::function<void(TSoundStreamBackend&)> request) {
    {
        const std::lock_guard<std::mutex> hold(Lock);
        ++Posted;
    }
    QMetaObject::invokeMethod(
        Receiver,
        [this, request = std::move(request)] {
            request(*Stream);
            {
                const std::lock_guard<std::mutex> hold(Lock);
                ++Done;
            }
            Progress.notify_all();
        },
        Qt::QueuedConnection);
}

void TSoundThreadBackend::WaitForRequests() {
    std::unique_lock<std::mutex> hold(Lock);
    Progress.wait_for(hold, LongestRequest, [this] { return Done == Posted; });
}

void TSoundThreadBackend::Prepare() {
    Post([](TSoundStreamBackend& stream) { stream.Prepare(); });
}

void TSoundThreadBackend::Start(const QString& path, bool looping) {
    CountStart();
    Post([path, looping](TSoundStreamBackend& stream) { stream.Start(path, looping); });
}

void TSoundThreadBackend::StartFromMemory(const QByteArray& wave) {
    CountStart();
    Post([wave](TSoundStreamBackend& stream) { stream.StartFromMemory(wave); });
}

// A stop that a start follows is left to the start, which closes the old stream only once the
// new one is open: the old sound goes on until the new one begins.
void TSoundThreadBackend::Stop() {
    uint64_t startsBefore = 0;
    {
        const std::lock_guard<std::mutex> hold(Lock);
        startsBefore = Starts;
    }
    Post([this, startsBefore](TSoundStreamBackend& stream) {
        bool followed = false;
        {
            const std::lock_guard<std::mutex> hold(Lock);
            followed = Starts != startsBefore;
        }
        if (!followed)
            stream.Stop();
    });
}

void TSoundThreadBackend::CountStart() {
    const std::lock_guard<std::mutex> hold(Lock);
    ++Starts;
}

void TSoundThreadBackend::Wait(int milliseconds) {
    WaitForRequests();
    TSoundBackend::Wait(milliseconds);
}

} // namespace zorva
