#include "engine/payoff_table.h"

#include <algorithm>

namespace zorva {

namespace {

bool EachIsOrWild(const TLineSymbols& line, uint8_t symbol) {
    return std::all_of(line.begin(), line.end(), [symbol](uint8_t s) { return s == symbol || s == Wild; });
}

std::array<TNormalLine, NormalLineCount> BuildNormalLines() {
    std::array<TNormalLine, NormalLineCount> lines{};
    for (uint8_t a = 0; a < SymbolCount; ++a)
        for (uint8_t b = 0; b < SymbolCount; ++b)
            for (uint8_t c = 0; c < SymbolCount; ++c) {
                const TLineSymbols line{a, b, c};
                const TLinePayoff payoff = NormalLinePayoff(line);
                lines[NormalLineIndex(line)] = {static_cast<int16_t>(payoff.Total()), IsGlobeLine(line),
                                                payoff.Symbol == Dollar};
            }
    return lines;
}

} // namespace

const std::array<TNormalLine, NormalLineCount> NormalLines = BuildNormalLines();

TLinePayoff NormalLinePayoff(const TLineSymbols& line) {
    const auto wilds = std::count(line.begin(), line.end(), Wild);
    if (wilds == 3)
        return {ThreeWildsPerCoin, 1, Wild};
    const int multiplier = 1 << wilds;
    for (const auto& rule : NormalPayoffRules)
        if (EachIsOrWild(line, rule.Symbol))
            return {rule.PerCoin, multiplier, rule.Symbol};
    return {0, multiplier, Blank};
}

bool IsGlobeLine(const TLineSymbols& line) {
    return EachIsOrWild(line, Globe);
}

bool IsFreeSpinSymbol(uint8_t symbol) {
    return symbol == Planet || symbol == Comet || symbol == Moon;
}

int FreeSpinLinePayoff(const TLineSymbols& line) {
    for (const auto& rule : FreeSpinPayoffRules)
        if (line[0] == rule.Symbol && line[1] == rule.Symbol && line[2] == rule.Symbol)
            return rule.PerCoin;
    if (std::all_of(line.begin(), line.end(), IsFreeSpinSymbol))
        return FreeSpinMixPerCoin;
    return 0;
}

int64_t LinePayoffOverAllStops(const TStrips& strips, int lineIndex, bool freeSpin) {
    const auto& wheels = Paylines[lineIndex];
    int64_t sum = 0;
    for (uint8_t a : strips[wheels[0]])
        for (uint8_t b : strips[wheels[1]])
            for (uint8_t c : strips[wheels[2]]) {
                const TLineSymbols line{a, b, c};
                sum += freeSpin ? FreeSpinLinePayoff(line) : NormalLinePayoff(line).Total();
            }
    return sum;
}

} // namespace zorva
