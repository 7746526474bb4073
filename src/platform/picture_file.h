#pragma once
#include <QImage>
#include <QString>

namespace zorva {

// Reads a picture in the one format named ("BMP", "PNG"), or a null image. Qt's own guessing
// would load every image plugin to ask it about the file first; the game's pictures never
// need them.
QImage ReadPicture(const QString& path, const char* format);

// One of the pictures compiled into the program (":/art/…"), all of them PNG.
QImage ReadBuiltinPicture(const char* resourcePath);

} // namespace zorva
