#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <functional>

#include "engine/host.h"
#include "engine/machine.h"
#include "mainwindow/artwork_loader.h"
#include "mainwindow/draw_number.h"
#include "mainwindow/tiled_canvas.h"
#include "mainwindow/layout.h"

class QPainter;

namespace zorva {

// The pictures the panel copies from: the built-in ones, each replaced by its file when the
// loader found one.
struct TPanelPictures {
    QImage SpinBtn;
    QImage StopBtn;
    QImage Stop2;
    QImage Options;
    QImage Logo;
    QImage Bonus;
    QImage Bonus16;
    QImage PlusSmall;
    QImage PlusMinus;
    TDigitStrips Digits;
};

// Each picture sharp at the screen's device pixel ratio (see LoadArtwork).
TPanelPictures LoadPanelPictures(const TArtwork& artwork, int screenWidth, double ratio = 1.0);

// The machine's window drawn into a canvas at the screen's device pixels. Every routine paints
// its own element and reports the rectangle it touched, so a change repaints only its own meter
// on screen. Every coordinate of the panel is in the layout's logical pixels.
class TPanel {
    Q_DECLARE_TR_FUNCTIONS(TPanel)

  public:
    TPanel(const TWindowLayout& layout, const TArtwork& artwork, const TPanelPictures& pictures,
           const TGameSession& session, const TSlotMachine& machine, int pixelsPerInch, double ratio = 1.0);

    TTiledCanvas Canvas;
    const double Ratio;
    // Called with every rectangle of the canvas that changed.
    std::function<void(const QRect&)> Changed;

    void FormPaint();
    // What the canvas covers, in logical pixels: the window's width, and its height down to the
    // lowest thing ever painted (the mystery boxes); the window is black below.
    QRect DesignRect() const;
    // Copies the canvas's pixels under the logical rectangle to the same place of painter's device.
    void CopyTo(QPainter& painter, const QRect& rect) const;

    void DrawWheel(int wheel);
    void ClearWheel(int wheel);
    void DrawBlur(int wheel, int offset);
    void CaptureBounce(int wheel);
    void DrawBounce(int wheel, int shift);
    void HatchLine(int lineIndex);
    void DrawMeter(TMeter meter);
    void DrawWinnings(bool show);
    void DrawMysteryBox(int box);
    void DrawMysteryPrize(int box, bool chosen);
    void DrawStopButton(bool dark);
    void DrawFreeSpinsCount(bool red);
    void ClearWinningsText();

    // Where each label of the panel stands and the size it is written in, after fitting.
    struct TLabelPlace {
        QString Text;
        QRect Box;
        double PointSize = 0;
        int Limit = 0; // the box must end left of this
    };
    std::vector<TLabelPlace> LabelPlaces() const;
    // The rectangle the Winnings meter paints in and blanks (null when this screen has none).
    QRect WinningsArea() const;

  private:
    const TWindowLayout& Layout;
    const TArtwork& Artwork;
    const TPanelPictures& Pictures;
    const TGameSession& Session;
    const TSlotMachine& Machine;
    int PixelsPerInch;
    std::array<QImage, WheelCount> Captures;

    void DrawLabels();
    void WriteText(const QRect& box, const QString& text, const QFont& font, const QColor& colour,
                   Qt::Alignment alignment);
    void WriteNumber(int32_t value, const QPoint& at, bool green, bool rightAligned, bool exactClear,
                     const QRect& spared = {});
    void DrawNumberMeter(TMeter meter);
    void DrawIconRow(bool globes);
    QRect GlobeRowArea() const; // the three globe slots
    int WinningsNumberLeft() const;
    QRect WinningsLabelBox(bool raised) const;
    void DrawAdjusters();
    void Copy(const QImage& source, const QRect& from, const QPoint& to);
    QRect MysteryBoxRect(int box) const;
    void Touched(const QRect& rect);
};

} // namespace zorva
