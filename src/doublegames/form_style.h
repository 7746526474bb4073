#pragma once
#include <QColor>
#include <cstdint>

class QWidget;

namespace zorva {

// The windows are laid out at 96 pixels per inch and keep their look whatever the desktop's font
// scaling, so their fonts are sized in pixels (GameFontPixels); a size in points is converted here,
// rounded to the nearest pixel.
constexpr int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

// A colour value: red in the lowest byte, green in the middle, blue in the highest.
inline QColor ColourValue(uint32_t value) {
    return QColor(static_cast<int>(value & 0xff), static_cast<int>((value >> 8) & 0xff),
                  static_cast<int>((value >> 16) & 0xff));
}

// Sets the colour of a label's or a text box's text; a text box keeps a black ground.
void SetTextColour(QWidget* widget, uint32_t value);

namespace colour {
inline constexpr uint32_t Maroon = 0x000080;
inline constexpr uint32_t Black = 0x000000;
inline constexpr uint32_t White = 0xffffff;
inline constexpr uint32_t Yellow = 0x00ffff;
inline constexpr uint32_t Red = 0x0000ff;
inline constexpr uint32_t Blue = 0xff0000;
} // namespace colour

} // namespace zorva
