// The yardstick for the game's start-up time and memory: the least a Qt Widgets program does to
// put a painted window of the game's size on the screen (a strip of colour at its top left, so
// that the first pixels can be seen) and to end cleanly on SIGTERM.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int Signals[2];

class TMinimalWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        for (int i = 0; i < 100; ++i)
            painter.fillRect(i * 5, 0, 5, 50, QColor::fromHsv(i * 3, 255, 255));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    socketpair(AF_UNIX, SOCK_STREAM, 0, Signals);
    std::signal(SIGTERM, [](int) {
        const char byte = 1;
        (void)!write(Signals[0], &byte, 1);
    });
    QSocketNotifier notifier(Signals[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &application, &QApplication::quit);
    TMinimalWindow window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Zorvania"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.resize(screen.width() - 10, screen.height());
    window.show();
    return QApplication::exec();
}
