#include "odds/exact_odds.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/bonus_rules.h"
#include "engine/payoff_table.h"

namespace zorva {

namespace {

struct TSymbolWeight {
    uint8_t Symbol;
    int Count;
};
using TWheelSymbols = std::vector<TSymbolWeight>;

std::array<TWheelSymbols, WheelCount> DistinctSymbols(const TStrips& strips) {
    std::array<TWheelSymbols, WheelCount> wheels;
    for (int w = 0; w < WheelCount; ++w) {
        std::array<int, SymbolCount> counts{};
        for (uint8_t s : strips[w])
            counts[s] += 1;
        for (int s = 0; s < SymbolCount; ++s)
            if (counts[s] > 0)
                wheels[w].push_back({static_cast<uint8_t>(s), counts[s]});
    }
    return wheels;
}

struct TSpinTally {
    double Weight = 0.0;
    double LineHits = 0.0;
    TLineCountOdds GlobeLines{};
    TLineCountOdds DollarLines{};
};

// Over every stop combination, weighted by how often it comes up: how many of the first `lines`
// paylines take a globe, how many take a dollar, and whether any of them pays.
TSpinTally TallyAllCombinations(const TStrips& strips, int lines) {
    const auto wheels = DistinctSymbols(strips);
    TSpinTally tally;
    std::array<uint8_t, WheelCount> shown{};
    std::array<std::size_t, WheelCount> at{};
    for (;;) {
        double weight = 1.0;
        for (int w = 0; w < WheelCount; ++w) {
            shown[w] = wheels[w][at[w]].Symbol;
            weight *= wheels[w][at[w]].Count;
        }
        int globes = 0, dollars = 0;
        bool hit = false;
        for (int line = 0; line < lines; ++line) {
            const auto& wheelsOfLine = Paylines[line];
            const TLineSymbols symbols{shown[wheelsOfLine[0]], shown[wheelsOfLine[1]],
                                       shown[wheelsOfLine[2]]};
            const TLinePayoff payoff = NormalLinePayoff(symbols);
            globes += IsGlobeLine(symbols) ? 1 : 0;
            dollars += payoff.Symbol == Dollar ? 1 : 0;
            hit = hit || payoff.Total() > 0;
        }
        tally.Weight += weight;
        tally.LineHits += hit ? weight : 0.0;
        tally.GlobeLines[globes] += weight;
        tally.DollarLines[dollars] += weight;

        int w = WheelCount - 1;
        while (w >= 0 && ++at[w] == wheels[w].size())
            at[w--] = 0;
        if (w < 0)
            break;
    }
    return tally;
}

} // namespace

double RowAwardsPerSpin(const TLineCountOdds& lineOdds, int full) {
    // The row's long-run share of spins starting with n pictures (n = 1..full) solves pi = pi T with
    // the shares adding up to 1; a direct solve also copes with rows that cycle without settling.
    const int n = full;
    std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0));
    for (int from = 1; from <= n; ++from)
        for (int k = 0; k <= LineCount; ++k) {
            const int to = from - k < 1 ? full : from - k;
            a[to - 1][from - 1] += lineOdds[k];
        }
    for (int i = 0; i < n; ++i)
        a[i][i] -= 1.0;
    for (int j = 0; j <= n; ++j)
        a[n - 1][j] = 1.0; // the shares add up to 1
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
                pivot = row;
        std::swap(a[col], a[pivot]);
        for (int row = 0; row < n; ++row)
            if (row != col) {
                const double factor = a[row][col] / a[col][col];
                for (int j = col; j <= n; ++j)
                    a[row][j] -= factor * a[col][j];
            }
    }
    double awards = 0.0;
    for (int from = 1; from <= n; ++from) {
        const double share = a[from - 1][n] / a[from - 1][from - 1];
        for (int k = from; k <= LineCount; ++k)
            awards += share * lineOdds[k];
    }
    return awards;
}

double TExactOdds::ReturnLines() const {
    int64_t sum = 0;
    for (int line = 0; line < Lines; ++line)
        sum += LineSums[line];
    return double(sum) * Coins / double(StopCombinationsPerLine);
}

double TExactOdds::ReturnPool() const {
    const double wildsInSight = WheelCount / double(StripLength); // one wild on every strip
    return PoolFeedPerWild * wildsInSight + FreshBonusPool * PoolAwardsPerSpin;
}

double TExactOdds::ReturnFreeSpins() const {
    const double perFreeSpin = double(FreeSpinLineSum) * Lines * Coins / double(StopCombinationsPerLine);
    return FreeSpinAwardsPerSpin * FreeSpinsPerAward * perFreeSpin;
}

double TExactOdds::ReturnMystery() const {
    double prizes = 0.0;
    for (int32_t times : MysteryPrizeTimesCoins)
        prizes += times;
    return prizes / double(MysteryPrizeTimesCoins.size()) * Coins / double(StripLength);
}

TExactOdds ComputeExactOdds(int lines, int coins) {
    TExactOdds odds;
    odds.Lines = lines;
    odds.Coins = coins;

    TStrips strips{};
    BuildStrips(strips);
    for (int line = 0; line < LineCount; ++line)
        odds.LineSums[line] = LinePayoffOverAllStops(strips, line, false);

    TStrips freeStrips{};
    TStops stops{}, saved{};
    BuildFreeSpinStrips(freeStrips, stops, saved);
    odds.FreeSpinLineSum = LinePayoffOverAllStops(freeStrips, 0, true);

    const TSpinTally tally = TallyAllCombinations(strips, lines);
    odds.LineHitFrequency = tally.LineHits / tally.Weight;
    for (int k = 0; k <= LineCount; ++k) {
        odds.GlobeLines[k] = tally.GlobeLines[k] / tally.Weight;
        odds.DollarLines[k] = tally.DollarLines[k] / tally.Weight;
    }
    odds.PoolAwardsPerSpin = RowAwardsPerSpin(odds.GlobeLines, FullGlobeRow);
    odds.FreeSpinAwardsPerSpin = RowAwardsPerSpin(odds.DollarLines, FullDollarRow);
    return odds;
}

std::string FormatExactOdds(const TExactOdds& o) {
    std::string text;
    char row[160];
    std::snprintf(row, sizeof row, "Zorva Slots exact odds: %d line(s) x %d coin(s)\n", o.Lines, o.Coins);
    text += row;
    for (int line = 0; line < LineCount; ++line) {
        std::snprintf(row, sizeof row, "  line %d pays per coin   %6lld / 8000 = %.6f\n", line + 1,
                      static_cast<long long>(o.LineSums[line]), double(o.LineSums[line]) / 8000.0);
        text += row;
    }
    std::snprintf(row, sizeof row, "  free-spin line per coin %6lld / 8000 = %.6f\n",
                  static_cast<long long>(o.FreeSpinLineSum), double(o.FreeSpinLineSum) / 8000.0);
    text += row;
    std::snprintf(row, sizeof row, "  line hit frequency       %.6f %%\n", o.LineHitFrequency * 100.0);
    text += row;
    std::snprintf(row, sizeof row, "  pool awards per spin     1 in %.2f\n", 1.0 / o.PoolAwardsPerSpin);
    text += row;
    std::snprintf(row, sizeof row, "  free-spin awards / spin  1 in %.2f\n", 1.0 / o.FreeSpinAwardsPerSpin);
    text += row;
    const std::pair<const char*, double> sources[] = {{"lines", o.ReturnLines()},
                                                      {"pools", o.ReturnPool()},
                                                      {"free spins", o.ReturnFreeSpins()},
                                                      {"mystery", o.ReturnMystery()},
                                                      {"total", o.ReturnTotal()}};
    for (const auto& [name, credits] : sources) {
        std::snprintf(row, sizeof row, "  return of %-12s %10.6f credits  %9.4f %%\n", name, credits,
                      o.Share(credits) * 100.0);
        text += row;
    }
    return text;
}

} // namespace zorva
