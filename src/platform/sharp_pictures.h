#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace zorva {

// Every picture has twins drawn at twice and three times its size beside it: "Spin.bmp",
// "Spin@2x.png" and "Spin@3x.png", ":/art/SpinBtn.png" and ":/art/SpinBtn@2x.png".
QString TwinPath(const QString& path, int scale = 2);

// The twin to draw from on a screen of the given device pixel ratio: the smallest that has at least
// as many pixels as the screen (1 for the picture itself), the largest above 3.
int TwinScaleFor(double ratio);

// A picture's size in the window's logical pixels, whatever the pixels it holds.
QSize LogicalSize(const QImage& picture);

// The picture to draw on a screen of the given device pixel ratio, made from its 1× picture and
// its twin at twinScale times its size (either may be null): the 1× picture at ratio 1 or without
// a twin, the twin at its own scale and above, and below it the twin scaled down smoothly, once,
// to the screen's pixels.
QImage PictureForRatio(const QImage& single, QImage twin, double ratio, int twinScale = 2);

// A built-in picture for the ratio: the 1× one at 1, the twin TwinScaleFor picks above (only the
// one is read).
QImage ReadBuiltinPictureFor(const char* resourcePath, double ratio);

// A 32-bit image covering size logical pixels at the ratio, its device pixel ratio set.
QImage NewDeviceImage(const QSize& size, double ratio);

// Copies the part from of picture (in logical pixels) to the point to, pixel for pixel of the device.
void DrawPicturePart(QPainter& painter, const QPoint& to, const QImage& picture, const QRect& from);

// The logical rectangle, widened outward until its edges fall on whole device pixels, so that
// a repaint of it leaves no half-covered pixel behind at a fractional ratio.
QRect DeviceAligned(const QRect& logical, double ratio);
// The device pixels that a logical rectangle touches.
QRect DevicePixelsOf(const QRect& logical, double ratio);

} // namespace zorva
