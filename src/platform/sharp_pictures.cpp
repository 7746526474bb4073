#include "platform/sharp_pictures.h"

#include <QPainter>
#include <cmath>
#include <utility>

#include "platform/picture_file.h"

namespace zorva {

QString TwinPath(const QString& path, int scale) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x.png").arg(scale);
}

int TwinScaleFor(double ratio) {
    if (ratio <= 1.0)
        return 1;
    return ratio <= 2.0 ? 2 : 3;
}

QSize LogicalSize(const QImage& picture) {
    const double ratio = picture.devicePixelRatio();
    return {qRound(picture.width() / ratio), qRound(picture.height() / ratio)};
}

QImage PictureForRatio(const QImage& single, QImage twin, double ratio, int twinScale) {
    if (ratio <= 1.0 || twin.isNull())
        return single;
    // Taken, not shared: setting the ratio on a shared picture would copy every pixel of it.
    QImage picture = std::move(twin);
    if (ratio < twinScale) {
        // Qt 6.4 crashes scaling a palette picture smoothly: the chips are scaled in 32 bits.
        if (picture.format() == QImage::Format_Indexed8)
            picture = picture.convertToFormat(QImage::Format_ARGB32);
        const QSize device(qRound(picture.width() * ratio / twinScale),
                           qRound(picture.height() * ratio / twinScale));
        picture = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    } else {
        picture.setDevicePixelRatio(twinScale);
    }
    return picture;
}

QImage ReadBuiltinPictureFor(const char* resourcePath, double ratio) {
    const QString path = QString::fromLatin1(resourcePath);
    const int scale = TwinScaleFor(ratio);
    if (scale == 1)
        return ReadPicture(path, "PNG");
    return PictureForRatio({}, ReadPicture(TwinPath(path, scale), "PNG"), ratio, scale);
}

QImage NewDeviceImage(const QSize& size, double ratio) {
    QImage image(DevicePixelsOf(QRect(QPoint(), size), ratio).size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

namespace {

// One axis of a part drawn pixel for pixel: the device pixels Qt fills for the target [at, at +
// length), its ends rounded, and the picture's pixel under the centre of the first of them.
struct TDeviceSpan {
    int First;
    int Length;
    int Source;
};

TDeviceSpan SpanOf(double at, double length, double source) {
    const int first = qRound(at);
    const int end = qRound(at + length);
    return {first, end - first, first + static_cast<int>(std::floor(source - at + 0.5))};
}

} // namespace

void DrawPicturePart(QPainter& painter, const QPoint& to, const QImage& picture, const QRect& from) {
    const double ratio = picture.devicePixelRatio();
    if (ratio == 1.0) {
        painter.drawImage(to, picture, from);
        return;
    }
    const QRectF source(from.x() * ratio, from.y() * ratio, from.width() * ratio, from.height() * ratio);
    // Under the painter's scale to logical pixels Qt copies pixel by pixel through its scaling
    // path, a third of a spin's drawing at a zoomed ratio; in device pixels it is a plain blit.
    // Where rounding would reach past the picture's edge, Qt's path stretches it instead.
    const QTransform world = painter.worldTransform();
    const TDeviceSpan x = SpanOf((to.x() + world.dx()) * ratio, from.width() * ratio, source.x());
    const TDeviceSpan y = SpanOf((to.y() + world.dy()) * ratio, from.height() * ratio, source.y());
    if (world.type() > QTransform::TxTranslate || painter.device()->devicePixelRatio() != ratio ||
        !picture.rect().contains(QRect(x.Source, y.Source, x.Length, y.Length))) {
        painter.drawImage(QRectF(to, from.size()), picture, source);
        return;
    }
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    painter.drawImage(QRectF(x.First, y.First, x.Length, y.Length), picture,
                      QRectF(x.Source, y.Source, x.Length, y.Length));
    painter.restore();
}

QRect DevicePixelsOf(const QRect& logical, double ratio) {
    const int left = static_cast<int>(std::floor(logical.x() * ratio));
    const int top = static_cast<int>(std::floor(logical.y() * ratio));
    const int right = static_cast<int>(std::ceil((logical.x() + logical.width()) * ratio));
    const int bottom = static_cast<int>(std::ceil((logical.y() + logical.height()) * ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect DeviceAligned(const QRect& logical, double ratio) {
    if (ratio == std::floor(ratio))
        return logical;
    const QRect device = DevicePixelsOf(logical, ratio);
    const int left = static_cast<int>(std::floor(device.x() / ratio));
    const int top = static_cast<int>(std::floor(device.y() / ratio));
    const int right = static_cast<int>(std::ceil((device.x() + device.width()) / ratio));
    const int bottom = static_cast<int>(std::ceil((device.y() + device.height()) / ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace zorva
