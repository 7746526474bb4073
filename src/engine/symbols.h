#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace zorva {

// A symbol code is also the index of its picture on the 4 × 3 symbol sheet.
enum TSymbol : uint8_t {
    Wild = 0,
    Seven = 1,
    Globe = 2,
    Diamond = 3,
    Bell = 4,
    Dollar = 5,
    Cherries = 6,
    Planet = 7,
    Comet = 8,
    Moon = 9,
    Mystery = 10,
    Blank = 11,
};

inline constexpr int SymbolCount = 12;
inline constexpr int WheelCount = 9;
inline constexpr int StripLength = 20;
inline constexpr int LineCount = 8;

using TStrip = std::array<uint8_t, StripLength>;
using TStrips = std::array<TStrip, WheelCount>;
using TStops = std::array<int, WheelCount>;

inline constexpr std::array<std::string_view, WheelCount> NormalStripTexts{
    "011223344455666PPPPP", "01223344556666PPPPPP", "01122233344555666666",
    "012233445566666PPPPP", "0112233344455666666L", "01122334455666PPPPPP",
    "01112233344455566666", "01122334455666PPPPPP", "012233445556666PPPPP",
};

// Only the first 20 characters are a strip; the 21st has always been there and is never read.
inline constexpr std::string_view FreeSpinStripText = "11777888899999PPPPPPP";

inline constexpr TStops InitialStops{4, 1, 6, 7, 10, 9, 3, 0, 12};

// The wheels of paylines 1 to 8: rows, columns, then the two diagonals.
inline constexpr std::array<std::array<int, 3>, LineCount> Paylines{{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {0, 3, 6},
    {1, 4, 7},
    {2, 5, 8},
    {0, 4, 8},
    {6, 4, 2},
}};

// '0'..'9' are their codes, 'L' the mystery symbol, 'P' the blank.
uint8_t DecodeSymbol(char c);
TStrip DecodeStrip(std::string_view text);

void BuildStrips(TStrips& strips);
void BuildFreeSpinStrips(TStrips& strips, const TStops& stops, TStops& savedStops);

} // namespace zorva
