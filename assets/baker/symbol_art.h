#pragma once
#include <QImage>
#include <QString>

namespace zorva::bake {

// One wheel symbol on its white window background, size × size.
QImage SymbolCell(const QString& svgFolder, int code, int size);

// Twelve symbols in code order, four to a row.
QImage SymbolSheet(const QString& svgFolder, int size);

// A column of symbols smeared vertically as if spinning; its last row runs into its first.
QImage MotionStrip(const QString& svgFolder, int size, int rows);

// A symbol on a transparent background, for icons and the payoff chart.
QImage SymbolIcon(const QString& svgFolder, int code, int size);

} // namespace zorva::bake
