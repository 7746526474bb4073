#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/symbols.h"

namespace zorva {

// Distribution of how many played lines of one paid spin take a globe, or a dollar: index k is the
// probability of exactly k such lines.
using TLineCountOdds = std::array<double, LineCount + 1>;

// The exact long-run figures of one bet, from the strips and rules alone (no simulation).
// Returns are credits per paid spin; Share() turns them into a fraction of the bet.
struct TExactOdds {
    int Lines = 8;
    int Coins = 1;
    std::array<int64_t, LineCount> LineSums{}; // per-coin payoff of each line summed over its 8000 stop sets
    int64_t FreeSpinLineSum = 0;               // the same for one free-spin line
    double LineHitFrequency = 0.0;             // some played line pays
    TLineCountOdds GlobeLines{};
    TLineCountOdds DollarLines{};
    double PoolAwardsPerSpin = 0.0;
    double FreeSpinAwardsPerSpin = 0.0;

    double ReturnLines() const;
    double ReturnPool() const;      // every credit fed is paid back, and each award adds a fresh pool
    double ReturnFreeSpins() const; // three free spins per award, each on every played line
    double ReturnMystery() const;   // the mystery symbol shows on the centre wheel once in 20 spins
    double ReturnTotal() const { return ReturnLines() + ReturnPool() + ReturnFreeSpins() + ReturnMystery(); }
    double Share(double credits) const { return credits / double(Lines * Coins); }
};

// A row of `full` pictures that loses one per counted line and is won, and refilled, once a spin
// leaves it empty; lineOdds[k] is the chance of k counted lines in a spin. Returns the long-run number
// of awards per spin. Lines beyond the last picture are lost, never carried to the next row.
double RowAwardsPerSpin(const TLineCountOdds& lineOdds, int full);

// Plays every stop combination of the nine normal strips once (weighted by how often each symbol
// stands on its strip), then solves the globe and dollar rows as Markov chains.
TExactOdds ComputeExactOdds(int lines, int coins);

std::string FormatExactOdds(const TExactOdds& odds);

} // namespace zorva
