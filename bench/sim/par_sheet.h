#pragma once
#include <cstdint>
#include <string>

namespace zorva {

struct TParSheetRequest {
    int Lines = 8;
    int Coins = 1;
    int64_t Spins = 1'000'000;
    uint64_t Seed = 1;
};

// What a bet returns over many paid spins; each paid spin's return includes the free
// spins and the mystery prize it brings.
struct TParSheet {
    int64_t Spins = 0;
    int64_t Bet = 0;
    int64_t ReturnLines = 0;
    int64_t ReturnPool = 0;
    int64_t ReturnFreeSpins = 0;
    int64_t ReturnMystery = 0;
    int64_t Hits = 0;
    double SumOfSquares = 0.0;
    double SumOfSquaresLines = 0.0;
    double Seconds = 0.0;

    int64_t ReturnTotal() const { return ReturnLines + ReturnPool + ReturnFreeSpins + ReturnMystery; }
    double Share(int64_t amount) const { return Bet > 0 ? double(amount) / double(Bet) : 0.0; }
    double HitFrequency() const { return Spins > 0 ? double(Hits) / double(Spins) : 0.0; }
    double SdPerSpin() const;
    // Standard error of the mean line return per paid spin.
    double LineReturnError() const;
    double SpinsPerSecond() const { return Seconds > 0 ? double(Spins) / Seconds : 0.0; }
};

// Plays the real engine with auto spin on, instant payoff and no double-or-nothing.
TParSheet RunParSheet(const TParSheetRequest& request);

std::string FormatJson(const TParSheet& sheet);
std::string FormatText(const TParSheetRequest& request, const TParSheet& sheet);

} // namespace zorva
