#include "mainwindow/draw_number.h"

#include <QPainter>
#include <algorithm>
#include <string>

#include "art/builtin_art.h"
#include "platform/picture_file.h"

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

TDigitStrips DigitStripsFor(int screenWidth) {
    if (screenWidth < 1000)
        return {ReadBuiltinPicture(art::DigitsSmall.Path), ReadBuiltinPicture(art::GreenSmall.Path), 16, 21};
    return {ReadBuiltinPicture(art::DigitsLarge.Path), ReadBuiltinPicture(art::GreenLarge.Path), 32, 42};
}

QRect DrawNumber(QPainter& painter, const TDigitStrips& strips, int32_t value, int x, int y, bool green,
                 bool rightAligned, bool exactClear) {
    const std::string text = DigitsOf(value);
    const int n = static_cast<int>(text.size());
    const int gw = strips.GlyphWidth;
    const int gh = strips.GlyphHeight;
    if (rightAligned)
        x -= n * gw;

    QRect cleared;
    if (rightAligned)
        cleared = QRect(x - gw, y, (n + 1) * gw, gh);
    else if (exactClear)
        cleared = QRect(x, y, n * gw, gh);
    else
        cleared = QRect(x, y, (n + 1) * gw, gh);
    painter.fillRect(cleared, Qt::black);

    const QImage& strip = green ? strips.Green : strips.Normal;
    for (const char digit : text) {
        painter.drawImage(QPoint(x, y), strip, QRect((digit - '0') * gw, 0, gw, gh));
        x += gw;
    }
    return cleared;
}

} // namespace zorva
