#pragma once

namespace zorva {

// What the game needs to know about the screen it starts on.
struct TScreenFacts {
    int Width = 0;
    int Height = 0;
    int ColourDepth = 32; // bits per pixel
    int PixelsPerInch = 96;
    // Device pixels per logical pixel: 2 on a screen at 200 %, 1.5 at 150 %.
    double DevicePixelRatio = 1.0;
    // The work area: the screen less the desktop's panels; zero where it is not known.
    int WorkLeft = 0;
    int WorkTop = 0;
    int WorkWidth = 0;
    int WorkHeight = 0;
};

// The primary screen's facts.
TScreenFacts ReadScreenFacts();

} // namespace zorva
