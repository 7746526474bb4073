#include "platform/own_title_bar.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <QWindow>

#include "platform/dialog_placement.h"

namespace zorva {

namespace {

// As tall as the title bar Qt draws on the machine's window, so that the two look alike.
constexpr int TitleHeight = 30;
constexpr int Border = 3;
constexpr int CloseSize = 18;
constexpr int CloseRightMargin = 8;
constexpr int TitlePixelSize = 14;

// The palette of the desktop, not of the window: a dialog's own colours are for its content.
QPalette FramePalette() {
    return QGuiApplication::palette();
}

class TCloseButton : public QAbstractButton {
  public:
    explicit TCloseButton(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QCoreApplication::translate("TitleBar", "Close"));
        connect(this, &QAbstractButton::clicked, this, [this] { window()->close(); });
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette palette = FramePalette();
        if (isDown() || underMouse())
            painter.fillRect(rect(), palette.color(QPalette::Midlight));
        const bool active = window()->isActiveWindow();
        QPen pen(palette.color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        pen.setWidthF(2);
        painter.setPen(pen);
        const QRectF cross = QRectF(rect()).adjusted(5, 5, -5, -5);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.bottomLeft(), cross.topRight());
    }
    void enterEvent(QEnterEvent* event) override {
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        update();
        QAbstractButton::leaveEvent(event);
    }
};

// Lies over the whole window but takes only its edges (a mask), so the content below keeps the
// mouse; it follows the window's size, title and activation.
class TOwnFrame : public QWidget {
  public:
    explicit TOwnFrame(QWidget* window) : QWidget(window), Window(window), Close(new TCloseButton(this)) {
        setObjectName(QStringLiteral("OwnTitleBar"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        window->installEventFilter(this);
        Follow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Window) {
            switch (event->type()) {
            case QEvent::Resize:
                Follow();
                break;
            case QEvent::WindowTitleChange:
            case QEvent::ActivationChange:
                update();
                break;
            case QEvent::ChildAdded:
                // Whatever the window adds later is content and goes under the frame.
                raise();
                break;
            default:
                break;
            }
        }
        return false;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPalette palette = FramePalette();
        painter.fillRect(rect(), palette.color(QPalette::Window));
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const QString title = Window->windowTitle();
        if (title.isEmpty())
            return;
        QFont font = painter.font();
        font.setPixelSize(TitlePixelSize);
        painter.setFont(font);
        const bool active = Window->isActiveWindow();
        painter.setPen(palette.color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        // Centred on the window, so it keeps as much room on the left as the close button takes.
        const int reserved = width() - Close->geometry().left() + CloseRightMargin;
        const int room = width() - 2 * reserved;
        const QString shown = QFontMetrics(font).elidedText(title, Qt::ElideRight, room);
        QRect line(0, 0, width(), TitleHeight);
        painter.drawText(line, Qt::AlignCenter, shown);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && Window->windowHandle() != nullptr)
            Window->windowHandle()->startSystemMove();
        event->accept();
    }

  private:
    void Follow() {
        setGeometry(Window->rect());
        const QRect whole = Window->rect();
        QRegion edges(whole);
        edges -= whole.marginsRemoved(OwnFrameMargins());
        setMask(edges);
        Close->setGeometry(whole.width() - Border - CloseRightMargin - CloseSize, (TitleHeight - CloseSize) / 2,
                           CloseSize, CloseSize);
        raise();
    }

    QWidget* Window;
    TCloseButton* Close;
};

} // namespace

QMargins OwnFrameMargins() {
    return {Border, TitleHeight, Border, Border};
}

void DrawOwnFrame(QWidget* window) {
    // Only the window's type and no frame: Qt drops the frameless hint beside some of the others.
    window->setWindowFlags(window->windowType() | Qt::FramelessWindowHint);
    new TOwnFrame(window);
}

void FrameBoxWhereTitleBarsAreOurs(QWidget* box) {
    if (!TitleBarsAreOurs())
        return;
    box->setContentsMargins(box->contentsMargins() + OwnFrameMargins());
    DrawOwnFrame(box);
}

} // namespace zorva
