#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/session.h"

namespace zorva {

// The figures of the statistics window. Sums are taken in 64 bits, so a fortune near the top of
// the 32-bit range never shows as a loss.
struct TStatistics {
    int64_t Spins = 0;
    int64_t RegularSpins = 0;
    int64_t FreeSpins = 0;
    int64_t Credits = 0;
    int64_t Borrowed = 0;
    int64_t TotalBets = 0;
    int64_t Payoffs = 0; // everything the machine paid, double-or-nothing results included
    int64_t Normal = 0;  // what the paylines of paid spins paid
    int64_t FreeSpinWinnings = 0;
    int64_t BonusPool = 0;
    int64_t DoubleOrNothing = 0;
    int64_t MysteryBonus = 0;
    double Percentage = 0; // payoffs without double-or-nothing as a share of all bets; 0 before a bet
};

TStatistics ComputeStatistics(const TGameSession& session);

// A whole figure with the locale's thousands separator, blank-padded on the left to 10 characters.
std::string FormatFigure(int64_t value, std::string_view groupSeparator);

// The percentage with two decimals, at least 4 characters, and the sign as the language writes it
// ("%" straight after the figure in English, after a no-break space in German).
std::string FormatPercentage(double percentage, std::string_view decimalPoint, std::string_view sign = "%");

} // namespace zorva
