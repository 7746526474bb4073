#pragma once
#include <QColor>
#include <QImage>
#include <QString>

namespace zorva::bake {

inline const QColor ChipTransparentTeal(0, 128, 128);

// A gaming chip seen at an angle, 16 colours, teal wherever the chip is not.
QImage Chip(const QString& amount, QColor colour, int width, int height);

// A bevelled square of the Pyramid game.
QImage PyramidSquare(QColor colour, int size);

} // namespace zorva::bake
