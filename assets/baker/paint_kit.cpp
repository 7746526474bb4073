#include "paint_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>
#include <vector>

namespace zorva::bake {

namespace {

int Scale = 1;

} // namespace

void SetBakeScale(int scale) {
    Scale = scale;
}

int BakeScale() {
    return Scale;
}

QImage NewCanvas(int width, int height, QColor fill) {
    QImage image(width * Scale, height * Scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(Scale);
    image.fill(fill);
    return image;
}

QSize DesignSize(const QImage& image) {
    const int scale = qRound(image.devicePixelRatio());
    return {image.width() / scale, image.height() / scale};
}

QFont ArtFont(qreal pixelSize, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QBrush VerticalGradient(const QRectF& r, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QBrush GlossGradient(const QRectF& r, QColor base) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(165));
    g.setColorAt(0.48, base.lighter(115));
    g.setColorAt(0.52, base);
    g.setColorAt(1, base.darker(190));
    return g;
}

void PaintGlossyPanel(QPainter& p, const QRectF& r, qreal radius, QColor base, QColor rim) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.5));
    p.setBrush(GlossGradient(r, base));
    p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    QRectF sheen = r.adjusted(r.width() * 0.08, 2.5, -r.width() * 0.08, -r.height() * 0.55);
    QLinearGradient g(sheen.topLeft(), sheen.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, 150));
    g.setColorAt(1, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(sheen, radius * 0.7, radius * 0.7);
    p.restore();
}

void PaintChromeFrame(QPainter& p, const QRectF& inner, qreal thickness, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = inner.adjusted(-thickness, -thickness, thickness, thickness);
    QPainterPath ring;
    ring.addRoundedRect(outer, radius, radius);
    QPainterPath hole;
    hole.addRect(inner);
    ring = ring.subtracted(hole);
    QLinearGradient g(outer.topLeft(), outer.bottomRight());
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(0.35, palette::Chrome);
    g.setColorAt(0.55, QColor(0x9a, 0xa3, 0xb8));
    g.setColorAt(1, palette::ChromeDark);
    p.fillPath(ring, g);
    p.setPen(QPen(QColor(0x20, 0x18, 0x38), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // The inner lip is a shadow line on the lit sides, a highlight on the others.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect in = inner.toAlignedRect();
    p.setPen(QColor(0x30, 0x30, 0x40));
    p.drawLine(in.left() - 1, in.top() - 1, in.right() + 1, in.top() - 1);
    p.drawLine(in.left() - 1, in.top() - 1, in.left() - 1, in.bottom() + 1);
    p.setPen(QColor(0xc8, 0xcc, 0xda));
    p.drawLine(in.left() - 1, in.bottom() + 1, in.right() + 1, in.bottom() + 1);
    p.drawLine(in.right() + 1, in.top() - 1, in.right() + 1, in.bottom() + 1);
    p.restore();
}

void PaintEmbossedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font, QColor fill,
                       QColor outline, qreal outlineWidth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(font);
    const QRectF box = fm.tightBoundingRect(text);
    const QPointF origin(r.center().x() - box.center().x(), r.center().y() - box.center().y());
    QPainterPath path;
    path.addText(origin, font, text);
    p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(0.8, 1.2));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    QLinearGradient g(origin.x(), origin.y() + box.top(), origin.x(), origin.y() + box.bottom());
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(0.5, fill);
    g.setColorAt(1, fill.darker(130));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

QImage WrappedVerticalBlur(const QImage& source, int designRadius) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int radius = designRadius * qRound(image.devicePixelRatio());
    QImage out(image.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    const int h = image.height();
    const int span = 2 * radius + 1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < h; ++y) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(((y + k) % h + h) % h))[x];
                sum[0] += qRed(c);
                sum[1] += qGreen(c);
                sum[2] += qBlue(c);
                sum[3] += qAlpha(c);
            }
            reinterpret_cast<QRgb*>(out.scanLine(y))[x] =
                qRgba(sum[0] / span, sum[1] / span, sum[2] / span, sum[3] / span);
        }
    }
    return out;
}

namespace {

std::vector<float> BlurAlpha(const QImage& image, int radius) {
    const int w = image.width(), h = image.height();
    std::vector<float> a(size_t(w) * h), t(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = qAlpha(image.pixel(x, y)) / 255.0f;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k)
                    s += a[size_t(y) * w + std::clamp(x + k, 0, w - 1)];
                t[size_t(y) * w + x] = s / (2 * radius + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k)
                    s += t[size_t(std::clamp(y + k, 0, h - 1)) * w + x];
                a[size_t(y) * w + x] = s / (2 * radius + 1);
            }
    }
    return a;
}

} // namespace

QImage WithDropShadow(const QImage& art, QPointF offset, int blurRadius, qreal opacity) {
    const std::vector<float> alpha = BlurAlpha(art, blurRadius * qRound(art.devicePixelRatio()));
    QImage shadow(art.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(art.devicePixelRatio());
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const int a = qRound(alpha[size_t(y) * art.width() + x] * opacity * 255);
            shadow.setPixel(x, y, qPremultiply(qRgba(20, 10, 40, a)));
        }
    const QSize size = DesignSize(art);
    QImage out = NewCanvas(size.width(), size.height());
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(offset, shadow);
    p.drawImage(0, 0, art);
    return out;
}

QImage RenderSvg(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        throw std::runtime_error("cannot read " + file.toStdString());
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, size.width(), size.height()));
    return image;
}

void FillOutside(QImage& image, const QPainterPath& shape, QColor colour) {
    const qreal scale = image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!shape.contains(QPointF((x + 0.5) / scale, (y + 0.5) / scale)))
                image.setPixelColor(x, y, colour);
}

} // namespace zorva::bake
