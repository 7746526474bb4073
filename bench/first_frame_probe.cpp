// Preloaded into a Qt Widgets program by zorva-startup (LD_PRELOAD). Once the program's window has
// painted its first frame and handed it to the window system, it writes the milliseconds since the
// launcher started the process and the peak resident set size to the file named by
// ZORVA_PROBE_OUTPUT, and ends the process at once. The program itself is not changed.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void ReportAndEnd() {
    const char* launched = std::getenv("ZORVA_PROBE_LAUNCHED_MS");
    const char* output = std::getenv("ZORVA_PROBE_OUTPUT");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (launched && output) {
        if (FILE* file = std::fopen(output, "w")) {
            std::fprintf(file, "%.2f %ld\n", MonotonicMilliseconds() - std::atof(launched), usage.ru_maxrss);
            std::fclose(file);
        }
    }
    _exit(0);
}

// Painting into the backing store and flushing it to the window happen in one pass of the event
// loop, so a zero timer started at the first paint event fires once that frame is out.
class TFirstFrameProbe : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            QTimer::singleShot(0, &ReportAndEnd);
        }
        return false;
    }

  private:
    bool Seen = false;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new TFirstFrameProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
