#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/texts.h"

namespace zorva {

// Where a summary line breaks: most end their line; the mystery prize opens a paragraph of its own.
enum class TSummaryBreak { After, Before, None };

// One sentence of the last spin's summary: an English pattern marked for translation, its figures in
// place of %1 and %2, and where it breaks. The window shows the patterns in the player's language.
struct TSummaryLine {
    const char* Pattern = "";
    int32_t First = 0;
    int32_t Second = 0;
    TSummaryBreak Break = TSummaryBreak::After;
};
using TSpinSummary = std::vector<TSummaryLine>;

inline constexpr const char* SummaryContext = "TSlotMachine";
inline constexpr const char* PoolFeedLine = ZORVA_TEXT("TSlotMachine", "%1 credits added to the bonus pool.");
inline constexpr const char* LinePaidLine = ZORVA_TEXT("TSlotMachine", "Line %1 paid %2.");
inline constexpr const char* BonusPoolLine = ZORVA_TEXT("TSlotMachine", "Won the Bonus Pool Worth %1");
inline constexpr const char* MysteryLine = ZORVA_TEXT("TSlotMachine", "Won %1 credit bonus.");
inline constexpr const char* NoWinningLine =
    ZORVA_TEXT("TSlotMachine", "There were no winning lines on the last spin.");

// The summary is shown at most this long.
inline constexpr std::size_t MaxSummaryLength = 255;

// The summary in English, lines broken with CR LF, the figures in decimal, cut at its longest.
std::string SummaryText(const TSpinSummary& summary);

} // namespace zorva
