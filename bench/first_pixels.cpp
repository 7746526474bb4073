// Start-up as a player sees it: starts a program and prints the milliseconds until the screen shows
// a non-black pixel at the given point (the root window read every half millisecond), then the
// program's pid; the program is left running.
// usage: zorva-first-pixels X Y -- PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: zorva-first-pixels X Y -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    for (;;) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image != nullptr ? XGetPixel(image, 0, 0) : 0;
        if (image != nullptr)
            XDestroyImage(image);
        if ((pixel & 0xffffff) != 0) {
            std::printf("%.1f %d\n", NowMs() - start, static_cast<int>(pid));
            return 0;
        }
        if (NowMs() - start > 10000) {
            std::printf("timeout %d\n", static_cast<int>(pid));
            return 1;
        }
        usleep(500);
    }
}
