// The nine wheels on the canvas: at rest, blurred, bouncing, and hatched on a winning line.
#include "mainwindow/panel.h"

#include <QPainter>

#include "engine/symbols.h"
#include "mainwindow/panel_style.h"
#include "mainwindow/qt_rect.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

namespace {

constexpr int MotionStripHeight = 576;

} // namespace

// The wheels at rest are placed, not painted, over the white that clears them: the canvas makes
// no tiles for them, and at a large zoom the wheels' tiles were the most of its memory.
void TPanel::DrawWheel(int wheel) {
    const int s = Layout.Geometry.SymbolSize;
    const int code = Machine.SymbolAt(wheel);
    const TRect cell = WheelCell(Layout.Geometry, wheel);
    if (Artwork.SymbolSheet.isNull())
        return;
    const QRect area(cell.Left, cell.Top, s, s);
    Canvas.Place(area, Artwork.SymbolSheet, {{QRect((code % 4) * s, (code / 4) * s, s, s), area.topLeft()}},
                 Artwork.SymbolSheet.hasAlphaChannel());
    Touched(area);
}

void TPanel::ClearWheel(int wheel) {
    const QRect r = ToQRect(ClearingRect(Layout.Geometry, wheel));
    Canvas.PlaceFill(r, Qt::white);
    Touched(r);
}

// The strip wraps: a slice running past its end goes on from its top. The frame is placed rather
// than painted, as the next tick covers it whole.
void TPanel::DrawBlur(int wheel, int offset) {
    if (Artwork.MotionStrip.isNull())
        return;
    const TRect window = WheelWindow(Layout.Geometry, wheel);
    const int s = Layout.Geometry.SymbolSize;
    const int height = window.Height();
    const int first = std::min(height, MotionStripHeight - offset);
    std::vector<TTiledCanvas::TPiece> pieces{{QRect(0, offset, s, first), QPoint(window.Left, window.Top)}};
    if (first < height)
        pieces.push_back({QRect(0, 0, s, height - first), QPoint(window.Left, window.Top + first)});
    const QRect area(window.Left, window.Top, s, height);
    Canvas.Place(area, Artwork.MotionStrip, std::move(pieces));
    Touched(area);
}

void TPanel::CaptureBounce(int wheel) {
    Captures[wheel] = Canvas.Copy(DevicePixelsOf(ToQRect(BounceCapture(Layout.Geometry, wheel)), Ratio));
    Captures[wheel].setDevicePixelRatio(Ratio);
}

// Placed like the blur: the wheel's next spin places its first blurred frame over all of it.
void TPanel::DrawBounce(int wheel, int shift) {
    const TRect r = BounceCapture(Layout.Geometry, wheel);
    const QRect area(r.Left, r.Top + shift, r.Width(), r.Height());
    Canvas.Place(area, Captures[wheel], {{QRect(0, 0, r.Width(), r.Height()), area.topLeft()}});
    Touched(area);
}

// Red cross-hatching over the line's three windows; the symbols show through. The hatching
// stays inside what clearing the wheel repaints, or the line would leave a red edge behind.
void TPanel::HatchLine(int lineIndex) {
    for (int wheel : Paylines[lineIndex]) {
        const QRect r = ToQRect(HighlightBox(Layout.Geometry, wheel));
        const QRect clearing = ToQRect(ClearingRect(Layout.Geometry, wheel));
        Canvas.Paint(r & clearing, [&](QPainter& painter) {
            painter.setPen(QColor(255, 0, 0));
            painter.setBrush(QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
            painter.setClipRect(clearing);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        });
        Touched(r);
    }
}

} // namespace zorva
