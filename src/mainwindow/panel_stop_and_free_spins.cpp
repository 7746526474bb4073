// What blinks on the panel: the Stop button while the chaser waits, and the free spins still to come.
#include "mainwindow/panel.h"

#include <QFontMetrics>

#include "mainwindow/panel_style.h"
#include "mainwindow/qt_rect.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

void TPanel::DrawStopButton(bool dark) {
    const QRect source(QPoint(), LogicalSize(Pictures.SpinBtn));
    Copy(dark ? Pictures.Stop2 : Pictures.StopBtn, source, ToQRect(Layout.StopButtonRect).topLeft());
}

// Written over the "Win 3 FREE Spins:" label on an opaque black ground.
void TPanel::DrawFreeSpinsCount(bool red) {
    const int sw = Layout.ScreenWidth;
    const QPoint at = sw < 700 ? QPoint(10, 124) : sw < 1000 ? QPoint(10, 128) : QPoint(10, 200);
    const QString text = tr("FREE Spins:  %1          ").arg(Session.FreeSpinsLeft);
    const QFont font = GameFont(sw < 700 ? 8 : sw < 1000 ? 12 : 14);
    const QFontMetrics metrics(font, &Canvas.TextDevice());
    const QRect box(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    // A translated label may run longer than the count written over it: none of it may show.
    const QRect covered = box.united(LabelPlaces()[FreeSpinsLabel].Box);
    Canvas.FillBlack(covered);
    WriteText(box, text, font, red ? QColor(255, 0, 0) : Yellow, Qt::AlignLeft | Qt::AlignTop);
    Touched(covered);
}

} // namespace zorva
