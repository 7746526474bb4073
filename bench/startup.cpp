// Starts each program again and again with the first-frame probe preloaded and prints, a line per
// program, the median time from launch to its first painted frame and the median of its peak
// resident set size then. The programs take turns, run by run, so a change in the machine's load
// falls on all of them alike.
// zorva-startup <probe library> <runs> <program> [<program>...]
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

// One start of the program: launch to first frame in milliseconds and peak RSS in kB, or false.
bool StartOnce(const char* probe, const char* program, const std::string& output, double& ms, double& kb) {
    std::remove(output.c_str());
    const double launched = MonotonicMilliseconds();
    const pid_t child = fork();
    if (child == 0) {
        setenv("LD_PRELOAD", probe, 1);
        setenv("ZORVA_PROBE_OUTPUT", output.c_str(), 1);
        setenv("ZORVA_PROBE_LAUNCHED_MS", std::to_string(launched).c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    FILE* file = std::fopen(output.c_str(), "r");
    const bool read = file && std::fscanf(file, "%lf %lf", &ms, &kb) == 2;
    if (file)
        std::fclose(file);
    return read && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zorva-startup <probe library> <runs> <program> [<program>...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[2]));
    const std::vector<const char*> programs(argv + 3, argv + argc);
    const std::string output = "/tmp/zorva-startup-" + std::to_string(getpid());
    std::vector<std::vector<double>> milliseconds(programs.size()), kilobytes(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            double ms = 0, kb = 0;
            if (!StartOnce(argv[1], programs[p], output, ms, kb)) {
                std::fprintf(stderr, "zorva-startup: %s painted no frame\n", programs[p]);
                return 1;
            }
            milliseconds[p].push_back(ms);
            kilobytes[p].push_back(kb);
        }
    }
    std::remove(output.c_str());
    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("%.1f ms %.0f kB\n", Median(milliseconds[p]), Median(kilobytes[p]));
    return 0;
}
