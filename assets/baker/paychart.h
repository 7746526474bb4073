#pragma once
#include <QImage>
#include <QString>

namespace zorva::bake {

struct TPaychartTexts;

// The payoff chart, drawn from the engine's own tables so it cannot disagree with them, in the
// language of texts.
QImage PayoffChart(const QString& svgFolder, int width, int height, const TPaychartTexts& texts);

} // namespace zorva::bake
