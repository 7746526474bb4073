#pragma once
#include <QRect>

#include "platform/rect.h"

namespace zorva {

// The design's rectangles, whose Right and Bottom are exclusive, as Qt's.
inline QRect ToQRect(const TRect& r) {
    return {r.Left, r.Top, r.Width(), r.Height()};
}

} // namespace zorva
