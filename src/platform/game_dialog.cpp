#include "platform/game_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "platform/dialog_placement.h"
#include "platform/own_title_bar.h"

namespace zorva {

class TDialogFace : public QWidget {
  public:
    explicit TDialogFace(TGameDialog* dialog) : QWidget(dialog), Dialog(dialog) {
        setAutoFillBackground(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Dialog->PaintFace(painter);
    }

  private:
    TGameDialog* Dialog;
};

TGameDialog::TGameDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    PlaceOverParent(this);
}

void TGameDialog::setVisible(bool visible) {
    // Decided at the first showing, once the window has its fixed size and its controls.
    if (visible && !FrameChosen) {
        FrameChosen = true;
        if (TitleBarsAreOurs() && minimumSize() == maximumSize())
            MoveOntoFace();
    }
    QDialog::setVisible(visible);
}

void TGameDialog::MoveOntoFace() {
    const QRect content(QPoint(), size());
    const QList<QWidget*> controls = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    FaceWidget = new TDialogFace(this);
    FaceWidget->setGeometry(content.translated(OwnFrameMargins().left(), OwnFrameMargins().top()));
    // The window has never been shown, so its controls show with the face unless hidden on purpose.
    for (QWidget* control : controls) {
        const QRect place = control->geometry();
        control->setParent(FaceWidget);
        control->setGeometry(place);
    }
    setFixedSize(content.size().grownBy(OwnFrameMargins()));
    DrawOwnFrame(this);
}

QWidget* TGameDialog::Face() {
    return FaceWidget != nullptr ? FaceWidget : this;
}

const QWidget* TGameDialog::Face() const {
    return FaceWidget != nullptr ? FaceWidget : this;
}

void TGameDialog::paintEvent(QPaintEvent*) {
    if (FaceWidget != nullptr)
        return;
    QPainter painter(this);
    PaintFace(painter);
}

void TGameDialog::CentreOnScreen() {
    const QWidget* anchor = parentWidget() ? parentWidget() : this;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TGameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zorva
