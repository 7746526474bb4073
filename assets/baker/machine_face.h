#pragma once
#include <QImage>
#include <QRect>

namespace zorva::bake {

// Where the nine wheel windows lie inside a face, for one symbol size.
struct TFaceLayout {
    int SymbolSize;
    int Width;
    int Height;
    int WindowLeft;
    int WindowTop;
    int PitchX;
    int PitchY;
    int WindowWidth;
    int WindowHeight;

    QRect Window(int wheel) const {
        return {WindowLeft + PitchX * (wheel % 3), WindowTop + PitchY * (wheel / 3), WindowWidth,
                WindowHeight};
    }
    // The white glass of a wheel: its window and whatever the wheel's clearing paints white.
    QRect Glass(int wheel) const;
    // The symbol cell inside the window, where a resting wheel is drawn.
    QRect Cell(int wheel) const;
};

TFaceLayout SmallFace();
TFaceLayout LargeFace();

QImage MachineFace(const TFaceLayout& layout);

} // namespace zorva::bake
