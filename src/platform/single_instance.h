#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;
class QWidget;

namespace zorva {

// One running game per saved-game file, so that two copies never write over each other's
// progress. The copy that runs holds a lock on a file beside the saved game, which the kernel
// drops when the process ends however it ends (closed, killed, crashed, display lost), and
// listens on a local socket named after the configuration folder; a later start finds the lock
// taken and asks that copy to come forward instead of running.
class TSingleInstance {
  public:
    // savedGameFile: the saved game this process would play; its lock file lies beside it, in the
    // configuration folder, which is made when missing.
    explicit TSingleInstance(const std::string& savedGameFile);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // True when this process now runs the game: it holds the lock and listens for later starts.
    // Also true when no lock can be made at all (a read-only home): the game then runs, and its
    // failed saves are reported as any refused write is.
    bool TakeLock();

    // For a later start: asks the running copy to come forward; true once it has answered.
    // Gives up after about a second, so the later start never hangs on a copy that does not answer.
    bool HandOver() const;

    // For the running copy: forward runs on every later start, and for any that came before it was set.
    void OnLaterStart(std::function<void()> forward);

  private:
    void AnswerLaterStarts();

    std::string lockFile_;
    QString serverName_;
    int lock_ = -1;
    int server_ = -1; // the listening socket
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<int> waiting_; // later starts not yet answered
    std::function<void()> forward_;
};

// Brings the game's window to the front: out of the minimised state, raised and activated, with a
// modal window of the game raised above it. On Wayland the compositor decides whether it obeys.
void BringToFront(QWidget& window);

} // namespace zorva
