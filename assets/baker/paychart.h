#pragma once
#include <QImage>
#include <QString>

namespace zorva::bake {

// The payoff chart, drawn from the engine's own tables so it cannot disagree with them.
QImage PayoffChart(const QString& svgFolder, int width, int height);

} // namespace zorva::bake
