#pragma once
#include <array>
#include <cstdint>

namespace zorva {

// The numbers of the bonus features, shared by the engine and the payoff chart.
inline constexpr int32_t PoolFeedPerWild = 3;
inline constexpr int32_t FreshBonusPool = 100;
inline constexpr int32_t FullGlobeRow = 3;
inline constexpr int32_t FullDollarRow = 6;
inline constexpr int32_t FreeSpinsPerAward = 3;
// Mystery prizes as multiples of the coins per line, in the order they are dealt.
inline constexpr std::array<int32_t, 8> MysteryPrizeTimesCoins{100, 25, 25, 10, 10, 10, 10, 10};

} // namespace zorva
