#pragma once
#include <QImage>

namespace zorva {

// A new image of the given size and format, uninitialised, in memory the kernel may back with
// huge pages: a window-sized canvas then comes in with a handful of page faults instead of two
// thousand, which is most of what its first fill costs.
QImage NewLargeImage(int width, int height, QImage::Format format);

} // namespace zorva
