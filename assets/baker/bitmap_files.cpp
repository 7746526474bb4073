#include "bitmap_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include <libimagequant.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace zorva::bake {

namespace {

void Check(bool ok, const QString& what) {
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

void MakeFolderFor(const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
}

struct LiqDeleter {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
    void operator()(liq_image* i) const { liq_image_destroy(i); }
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};

} // namespace

QImage Flatten(const QImage& image, QColor background) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

QImage Quantise(const QImage& image, int maxColours, const QList<QRgb>& fixedColours) {
    // libimagequant reads straight RGBA bytes.
    const QImage rgba = Flatten(image).convertToFormat(QImage::Format_RGBA8888);
    std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    liq_set_max_colors(attr.get(), maxColours);
    liq_set_speed(attr.get(), 1);
    liq_set_quality(attr.get(), 0, 100);
    std::vector<const unsigned char*> rows(rgba.height());
    for (int y = 0; y < rgba.height(); ++y)
        rows[y] = rgba.constScanLine(y);
    std::unique_ptr<liq_image, LiqDeleter> liqImage(liq_image_create_rgba_rows(
        attr.get(), reinterpret_cast<void**>(const_cast<unsigned char**>(rows.data())), rgba.width(),
        rgba.height(), 0));
    Check(liqImage != nullptr, "libimagequant refused an image");
    for (QRgb c : fixedColours)
        liq_image_add_fixed_color(liqImage.get(),
                                  liq_color{uchar(qRed(c)), uchar(qGreen(c)), uchar(qBlue(c)), 255});
    liq_result* rawResult = nullptr;
    Check(liq_image_quantize(liqImage.get(), attr.get(), &rawResult) == LIQ_OK, "libimagequant failed");
    std::unique_ptr<liq_result, LiqDeleter> result(rawResult);
    // Half-strength dithering smooths the gradients without speckling the flat areas.
    liq_set_dithering_level(result.get(), 0.5f);

    QImage out(rgba.size(), QImage::Format_Indexed8);
    std::vector<unsigned char*> outRows(out.height());
    for (int y = 0; y < out.height(); ++y)
        outRows[y] = out.scanLine(y);
    Check(liq_write_remapped_image_rows(result.get(), liqImage.get(), outRows.data()) == LIQ_OK,
          "libimagequant could not remap");
    const liq_palette* pal = liq_get_palette(result.get());
    QList<QRgb> table;
    for (unsigned i = 0; i < pal->count; ++i)
        table.append(qRgb(pal->entries[i].r, pal->entries[i].g, pal->entries[i].b));
    out.setColorTable(table);
    return out;
}

void SaveBmp24(const QImage& image, const QString& file) {
    MakeFolderFor(file);
    Check(Flatten(image).save(file, "BMP"), "cannot write " + file);
}

void SaveBmp8(const QImage& image, const QString& file) {
    MakeFolderFor(file);
    const QImage indexed = image.format() == QImage::Format_Indexed8 ? image : Quantise(image, 256);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Check(indexed.save(&buffer, "BMP"), "cannot encode " + file);
    // Qt's writer leaves the padding at the end of each row as its buffer held it; zeroed, two bakes
    // of one picture give the same file.
    const qsizetype pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
    const qsizetype rowBytes = (indexed.width() + 3) & ~3;
    for (qsizetype row = pixels; row + rowBytes <= bytes.size(); row += rowBytes)
        std::fill(bytes.begin() + row + indexed.width(), bytes.begin() + row + rowBytes, '\0');
    QFile out(file);
    Check(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size(), "cannot write " + file);
}

void SavePng(const QImage& image, const QString& file) {
    MakeFolderFor(file);
    Check(image.save(file, "PNG"), "cannot write " + file);
}

} // namespace zorva::bake
