#pragma once

namespace zorva {

// What the game needs to know about the screen it starts on.
struct TScreenFacts {
    int Width = 0;
    int Height = 0;
    int ColourDepth = 32; // bits per pixel
    int PixelsPerInch = 96;
};

// The primary screen's facts.
TScreenFacts ReadScreenFacts();

} // namespace zorva
