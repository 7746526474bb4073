#pragma once
#include <QImage>
#include <QString>

namespace zorva::bake {

enum class TButtonLook { Spin, Stop, StopDark };

QImage BigButton(TButtonLook look, int width, int height);
QImage OptionButton(int width, int height);

// Seven-segment digits 0 to 9 in glyph cells of glyphWidth, then a minus sign; width is the strip's.
QImage DigitStrip(int width, int glyphWidth, int glyphHeight, bool green);

// A plus button and a minus button side by side, each half of width.
QImage AdjusterPair(int width, int height);

// The globe icon over the dollar icon, each size × size, on black.
QImage BonusIcons(const QString& svgFolder, int size);

QImage Logo(const QString& svgFolder, int width, int height);

} // namespace zorva::bake
