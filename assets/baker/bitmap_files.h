#pragma once
#include <QColor>
#include <QImage>
#include <QString>

namespace zorva::bake {

// Opaque 24-bit picture; anything transparent is laid on the given background first.
QImage Flatten(const QImage& image, QColor background = Qt::black);

// A palettised copy made by libimagequant; fixedColours stay exact in the palette.
QImage Quantise(const QImage& image, int maxColours, const QList<QRgb>& fixedColours = {});

void SaveBmp24(const QImage& image, const QString& file);
void SaveBmp8(const QImage& image, const QString& file);
void SavePng(const QImage& image, const QString& file);

} // namespace zorva::bake
