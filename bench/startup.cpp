// Starts a program again and again with the first-frame probe preloaded and prints the median time
// from launch to its first painted frame and the median of its peak resident set size then.
// zorva-startup <probe library> <runs> <program> [arguments...]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zorva-startup <probe library> <runs> <program> [arguments...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[2]));
    const std::string output = "/tmp/zorva-startup-" + std::to_string(getpid());
    std::vector<double> milliseconds, kilobytes;
    for (int run = 0; run < runs; ++run) {
        std::remove(output.c_str());
        const double launched = MonotonicMilliseconds();
        const pid_t child = fork();
        if (child == 0) {
            setenv("LD_PRELOAD", argv[1], 1);
            setenv("ZORVA_PROBE_OUTPUT", output.c_str(), 1);
            setenv("ZORVA_PROBE_LAUNCHED_MS", std::to_string(launched).c_str(), 1);
            execv(argv[3], argv + 3);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        double ms = 0, kb = 0;
        FILE* file = std::fopen(output.c_str(), "r");
        const bool read = file && std::fscanf(file, "%lf %lf", &ms, &kb) == 2;
        if (file)
            std::fclose(file);
        if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "zorva-startup: %s painted no frame\n", argv[3]);
            return 1;
        }
        milliseconds.push_back(ms);
        kilobytes.push_back(kb);
    }
    std::remove(output.c_str());
    std::printf("%.1f ms %.0f kB\n", Median(milliseconds), Median(kilobytes));
    return 0;
}
