#include "doublegames/button_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "art/builtin_art.h"

namespace zorva {

namespace {

constexpr int PictureSize = 24;

QPixmap BlankPicture() {
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QIcon PyramidButtonPicture() {
    const QImage square(QString::fromLatin1(art::pyramid::BlueBox.Path));
    QPixmap picture = BlankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    constexpr int side = 11;
    for (const QPoint corner : {QPoint(6, 1), QPoint(0, 12), QPoint(12, 12)})
        painter.drawImage(QRect(corner, QSize(side, side)), square);
    return QIcon(picture);
}

QIcon CardGameButtonPicture() {
    const QImage back(QString::fromLatin1(art::cards::back.Path));
    const QImage joker(QString::fromLatin1(art::cards::Joker.Path));
    QPixmap picture = BlankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(1, 1, 15, 20), back);
    painter.drawImage(QRect(8, 3, 15, 20), joker);
    return QIcon(picture);
}

} // namespace zorva
