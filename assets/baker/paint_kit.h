#pragma once
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Small drawing helpers shared by every picture: one light source (top left),
// one cabinet palette, one font.
namespace zorva::bake {

namespace palette {
inline const QColor Gold{0xf5, 0xc5, 0x3a};
inline const QColor GoldDark{0x8a, 0x55, 0x00};
inline const QColor GoldLight{0xff, 0xf0, 0xa8};
inline const QColor CabinetTop{0x3a, 0x1c, 0x7a};
inline const QColor CabinetBottom{0x12, 0x07, 0x33};
inline const QColor Marquee{0xc0, 0x10, 0x2a};
inline const QColor MarqueeDark{0x5a, 0x00, 0x12};
inline const QColor Chrome{0xe8, 0xec, 0xf4};
inline const QColor ChromeDark{0x5a, 0x62, 0x78};
} // namespace palette

// Every picture is drawn in its design's pixels; a bake at scale 2 gives the twice-as-sharp twin
// of the same drawing (the canvas has twice the pixels and a device pixel ratio of 2).
void SetBakeScale(int scale);
int BakeScale();

// A canvas of width × height design pixels at the bake's scale.
QImage NewCanvas(int width, int height, QColor fill = Qt::transparent);

// A picture's size in design pixels, whatever its scale.
QSize DesignSize(const QImage& image);

// The project's one font face, found on every machine the build runs on.
QFont ArtFont(qreal pixelSize, bool bold = true);

// A vertical gradient from light to dark, as lit from above.
QBrush VerticalGradient(const QRectF& r, QColor top, QColor bottom);
QBrush GlossGradient(const QRectF& r, QColor base);

// A rounded glossy panel: dark rim, body gradient, light top sheen.
void PaintGlossyPanel(QPainter& p, const QRectF& r, qreal radius, QColor base, QColor rim);

// A chrome bezel ring around a rectangle, lit from the top left.
void PaintChromeFrame(QPainter& p, const QRectF& inner, qreal thickness, qreal radius);

// Text with a dark outline and a light drop, centred in r.
void PaintEmbossedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font, QColor fill,
                       QColor outline, qreal outlineWidth);

// A vertical box blur that wraps around, so a strip blurred with it stays seamless.
QImage WrappedVerticalBlur(const QImage& image, int radius);

// The shadow of a picture's opaque pixels, blurred and offset toward the bottom right.
QImage WithDropShadow(const QImage& art, QPointF offset, int blurRadius, qreal opacity);

QImage RenderSvg(const QString& file, QSize size);

// Pixels outside a rounded rectangle take the given colour: the corners of masked pictures.
void FillOutside(QImage& image, const QPainterPath& shape, QColor colour);

} // namespace zorva::bake
