#pragma once
#include "platform/rect.h"

namespace zorva {

// Where the machine face sits and how big its symbols are; fixed at start-up.
struct TMachineGeometry {
    int ScreenWidth = 1024;
    int MachineLeft = 0;
    int MachineTop = 0;
    int SymbolSize = 96;
};

TRect WheelCell(const TMachineGeometry& g, int wheel);
TRect WheelWindow(const TMachineGeometry& g, int wheel);
TRect ClearingRect(const TMachineGeometry& g, int wheel);
TRect BounceCapture(const TMachineGeometry& g, int wheel);
// The payline highlight follows the screen width rather than the symbol size.
TRect HighlightBox(const TMachineGeometry& g, int wheel);
// The black box that wipes the winnings text of the 700–999 pixel layout.
TRect WinningsTextRect(const TMachineGeometry& g);
bool HasWinningsText(const TMachineGeometry& g);

} // namespace zorva
