#include "mainwindow/machine_geometry.h"

namespace zorva {

namespace {

struct TWheelOffsets {
    int Left, Top, PitchX, PitchY;
};

TRect Place(const TMachineGeometry& g, int wheel, TWheelOffsets o, int width, int height) {
    const int col = wheel % 3;
    const int row = wheel / 3;
    return RectAt(g.MachineLeft + o.Left + o.PitchX * col, g.MachineTop + o.Top + o.PitchY * row, width,
                  height);
}

bool Small(const TMachineGeometry& g) {
    return g.SymbolSize == 64;
}

} // namespace

TRect WheelCell(const TMachineGeometry& g, int wheel) {
    return Small(g) ? Place(g, wheel, {49, 59, 81, 112}, 64, 64)
                    : Place(g, wheel, {79, 94, 124, 173}, 96, 96);
}

TRect WheelWindow(const TMachineGeometry& g, int wheel) {
    return Small(g) ? Place(g, wheel, {49, 45, 81, 112}, 64, 97)
                    : Place(g, wheel, {79, 70, 124, 173}, 96, 150);
}

TRect ClearingRect(const TMachineGeometry& g, int wheel) {
    return Small(g) ? Place(g, wheel, {49, 45, 81, 112}, 64, 97)
                    : Place(g, wheel, {75, 70, 124, 173}, 99, 150);
}

TRect BounceCapture(const TMachineGeometry& g, int wheel) {
    return Small(g) ? Place(g, wheel, {45, 59, 81, 112}, 64, 72)
                    : Place(g, wheel, {79, 90, 124, 173}, 96, 104);
}

TRect HighlightBox(const TMachineGeometry& g, int wheel) {
    return g.ScreenWidth < 1000 ? Place(g, wheel, {49, 45, 81, 112}, 65, 97)
                                : Place(g, wheel, {75, 70, 124, 173}, 99, 150);
}

TRect WinningsTextRect(const TMachineGeometry& g) {
    return {g.MachineLeft, 0, g.MachineLeft + 300, 44};
}

bool HasWinningsText(const TMachineGeometry& g) {
    return g.ScreenWidth >= 700 && g.ScreenWidth < 1000;
}

} // namespace zorva
