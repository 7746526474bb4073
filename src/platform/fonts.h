#pragma once
#include <QFont>
#include <QString>
#include <thread>

class QPaintDevice;
class QWidget;

namespace zorva {

// Reads the font configuration and finds the game's face on a thread of its own, while the
// application starts: the first label written would otherwise wait 5 to 7 ms for it. Keep the
// thread until the window is shown; it is joined when it goes.
std::jthread WarmUpFonts();

// The game's one sans-serif face, in points (scaled by the device's pixels per inch).
QFont GameFont(double pointSize, bool bold = false);
// The same face at a size in pixels, for windows laid out in fixed pixels.
QFont GameFontPixels(int pixelSize, bool bold = false);

// The resolution painted text is sized at. The art is drawn for small system fonts (96 pixels per
// inch) and large ones (120); a screen that reports more, as X11 does at 192 with Qt's scaling off,
// keeps its art at 1×, so its text stays at the large fonts' size beside it.
int PaintedTextDotsPerMeter(int pixelsPerInch);

// The largest size, from pointSize down in half points to at least minimum, at which text is no
// wider than maxWidth on device.
double FittingPointSize(const QString& text, double pointSize, int maxWidth, const QPaintDevice& device,
                        bool bold = false, double minimum = 6.0);

// Steps a label's or button's font down in half points, to at least six, until its text fits the
// width the widget has: a translation may run longer than the English the design was drawn for.
void FitTextToWidth(QWidget& widget);

} // namespace zorva
