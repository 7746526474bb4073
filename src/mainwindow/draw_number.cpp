#include "mainwindow/draw_number.h"

#include <QPainter>
#include <algorithm>
#include <string>

#include "art/builtin_art.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

constexpr std::size_t MaxDigits = 10;

// The strips hold digits only; no amount shown with them can be below 0 in play.
std::string DigitsOf(int32_t value) {
    return std::to_string(std::max<int32_t>(value, 0)).substr(0, MaxDigits);
}

} // namespace

int NumberWidth(const TDigitStrips& strips, int32_t value) {
    return static_cast<int>(DigitsOf(value).size()) * strips.GlyphWidth;
}

TDigitStrips DigitStripsFor(int screenWidth, double ratio) {
    if (screenWidth < 1000)
        return {ReadBuiltinPictureFor(art::DigitsSmall.Path, ratio),
                ReadBuiltinPictureFor(art::GreenSmall.Path, ratio), 16, 21};
    return {ReadBuiltinPictureFor(art::DigitsLarge.Path, ratio),
            ReadBuiltinPictureFor(art::GreenLarge.Path, ratio), 32, 42};
}

QRect NumberArea(const TDigitStrips& strips, int32_t value, int x, int y, bool rightAligned, bool exactClear) {
    const int n = static_cast<int>(DigitsOf(value).size());
    const int gw = strips.GlyphWidth;
    const int gh = strips.GlyphHeight;
    if (rightAligned)
        return QRect(x - (n + 1) * gw, y, (n + 1) * gw, gh);
    return QRect(x, y, (exactClear ? n : n + 1) * gw, gh);
}

QRect DrawNumber(QPainter& painter, const TDigitStrips& strips, int32_t value, int x, int y, bool green,
                 bool rightAligned, bool exactClear) {
    const std::string text = DigitsOf(value);
    const int gw = strips.GlyphWidth;
    const int gh = strips.GlyphHeight;
    const QRect cleared = NumberArea(strips, value, x, y, rightAligned, exactClear);
    painter.fillRect(cleared, Qt::black);

    const QImage& strip = green ? strips.Green : strips.Normal;
    x = rightAligned ? cleared.left() + gw : x;
    for (const char digit : text) {
        DrawPicturePart(painter, QPoint(x, y), strip, QRect((digit - '0') * gw, 0, gw, gh));
        x += gw;
    }
    return cleared;
}

} // namespace zorva
