#pragma once
#include <array>
#include <cstdint>

#include "engine/symbols.h"

namespace zorva {

struct TPayoffRule {
    uint8_t Symbol; // every symbol of the line is this one or wild
    int PerCoin;
};

// Normal spins: the first rule that matches pays; three wilds come first.
inline constexpr int ThreeWildsPerCoin = 150;
inline constexpr std::array<TPayoffRule, 6> NormalPayoffRules{{
    {Seven, 25},
    {Globe, 20},
    {Diamond, 15},
    {Bell, 15},
    {Dollar, 10},
    {Cherries, 5},
}};

// Free spins: no wilds, no multiplier; any mix of planets, comets and moons still pays.
inline constexpr std::array<TPayoffRule, 4> FreeSpinPayoffRules{{
    {Seven, 100},
    {Planet, 50},
    {Comet, 25},
    {Moon, 15},
}};
inline constexpr int FreeSpinMixPerCoin = 10;

struct TLinePayoff {
    int PerCoin = 0;        // from the table, before the wild multiplier
    int Multiplier = 1;     // Double Payoffs: ×2 per wild, ×1 again for three wilds
    uint8_t Symbol = Blank; // the symbol the line paid on (Wild for three wilds)

    int Total() const { return PerCoin * Multiplier; }
};

using TLineSymbols = std::array<uint8_t, 3>;

TLinePayoff NormalLinePayoff(const TLineSymbols& line);
bool IsGlobeLine(const TLineSymbols& line);
bool IsFreeSpinSymbol(uint8_t symbol);
int FreeSpinLinePayoff(const TLineSymbols& line);

// What a normal line of three symbols does to the machine, worked out once from the rules above
// for all 12³ lines: a spin looks each of its lines up instead of trying rule after rule.
struct TNormalLine {
    int16_t Total = 0; // per coin, wild multiplier included
    bool TakesGlobe = false;
    bool PaysDollar = false; // the dollar rule pays it, which takes a dollar
};
inline constexpr int NormalLineCount = SymbolCount * SymbolCount * SymbolCount;
extern const std::array<TNormalLine, NormalLineCount> NormalLines;

inline int NormalLineIndex(const TLineSymbols& line) {
    return (line[0] * SymbolCount + line[1]) * SymbolCount + line[2];
}
inline const TNormalLine& NormalLine(const TLineSymbols& line) {
    return NormalLines[NormalLineIndex(line)];
}

inline TLineSymbols LineSymbols(const TStrips& strips, const TStops& stops, int lineIndex) {
    const auto& wheels = Paylines[lineIndex];
    return {strips[wheels[0]][stops[wheels[0]]], strips[wheels[1]][stops[wheels[1]]],
            strips[wheels[2]][stops[wheels[2]]]};
}

// Sum of the per-coin payoff of one payline over all 20³ stop combinations of its wheels;
// divided by 8000 it is the exact expected return per coin of that line.
int64_t LinePayoffOverAllStops(const TStrips& strips, int lineIndex, bool freeSpin);
inline constexpr int64_t StopCombinationsPerLine = int64_t{StripLength} * StripLength * StripLength;

} // namespace zorva
