#include "doublegames/pyramid_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>

namespace zorva {
namespace {

const std::string Opening = "The 5X symbol is behind a square ";

// A board whose 5X lies behind the square with this number (found by trying seeds in turn).
TPyramidBoard BoardWithFiveXOn(int number) {
    for (uint32_t seed = 0;; ++seed) {
        TPyramidBoard board;
        board.Shuffle(seed);
        if (board.FiveXNumber == number)
            return board;
    }
}

int IndexOf(const TPyramidBoard& board, const std::string& symbol) {
    return static_cast<int>(std::find(board.SymbolText.begin(), board.SymbolText.end(), symbol) -
                            board.SymbolText.begin());
}

// Guards against a shuffle that loses or duplicates a symbol, or hints that point at the wrong squares.
TEST(PyramidBoard, EveryBoardHidesTheFifteenSymbolsAndTrueHintsOnItsFirstTwoHintSquares) {
    for (uint32_t seed = 0; seed < 2000; ++seed) {
        TPyramidBoard board;
        board.Shuffle(seed * 43'201u);
        std::map<std::string, int> counts;
        for (const std::string& symbol : board.SymbolText)
            ++counts[symbol];
        const std::map<std::string, int> expected{{"2X", 1},   {"3X", 1},   {"5X", 1},
                                                  {"Hint", 2}, {"Lose", 7}, {"Try Again", 3}};
        ASSERT_EQ(counts, expected) << "seed " << seed * 43'201u;
        EXPECT_EQ(board.SymbolText[board.FiveXNumber - 1], "5X");
        EXPECT_LT(board.ParityHintSquare, board.RangeHintSquare);
        EXPECT_EQ(board.SymbolText[board.ParityHintSquare], "Hint");
        EXPECT_EQ(board.SymbolText[board.RangeHintSquare], "Hint");
        EXPECT_EQ(board.ParityHint, Opening + (board.FiveXNumber % 2 ? "with an odd number on it."
                                                                     : "with an even number on it."));
        EXPECT_EQ(board.Revealed, (std::array<bool, SquareCount>{}));
    }
}

// Pins the boards of three moments of the day, worked out by hand from the rules apart from this
// code: the fixed order, then 1001 passes of 15 swaps each with a square drawn from all 15, 15015
// draws in all. Guards against a draw that never reaches the last square, a pass too few or too
// many, and the hints taken from the wrong squares.
TEST(PyramidBoard, ThreeMomentsShuffleTheirKnownBoardsInOneDrawPerSwap) {
    using Board = std::array<std::string, SquareCount>;
    const struct {
        uint32_t Seed;
        Board Symbols;
        int FiveXNumber, ParityHintSquare, RangeHintSquare;
    } boards[] = {
        {0,
         {"Try Again", "Hint", "3X", "5X", "Hint", "Lose", "Lose", "Lose", "Try Again", "Lose", "Lose", "2X",
          "Try Again", "Lose", "Lose"},
         4,
         1,
         4},
        {43'200'000,
         {"Lose", "Lose", "Lose", "Try Again", "Lose", "Lose", "Lose", "Lose", "5X", "2X", "Hint", "Hint",
          "Try Again", "3X", "Try Again"},
         9,
         10,
         11},
        {86'399'999,
         {"Lose", "Try Again", "5X", "Lose", "Hint", "Hint", "Lose", "Lose", "Try Again", "Lose", "Lose",
          "Try Again", "2X", "3X", "Lose"},
         3,
         4,
         5},
    };
    for (const auto& expected : boards) {
        TPyramidBoard board;
        board.Shuffle(expected.Seed);
        EXPECT_EQ(board.SymbolText, expected.Symbols) << "seed " << expected.Seed;
        EXPECT_EQ(board.FiveXNumber, expected.FiveXNumber) << "seed " << expected.Seed;
        EXPECT_EQ(board.ParityHintSquare, expected.ParityHintSquare) << "seed " << expected.Seed;
        EXPECT_EQ(board.RangeHintSquare, expected.RangeHintSquare) << "seed " << expected.Seed;
        EXPECT_EQ(board.Random.Seed, RandomJumpOf(1001 * SquareCount).From(expected.Seed))
            << "seed " << expected.Seed;
    }
}

// Guards against a hint that lies: 7 counts as "greater than or equal", 6 as "less than or equal".
TEST(PyramidBoard, TheHintsTellTheTruthAroundSeven) {
    const TPyramidBoard nine = BoardWithFiveXOn(9);
    EXPECT_EQ(nine.HintOf(nine.ParityHintSquare), Opening + "with an odd number on it.");
    EXPECT_EQ(nine.HintOf(nine.RangeHintSquare), Opening + "with a number greater than or equal to 7 on it.");

    const TPyramidBoard seven = BoardWithFiveXOn(7);
    EXPECT_EQ(seven.RangeHint, Opening + "with a number greater than or equal to 7 on it.");
    EXPECT_EQ(seven.ParityHint, Opening + "with an odd number on it.");

    const TPyramidBoard six = BoardWithFiveXOn(6);
    EXPECT_EQ(six.RangeHint, Opening + "with a number less than or equal to 7 on it.");
    EXPECT_EQ(six.ParityHint, Opening + "with an even number on it.");

    EXPECT_FALSE(six.HintOf(IndexOf(six, "5X")));
}

// Guards against squares out of place: the rows step half a square left, one square down.
TEST(PyramidBoard, TheSquaresStandAsAPyramidUnderTheTopSquare) {
    const std::array<std::pair<int, int>, SquareCount> expected{{
        {361, 52},
        {329, 116},
        {393, 116},
        {297, 180},
        {361, 180},
        {425, 180},
        {265, 244},
        {329, 244},
        {393, 244},
        {457, 244},
        {233, 308},
        {297, 308},
        {361, 308},
        {425, 308},
        {489, 308},
    }};
    for (int i = 0; i < SquareCount; ++i)
        EXPECT_EQ(TPyramidBoard::SquareRect(i), RectAt(expected[i].first, expected[i].second, 64, 64))
            << "square " << i + 1;
}

// Guards against wrong multipliers: 2X, 5X and 3X on 100 make 200, 1000 and 3000.
TEST(PyramidTurn, TheMultipliersTakeOneHundredToThreeThousand) {
    int32_t stake = 100;
    stake = StakeAfter("2X", stake);
    EXPECT_EQ(stake, 200);
    stake = StakeAfter("5X", stake);
    EXPECT_EQ(stake, 1000);
    stake = StakeAfter("Try Again", stake);
    stake = StakeAfter("Hint", stake);
    stake = StakeAfter("3X", stake);
    EXPECT_EQ(stake, 3000);
    EXPECT_EQ(StakeAfter("Lose", stake), 0);
}

// Guards against a product that wraps past 2,147,483,647.
TEST(PyramidTurn, AStakeNearTheTopOfTheRangeSaturates) {
    EXPECT_EQ(StakeAfter("5X", 1'000'000'000), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(StakeAfter("2X", 1'073'741'823), 2'147'483'646);
}

// Guards against the wrong sound for a symbol (a waited-for sound where none should wait, or the reverse).
TEST(PyramidTurn, EachSymbolHasItsSound) {
    EXPECT_EQ(SoundOf("Lose"), SoundId::Loss);
    EXPECT_EQ(SoundOf("Hint"), SoundId::MysteryAward);
    EXPECT_EQ(SoundOf("Try Again"), SoundId::Refusal);
    EXPECT_EQ(SoundOf("2X"), SoundId::Win);
    EXPECT_EQ(SoundOf("5X"), SoundId::Win);
}

// Guards against turning a square twice or playing on with nothing at stake.
TEST(PyramidTurn, OnlyAnUntouchedSquareTurnsAndOnlyWhileSomethingIsAtStake) {
    TPyramidBoard board;
    board.Shuffle(99);
    EXPECT_TRUE(board.CanTurn(3, 1));
    EXPECT_FALSE(board.CanTurn(3, 0));
    board.Turn(3);
    EXPECT_FALSE(board.CanTurn(3, 100));
    EXPECT_TRUE(board.CanTurn(4, 100));
    board.RevealAll();
    for (int i = 0; i < SquareCount; ++i)
        EXPECT_FALSE(board.CanTurn(i, 100)) << "square " << i + 1;
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Guards against arrows that step off the board, into the wrong row, or that Up and Down do not
// undo each other.
TEST(PyramidBoard, ArrowsStepBetweenNeighbouringSquares) {
    const struct {
        int From;
        TArrow Arrow;
        std::optional<int> To;
    } moves[] = {
        {0, TArrow::Left, std::nullopt}, {0, TArrow::Right, 1},  {14, TArrow::Right, std::nullopt},
        {0, TArrow::Up, std::nullopt},   {0, TArrow::Down, 1},   {1, TArrow::Up, 0},
        {2, TArrow::Up, 0},              {4, TArrow::Up, 2},     {5, TArrow::Up, 2},
        {4, TArrow::Down, 7},            {7, TArrow::Up, 4},     {9, TArrow::Up, 5},
        {9, TArrow::Down, 13},           {13, TArrow::Up, 9},    {12, TArrow::Down, std::nullopt},
    };
    for (const auto& move : moves)
        EXPECT_EQ(TPyramidBoard::SquareToward(move.From, move.Arrow), move.To)
            << "from " << move.From << " arrow " << static_cast<int>(move.Arrow);
}

} // namespace
} // namespace zorva
