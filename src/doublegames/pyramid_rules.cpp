#include "doublegames/pyramid_rules.h"

#include <algorithm>
#include <utility>

#include "engine/credits.h"
#include "engine/texts.h"

namespace zorva {

namespace {

constexpr int ShufflePasses = 1001;
constexpr int TopSquareLeft = 361;
constexpr int TopSquareTop = 52;

constexpr const char* HintSymbol = ZORVA_TEXT("TPyramidBoard", "Hint");
constexpr const char* TryAgainSymbol = ZORVA_TEXT("TPyramidBoard", "Try Again");
constexpr const char* LoseSymbol = ZORVA_TEXT("TPyramidBoard", "Lose");

constexpr std::array<const char*, SquareCount> FixedOrder{
    "2X",           "3X",           "5X",           HintSymbol, HintSymbol,
    TryAgainSymbol, TryAgainSymbol, TryAgainSymbol, LoseSymbol, LoseSymbol,
    LoseSymbol,     LoseSymbol,     LoseSymbol,     LoseSymbol, LoseSymbol,
};

} // namespace

void TPyramidBoard::Shuffle(uint32_t utcMillisecondOfDay) {
    Random.Randomize(utcMillisecondOfDay);
    for (int i = 0; i < SquareCount; ++i) {
        SymbolText[i] = FixedOrder[i];
        Revealed[i] = false;
    }
    for (int pass = 0; pass < ShufflePasses; ++pass)
        for (int i = 0; i < SquareCount; ++i)
            std::swap(SymbolText[i], SymbolText[Random.Random(SquareCount)]);

    bool parityFound = false;
    for (int i = 0; i < SquareCount; ++i) {
        if (SymbolText[i] == "5X")
            FiveXNumber = i + 1;
        if (SymbolText[i] == "Hint") {
            if (parityFound)
                RangeHintSquare = i;
            else
                ParityHintSquare = i;
            parityFound = true;
        }
    }
    ParityHint =
        FiveXNumber % 2 == 1
            ? ZORVA_TEXT("TPyramidBoard", "The 5X symbol is behind a square with an odd number on it.")
            : ZORVA_TEXT("TPyramidBoard", "The 5X symbol is behind a square with an even number on it.");
    RangeHint =
        FiveXNumber < 7
            ? ZORVA_TEXT("TPyramidBoard",
                         "The 5X symbol is behind a square with a number less than or equal to 7 on it.")
            : ZORVA_TEXT("TPyramidBoard",
                         "The 5X symbol is behind a square with a number greater than or equal to 7 on it.");
}

TRect TPyramidBoard::SquareRect(int square) {
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= square)
        ++row;
    const int column = square - row * (row + 1) / 2;
    return RectAt(TopSquareLeft + column * SquareSize - row * (SquareSize / 2),
                  TopSquareTop + row * SquareSize, SquareSize, SquareSize);
}

std::optional<int> TPyramidBoard::SquareToward(int square, TArrow arrow) {
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= square)
        ++row;
    const int column = square - row * (row + 1) / 2;
    const auto at = [](int r, int c) { return r * (r + 1) / 2 + c; };
    switch (arrow) {
    case TArrow::Left:
        return square > 0 ? std::optional<int>(square - 1) : std::nullopt;
    case TArrow::Right:
        return square < SquareCount - 1 ? std::optional<int>(square + 1) : std::nullopt;
    case TArrow::Up:
        return row > 0 ? std::optional<int>(at(row - 1, std::min(column, row - 1))) : std::nullopt;
    case TArrow::Down:
        return at(row + 1, column) < SquareCount ? std::optional<int>(at(row + 1, column)) : std::nullopt;
    }
    return std::nullopt;
}

bool TPyramidBoard::CanTurn(int square, int32_t stake) const {
    return stake > 0 && !Revealed[square];
}

void TPyramidBoard::Turn(int square) {
    Revealed[square] = true;
}

std::optional<std::string> TPyramidBoard::HintOf(int square) const {
    if (square == ParityHintSquare)
        return ParityHint;
    if (square == RangeHintSquare)
        return RangeHint;
    return std::nullopt;
}

void TPyramidBoard::RevealAll() {
    Revealed.fill(true);
}

int32_t StakeAfter(const std::string& symbolText, int32_t stake) {
    if (IsLose(symbolText))
        return 0;
    if (symbolText == "2X" || symbolText == "3X" || symbolText == "5X")
        return SaturatingMultiply(stake, symbolText[0] - '0');
    return stake;
}

SoundId SoundOf(const std::string& symbolText) {
    if (IsLose(symbolText))
        return SoundId::Loss;
    if (symbolText == "Hint")
        return SoundId::MysteryAward;
    if (symbolText == "Try Again")
        return SoundId::Refusal;
    return SoundId::Win;
}

bool IsLose(const std::string& symbolText) {
    return symbolText == "Lose";
}

} // namespace zorva
