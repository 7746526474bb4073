#include "engine/symbols.h"

namespace zorva {

uint8_t DecodeSymbol(char c) {
    if (c == 'L')
        return Mystery;
    if (c == 'P')
        return Blank;
    return static_cast<uint8_t>(c - '0');
}

TStrip DecodeStrip(std::string_view text) {
    TStrip strip{};
    for (int i = 0; i < StripLength; ++i)
        strip[i] = DecodeSymbol(text[i]);
    return strip;
}

void BuildStrips(TStrips& strips) {
    for (int w = 0; w < WheelCount; ++w)
        strips[w] = DecodeStrip(NormalStripTexts[w]);
}

void BuildFreeSpinStrips(TStrips& strips, const TStops& stops, TStops& savedStops) {
    const TStrip strip = DecodeStrip(FreeSpinStripText);
    strips.fill(strip);
    savedStops = stops;
}

} // namespace zorva
