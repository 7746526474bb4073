#pragma once
#include "mainwindow/machine_geometry.h"

namespace zorva {

enum class TScreenBand { Small, Medium, Large };

// Small below 700 pixels of screen width, Medium to 999, Large from 1000.
TScreenBand ScreenBandOf(int screenWidth);

struct TSize {
    int Width = 0;
    int Height = 0;
};

// What the layout is computed from: the screen, the machine face as loaded and the sizes of the
// pictures that stand beside it.
struct TLayoutInputs {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int MachineLeft = 0;
    int MachineTop = 0;
    TSize Machine;
    TSize SpinBtn;
    TSize StopBtn;
    TSize PlusSmall;
    TSize PlusMinus;
    TSize Logo;
    TSize Options;
    int SymbolSize = 96; // the wheels' symbols: 64 on the small machine face, 96 on the large
};

// Where everything of the main window stands; fixed for the run. Rectangles are half-open for
// drawing, but a click on their Right or Bottom coordinate still counts as inside (Contains).
struct TWindowLayout {
    int ScreenWidth = 0;
    TScreenBand Band = TScreenBand::Small;
    int WindowWidth = 0;
    int WindowHeight = 0;
    int MachineLeft = 0;
    int MachineTop = 0;
    TSize Machine;
    TRect StopButtonRect;
    TRect SpinButtonRect;
    TRect LinesAdjusterRect;
    TRect CoinsAdjusterRect;
    TRect LogoRect;
    TRect OptionsRect; // the template: option button 0 stands here
    TMachineGeometry Geometry; // where the wheels and the machine's own boxes stand

    // The machine's right edge.
    int M() const { return MachineLeft + Machine.Width; }
    TRect OptionButtonRect(int tag) const;
};

TWindowLayout LayOut(const TLayoutInputs& in);

// Room the window manager's title bar takes above a window (37 pixels under KWin's Breeze).
inline constexpr int TitleBarRoom = 40;

// The unmaximised window: the design's size, but within the work area (a zero side is taken as
// the whole screen) with room for a title bar, so neither a panel nor the screen's edge cuts it.
TSize NormalWindowSize(const TWindowLayout& layout, int workWidth, int workHeight);

// The minus button of an adjuster pair: as wide as the plus button, 5 pixels right of it.
TRect MinusButtonOf(const TRect& plus);

// Both ends included.
bool Contains(const TRect& rect, int x, int y);

} // namespace zorva
