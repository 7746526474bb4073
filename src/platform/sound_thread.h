#pragma once
#include <QThread>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/sound_player.h"

namespace zorva {

class TSoundStreamBackend;

// Runs the stream player on a thread of its own. Opening a stream takes the sound server a few
// milliseconds under PulseAudio and ten to seventy under PipeWire; on the window's thread every click
// would stall the wheels that long. Requests keep their order; a wait first lets the thread begin
// what it was asked, so a synchronous sound is still heard whole before the wait ends.
class TSoundThreadBackend : public TSoundBackend {
  public:
    TSoundThreadBackend();
    ~TSoundThreadBackend() override;

    void Prepare() override;
    void Start(const QString& path, bool looping) override;
    void StartFromMemory(const QByteArray& wave) override;
    void Stop() override;
    void Wait(int milliseconds) override;

  private:
    void Post(std::function<void(TSoundStreamBackend&)> request);
    void WaitForRequests();
    void CountStart();

    QThread Thread;
    QObject* Receiver = nullptr; // lives on Thread
    std::unique_ptr<TSoundStreamBackend> Stream; // made, used and destroyed on Thread
    std::mutex Lock;
    std::condition_variable Progress;
    uint64_t Posted = 0;
    uint64_t Done = 0;
    uint64_t Starts = 0; // starts asked for so far
};

} // namespace zorva
