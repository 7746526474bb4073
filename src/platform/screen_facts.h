#pragma once
#include <optional>

namespace zorva {

// What the game needs to know about the screen it starts on.
struct TScreenFacts {
    int Width = 0;
    int Height = 0;
    int ColourDepth = 32; // bits per pixel
    int PixelsPerInch = 96;
};

// The primary screen's facts, or the ones put in their place by InjectScreenFacts.
TScreenFacts ReadScreenFacts();

// Tests fix the screen here instead of reading the machine they run on; nullopt goes
// back to the real screen.
void InjectScreenFacts(std::optional<TScreenFacts> facts);

} // namespace zorva
