// The yardstick for the game's start-up time and memory: the least a Qt Widgets program does to
// put a painted window of the game's size on the screen.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class TMinimalWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override { QPainter(this).fillRect(event->rect(), Qt::black); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    TMinimalWindow window;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.resize(screen.width() - 10, screen.height());
    window.show();
    return QApplication::exec();
}
