#include "platform/picture_file.h"

#include <QImageReader>

namespace zorva {

QImage ReadPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ReadBuiltinPicture(const char* resourcePath) {
    return ReadPicture(QString::fromLatin1(resourcePath), "PNG");
}

} // namespace zorva
