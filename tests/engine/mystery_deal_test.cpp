#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/mystery_deal.h"

namespace zorva {
namespace {

#ifdef ZORVA_SHORT_RUNS
constexpr uint32_t SeedCount = 100; // sanitizer builds deal from fewer seeds
#else
constexpr uint32_t SeedCount = 1000;
#endif

// The deal as the game has always played it: one generator, eight swaps a round.
TMysteryPrizes PlainDeal(TRandom& rng, TMysteryPrizes prizes) {
    for (int round = 0; round < MysteryDealRounds; ++round)
        for (int i = 0; i < MysteryBoxCount; ++i)
            std::swap(prizes[i], prizes[rng.Random(MysteryBoxCount)]);
    return prizes;
}

std::vector<TBoxShuffler> ShufflersOfThisMachine() {
    std::vector<TBoxShuffler> shufflers{TBoxShuffler::Portable};
    if (Ssse3Available())
        shufflers.push_back(TBoxShuffler::Ssse3);
    return shufflers;
}

// Guards the table of half-rounds, the turned second half and the interleaved generators: any slip
// deals other prizes or leaves the generator elsewhere for the draws after the deal. The prizes
// differ from one another so that even a slip between two equal real prizes shows.
TEST(MysteryDeal, EveryShufflerDealsAsOneGeneratorSwappingBoxByBox) {
    const TMysteryPrizes prizes{1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<uint32_t> seeds{0, 1, 0x7fff'ffffu, 0x8000'0000u, 0xffff'ffffu};
    for (uint32_t i = 0; i < SeedCount; ++i)
        seeds.push_back(12'345u + i * (0xffff'ffffu / SeedCount));
    for (const TBoxShuffler shuffler : ShufflersOfThisMachine()) {
        for (const uint32_t seed : seeds) {
            TRandom plain{seed};
            const TMysteryPrizes expected = PlainDeal(plain, prizes);
            TRandom fast{seed};
            ASSERT_EQ(DealMysteryPrizes(fast, prizes, shuffler), expected)
                << "shuffler " << static_cast<int>(shuffler) << ", seed " << seed;
            ASSERT_EQ(fast.Seed, plain.Seed)
                << "shuffler " << static_cast<int>(shuffler) << ", seed " << seed;
        }
    }
}

} // namespace
} // namespace zorva
