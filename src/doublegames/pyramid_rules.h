#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "doublegames/arrows.h"
#include "platform/rect.h"
#include "engine/random.h"
#include "engine/sounds.h"

namespace zorva {

inline constexpr const char* PyramidTextContext = "TPyramidBoard";

inline constexpr int SquareCount = 15;
inline constexpr int SquareSize = 64;

// The prize pyramid: 15 numbered squares, each hiding one symbol.
class TPyramidBoard {
  public:
    std::array<std::string, SquareCount> SymbolText;
    std::array<bool, SquareCount> Revealed{};
    int FiveXNumber = 0;      // the number (1 to 15) on the square that hides "5X"
    int ParityHintSquare = 0; // index of the first square that hides "Hint"
    int RangeHintSquare = 0;  // index of the second
    // The hints and the symbols' texts are English, marked for translation in PyramidTextContext.
    std::string ParityHint;
    std::string RangeHint;
    TRandom Random; // reseeded by each shuffle; left where its last draw put it

    // The symbols in their fixed order, 1001 shuffle passes, and the two hints about the 5X.
    void Shuffle(uint32_t utcMillisecondOfDay);

    // Square i sits in row r, column c with i = r(r + 1)/2 + c; each row half a square further left.
    static TRect SquareRect(int square);
    // Where an arrow key takes the focus from a square: the next or previous number (Left,
    // Right), the square above it to the right, or the one below it to the left, so that Up and
    // Down lead back; none off the board. The rightmost square of a row goes up to the left.
    static std::optional<int> SquareToward(int square, TArrow arrow);

    // Only an untouched square turns, and only while something is at stake.
    bool CanTurn(int square, int32_t stake) const;
    void Turn(int square);
    // The hint that turning this square tells, if it is one of the two hint squares.
    std::optional<std::string> HintOf(int square) const;
    void RevealAll();
};

// A symbol's effect on the amount at stake: the multipliers multiply by their first digit
// (stopping at the largest amount a credit count can hold), "Lose" takes it all.
int32_t StakeAfter(const std::string& symbolText, int32_t stake);
SoundId SoundOf(const std::string& symbolText);
bool IsLose(const std::string& symbolText);

} // namespace zorva
