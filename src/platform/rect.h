#pragma once

namespace zorva {

// Left, Top, Right, Bottom in client pixels; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect RectAt(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace zorva
