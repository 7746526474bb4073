#include "app/unix_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/unit1.h"

namespace zorva {

namespace {

int SignalSockets[2] = {-1, -1};

// Only async-signal-safe work here: one byte down the socket; the event loop does the rest.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(SignalSockets[0], &byte, 1);
}

} // namespace

void CloseOnTerminationSignals(TForm1& form) {
    // A window made anew at another zoom listens on the same pair.
    if (SignalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalSockets[1], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(SignalSockets[1], &byte, 1);
        form.RequestClose();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace zorva
