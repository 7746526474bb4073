#include "mainwindow/layout.h"

#include <algorithm>

namespace zorva {

namespace {

constexpr int OptionRows = 7;

} // namespace

TScreenBand ScreenBandOf(int screenWidth) {
    if (screenWidth < 700)
        return TScreenBand::Small;
    if (screenWidth < 1000)
        return TScreenBand::Medium;
    return TScreenBand::Large;
}

TSize NormalWindowSize(const TWindowLayout& layout, int workWidth, int workHeight) {
    const int width = workWidth > 0 ? std::min(layout.WindowWidth, workWidth) : layout.WindowWidth;
    const int height = std::min(layout.WindowHeight, (workHeight > 0 ? workHeight : layout.WindowHeight) - TitleBarRoom);
    return {std::max(width, 1), std::max(height, 1)};
}

TWindowLayout LayOut(const TLayoutInputs& in) {
    TWindowLayout l;
    l.ScreenWidth = in.ScreenWidth;
    l.Band = ScreenBandOf(in.ScreenWidth);
    l.WindowWidth = in.ScreenWidth - 10;
    l.WindowHeight = in.ScreenHeight;
    l.MachineLeft = in.MachineLeft;
    l.MachineTop = in.MachineTop;
    l.Machine = in.Machine;
    l.Geometry = {in.ScreenWidth, in.MachineLeft, in.MachineTop, in.SymbolSize};
    const int m = l.M();

    // Spin above Stop, centred in the strip right of the machine, Stop level with its bottom.
    const int buttonLeft = m + (in.ScreenWidth - m) / 2 - in.SpinBtn.Width / 2;
    const int stopBottom = in.MachineTop + in.Machine.Height;
    l.StopButtonRect = {buttonLeft, stopBottom - in.SpinBtn.Height, buttonLeft + in.SpinBtn.Width,
                        stopBottom};
    const int spinBottom = l.StopButtonRect.Top - 10;
    l.SpinButtonRect = {buttonLeft, spinBottom - in.StopBtn.Height, l.StopButtonRect.Right, spinBottom};

    const bool large = l.Band == TScreenBand::Large;
    const TSize adjuster = large ? in.PlusMinus : in.PlusSmall;
    const int top = large ? 36 : 32;
    const int linesLeft = m + (l.Band == TScreenBand::Small ? 36 : l.Band == TScreenBand::Medium ? 48 : 39);
    const int coinsLeft = linesLeft + (l.Band == TScreenBand::Small    ? 75
                                       : l.Band == TScreenBand::Medium ? 121
                                                                       : 125);
    l.LinesAdjusterRect = RectAt(linesLeft, top, adjuster.Width / 2, adjuster.Height);
    l.CoinsAdjusterRect = RectAt(coinsLeft, top, adjuster.Width / 2, adjuster.Height);

    l.LogoRect = RectAt((in.MachineLeft - in.Logo.Width) / 2, l.StopButtonRect.Bottom - in.Logo.Height,
                        in.Logo.Width, in.Logo.Height);
    l.OptionsRect = RectAt(l.SpinButtonRect.Left, l.SpinButtonRect.Top - in.Options.Height - 20,
                           in.Options.Width, in.Options.Height);
    return l;
}

// Two columns of seven, each filled from the bottom up.
TRect TWindowLayout::OptionButtonRect(int tag) const {
    return RectAt(OptionsRect.Left + (tag / OptionRows) * OptionsRect.Width(),
                  OptionsRect.Top - (tag % OptionRows) * OptionsRect.Height(), OptionsRect.Width(),
                  OptionsRect.Height());
}

TRect MinusButtonOf(const TRect& plus) {
    return RectAt(plus.Right + 5, plus.Top, plus.Width(), plus.Height());
}

bool Contains(const TRect& rect, int x, int y) {
    return x >= rect.Left && x <= rect.Right && y >= rect.Top && y <= rect.Bottom;
}

} // namespace zorva
