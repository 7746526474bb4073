// The panel's canvas: its size, the full repaint, and how text, numbers and pictures go onto it.
#include "mainwindow/panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "mainwindow/panel_style.h"
#include "mainwindow/qt_rect.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

namespace {

// Nothing is painted below the mystery boxes, the Stop button or the Winnings meter (which ends
// at 300): the canvas stops there, which spares a third of its memory on a wide screen.
QRect PaintedArea(const TWindowLayout& layout, const TArtwork& artwork) {
    constexpr int WinningsBottom = 300;
    const int mysteryBottom =
        layout.MachineTop + layout.Machine.Height + LogicalSize(artwork.MysteryArtwork).height() / 2;
    const int bottom = std::max({mysteryBottom, layout.StopButtonRect.Bottom, WinningsBottom});
    return {0, 0, std::max(layout.WindowWidth, 1), std::clamp(bottom, 1, std::max(layout.WindowHeight, 1))};
}

} // namespace

TPanel::TPanel(const TWindowLayout& layout, const TArtwork& artwork, const TPanelPictures& pictures,
               const TGameSession& session, const TSlotMachine& machine, int pixelsPerInch, double ratio)
    // Point sizes on the canvas follow the screen's pixels per inch, as the window's fonts do.
    : Canvas(PaintedArea(layout, artwork).size(), ratio, PaintedTextDotsPerMeter(pixelsPerInch)), Ratio(ratio), Layout(layout), Artwork(artwork), Pictures(pictures), Session(session), Machine(machine),
      PixelsPerInch(pixelsPerInch) {}

QRect TPanel::DesignRect() const {
    return PaintedArea(Layout, Artwork);
}

void TPanel::CopyTo(QPainter& painter, const QRect& rect) const {
    Canvas.CopyTo(painter, rect);
}

// Reported widened to whole device pixels: at 1.5 a rectangle's edge may cut a device pixel in
// two, and a repaint of only its inner part would leave a stale line beside it.
void TPanel::Touched(const QRect& rect) {
    if (Changed && !rect.isEmpty())
        Changed(DeviceAligned(rect, Ratio));
}

void TPanel::Copy(const QImage& source, const QRect& from, const QPoint& to) {
    if (source.isNull())
        return;
    Canvas.Paint(QRect(to, from.size()), [&](QPainter& painter) { DrawPicturePart(painter, to, source, from); });
    Touched(QRect(to, from.size()));
}

void TPanel::FormPaint() {
    Canvas.FillBlack();
    // Placed, not painted: where nothing is drawn over it the face goes from its picture straight
    // to the window, and the canvas keeps no copy of it.
    const QImage& face = Artwork.MachineImage;
    const QRect faceArea(QPoint(Layout.MachineLeft, Layout.MachineTop), LogicalSize(face));
    if (face.format() == QImage::Format_RGB32 || face.format() == QImage::Format_ARGB32_Premultiplied) {
        Canvas.Place(faceArea, face, {{QRect(QPoint(), faceArea.size()), faceArea.topLeft()}});
        Touched(faceArea);
    } else {
        Copy(face, QRect(QPoint(), faceArea.size()), faceArea.topLeft());
    }
    for (int w = 0; w < WheelCount; ++w)
        DrawWheel(w);
    const QRect button(QPoint(), LogicalSize(Pictures.SpinBtn));
    Copy(Pictures.StopBtn, button, ToQRect(Layout.StopButtonRect).topLeft());
    Copy(Pictures.SpinBtn, button, ToQRect(Layout.SpinButtonRect).topLeft());
    DrawLabels();
    for (TMeter meter : {TMeter::Credits, TMeter::CoinsPerLine, TMeter::LinesPlayed, TMeter::BonusPool,
                         TMeter::GlobeRow, TMeter::DollarRow})
        DrawMeter(meter);
    DrawAdjusters();
    DrawMeter(TMeter::CoinsPlayed);
    DrawWinnings(true);
    for (int box = 0; box < MysteryBoxCount; ++box)
        DrawMysteryBox(box);
    Touched(DesignRect());
}

// Text with the few pixels its glyphs may reach past their advance included in what is painted.
void TPanel::WriteText(const QRect& box, const QString& text, const QFont& font, const QColor& colour,
                       Qt::Alignment alignment) {
    Canvas.Paint(box.adjusted(-GlyphOverhang, -GlyphOverhang, GlyphOverhang, GlyphOverhang), [&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, alignment | Qt::TextDontClip, text);
    });
}

// A number in digit sprites (see DrawNumber); nothing is painted over spared.
void TPanel::WriteNumber(int32_t value, const QPoint& at, bool green, bool rightAligned, bool exactClear,
                         const QRect& spared) {
    const QRect area = NumberArea(Pictures.Digits, value, at.x(), at.y(), rightAligned, exactClear);
    Canvas.Paint(area, [&](QPainter& painter) {
        if (!spared.isEmpty())
            painter.setClipRegion(QRegion(area).subtracted(spared));
        DrawNumber(painter, Pictures.Digits, value, at.x(), at.y(), green, rightAligned, exactClear);
    });
    Touched(area);
}

} // namespace zorva
