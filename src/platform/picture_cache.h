#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace zorva {

// Pictures made for one device pixel ratio, kept in the user's cache as plain pixels and mapped
// from there on the next start: decoding a three-times twin and scaling it down took longer than
// all the rest of a start. The key is every source file's path, size and time, and the ratio, so
// a changed or replaced file is made anew. make's picture is cached when it is not null.
QImage CachedPicture(const QStringList& sources, double ratio, const std::function<QImage()>& make);

// Where the pictures of a ratio are kept: <cache>/zorva/pictures/<ratio>.
QString PictureCacheFolder(double ratio);

// Keeps the folder of ratio and the most recent other one (a player zooming back and forth);
// the rest would only fill the disk, a zoomed machine's pictures being tens of megabytes.
void PrunePictureCache(double ratio);

} // namespace zorva
