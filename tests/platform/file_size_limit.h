#pragma once
#include <signal.h>
#include <sys/resource.h>

namespace zorva::testing {

// Runs work as if the disk were full beyond the given size: writes past it fail (root included), and
// the signal that would end the process is ignored meanwhile.
template <typename TWork> auto WithFileSizeLimit(rlim_t bytes, TWork work) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = work();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    return result;
}

} // namespace zorva::testing
