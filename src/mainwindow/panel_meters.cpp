// The panel's meters: the digit meters, the globe and dollar rows, the adjusters and the Winnings.
#include "mainwindow/panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "mainwindow/panel_style.h"
#include "mainwindow/qt_rect.h"
#include "mainwindow/spin_log.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

namespace {

constexpr int WinningsNumberTop = 243; // on screens from 1000 pixels
constexpr int Margin = 4;              // between the Winnings meter's label, its number and the window's edge

// Where each digit meter stands: left edge, or right edge when right-aligned, and top.
struct TMeterPlace {
    QPoint At;
    bool Green;
    bool RightAligned;
    bool ExactClear;
};

} // namespace

void TPanel::DrawMeter(TMeter meter) {
    if (meter == TMeter::GlobeRow || meter == TMeter::DollarRow)
        DrawIconRow(meter == TMeter::GlobeRow);
    else
        DrawNumberMeter(meter);
}

void TPanel::DrawNumberMeter(TMeter meter) {
    const TScreenBand b = Layout.Band;
    const int m = Layout.M();
    TMeterPlace place{};
    int32_t value = 0;
    switch (meter) {
    case TMeter::Credits:
        place = {{ByBand(b, 10, 10, 5), 30}, false, false, false};
        value = Session.Credits;
        break;
    case TMeter::BonusPool:
        place = {{ByBand(b, 5, 10, 5), ByBand(b, 80, 90, 125)}, true, false, false};
        value = Session.BonusPool;
        break;
    case TMeter::LinesPlayed:
        place = {{m + ByBand(b, 10, 20, 5), 30}, true, false, true};
        value = Session.LinesPlayed;
        break;
    case TMeter::CoinsPerLine:
        place = {{m + ByBand(b, 85, 145, 130), 30}, true, false, true};
        value = Session.CoinsPerLine;
        break;
    case TMeter::CoinsPlayed:
        place = {{m + ByBand(b, 140, 195, 227), ByBand(b, 65, 78, 140)}, false, true, false};
        value = Session.Bet();
        break;
    case TMeter::GlobeRow:
    case TMeter::DollarRow:
        return;
    }
    if (meter == TMeter::Credits)
        qCDebug(SpinLog, "credits %d", value);
    // On wide screens the pool's clearing glyph reaches under the leftmost globe; the globes keep
    // their place, as the full repaint, which draws them after the pool, shows them.
    WriteNumber(value, place.At, place.Green, place.RightAligned, place.ExactClear,
                meter == TMeter::BonusPool ? GlobeRowArea() : QRect());
}

QRect TPanel::GlobeRowArea() const {
    const QImage& icons = Layout.ScreenWidth < 700 ? Pictures.Bonus16 : Pictures.Bonus;
    const int w = LogicalSize(icons).width();
    const TScreenBand b = Layout.Band;
    return {ByBand(b, 125, 190, 200) - 2 * w, ByBand(b, 65, 80, 100), 3 * w, LogicalSize(icons).height() / 2};
}

// Globes fill their three slots from the right, dollars their six from the left.
void TPanel::DrawIconRow(bool globes) {
    const QImage& icons = Layout.ScreenWidth < 700 ? Pictures.Bonus16 : Pictures.Bonus;
    const int w = LogicalSize(icons).width();
    const int h = LogicalSize(icons).height() / 2;
    const TScreenBand b = Layout.Band;
    const int slotCount = globes ? 3 : 6;
    const int filled = globes ? Session.Globes : Session.Dollars;
    const QPoint first = globes ? QPoint(ByBand(b, 125, 190, 200), ByBand(b, 65, 80, 100))
                                : QPoint(ByBand(b, 10, 0, 0), ByBand(b, 140, 150, 230));
    const int step = globes ? -w : w;
    for (int k = 1; k <= slotCount; ++k) {
        const QRect slot(first.x() + (k - 1) * step, first.y(), w, h);
        if (k <= filled) {
            Copy(icons, QRect(0, globes ? 0 : h, w, h), slot.topLeft());
        } else {
            Canvas.FillBlack(slot);
            Touched(slot);
        }
    }
}

void TPanel::DrawAdjusters() {
    const QImage& picture = Layout.ScreenWidth < 1000 ? Pictures.PlusSmall : Pictures.PlusMinus;
    const int hw = Layout.LinesAdjusterRect.Width();
    const int h = LogicalSize(picture).height();
    for (const TRect& plus : {Layout.LinesAdjusterRect, Layout.CoinsAdjusterRect}) {
        Copy(picture, QRect(0, 0, hw, h), QPoint(plus.Left, plus.Top));
        const TRect minus = MinusButtonOf(plus);
        Copy(picture, QRect(hw, 0, hw, h), QPoint(minus.Left, minus.Top));
    }
}

QRect TPanel::WinningsArea() const {
    const int sw = Layout.ScreenWidth;
    if (sw <= 700)
        return {};
    if (sw < 1000) {
        // Label and number stand above the machine face; blank down to its top edge.
        return QRect(Layout.MachineLeft, 0, 300, std::max(Layout.MachineTop, 44));
    }
    // Down from where a label raised over a long number stands.
    const int top = std::min(240, WinningsLabelBox(true).top());
    return QRect(QPoint(Layout.M() + 1, top), QPoint(Layout.WindowWidth - 1, 299));
}

// The number's left edge on wide screens: at M + 168, or, where that would run off the window
// (screens of 1000 to about 1060 pixels), ending just inside the window's right edge.
int TPanel::WinningsNumberLeft() const {
    const int width = NumberWidth(Pictures.Digits, Session.SpinWinnings);
    return std::max(Layout.M() + 1, std::min(Layout.M() + 168, Layout.WindowWidth - Margin - width));
}

// Left of the number, or raised to stand over it.
QRect TPanel::WinningsLabelBox(bool raised) const {
    const QFontMetrics metrics(GameFont(14), &Canvas.TextDevice());
    QRect box(Layout.M() + 15, 250, metrics.horizontalAdvance(WinningsLabel()), metrics.height());
    if (raised)
        box.moveBottom(WinningsNumberTop - 1);
    return box;
}

void TPanel::DrawWinnings(bool show) {
    const int sw = Layout.ScreenWidth;
    if (sw <= 700)
        return;
    const QRect area = WinningsArea();
    qCDebug(SpinLog, "winnings %d", show ? Session.SpinWinnings : 0);
    if (!show || Session.SpinWinnings == 0) {
        Canvas.FillBlack(area);
        Touched(area);
        return;
    }
    const QString label = WinningsLabel();
    if (sw < 1000) {
        const QFontMetrics metrics(GameFont(12), &Canvas.TextDevice());
        const QRect box(Layout.MachineLeft, 5, metrics.horizontalAdvance(label), metrics.height());
        WriteText(box, label, GameFont(12), Yellow, Qt::AlignLeft | Qt::AlignTop);
        Touched(box);
        WriteNumber(Session.SpinWinnings, QPoint(box.right() + 1, 5 + metrics.height()), true, true, true);
        return;
    }
    // A growing amount may move the number left and the label up: nothing of the last one may stay.
    Canvas.FillBlack(area);
    Touched(area);
    const int numberLeft = WinningsNumberLeft();
    // Where the number, moved in from the window's edge, would reach the label, the label stands over it.
    QRect box = WinningsLabelBox(false);
    if (box.right() + Margin >= numberLeft)
        box = WinningsLabelBox(true);
    WriteText(box, label, GameFont(14), Yellow, Qt::AlignLeft | Qt::AlignTop);
    Touched(box);
    WriteNumber(Session.SpinWinnings, QPoint(numberLeft, WinningsNumberTop), true, false, true);
}

// Only the layout of medium screens shows a Winnings text above the machine.
void TPanel::ClearWinningsText() {
    if (!HasWinningsText(Layout.Geometry))
        return;
    const QRect r = ToQRect(WinningsTextRect(Layout.Geometry));
    Canvas.FillBlack(r);
    Touched(r);
}

} // namespace zorva
