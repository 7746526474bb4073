#include "engine/mystery_deal.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace zorva {

namespace {

// The boxes as eight bytes: byte k names the box whose starting prize lies in box k; a permutation
// in the same form says, for each box k, which box's prize it takes.
using TBoxOrder = uint64_t;

constexpr int BitsPerDraw = 3; // Random(8)
constexpr int SwapsPerHalfRound = MysteryBoxCount / 2;
constexpr int HalfRoundCases = 1 << (BitsPerDraw * SwapsPerHalfRound);
constexpr int HalfTurn = MysteryBoxCount / 2;

constexpr int BoxAt(TBoxOrder order, int box) {
    return static_cast<int>((order >> (8 * box)) & 0xff);
}

// A swap has no more than 8 outcomes, so four swaps in a row have 8^4 = 4096, each a fixed
// permutation: boxes 0..3 swap in turn with the boxes of their draws, which case c holds three
// bits apiece, box i's at bit 3i. Each entry then turns the row by half, box k taking the prize
// of box k + 4: boxes 4..7 stand where boxes 0..3 stood, so the round's second half-round is
// the same table with each draw turned by half as well (j ^ 4), and the second turn puts the row
// back where the round began.
constexpr std::array<TBoxOrder, HalfRoundCases> BuildHalfRounds() {
    std::array<TBoxOrder, HalfRoundCases> table{};
    for (int c = 0; c < HalfRoundCases; ++c) {
        std::array<uint8_t, MysteryBoxCount> boxes{};
        for (int box = 0; box < MysteryBoxCount; ++box)
            boxes[box] = static_cast<uint8_t>(box);
        for (int i = 0; i < SwapsPerHalfRound; ++i) {
            const int j = (c >> (BitsPerDraw * i)) & (MysteryBoxCount - 1);
            const uint8_t held = boxes[i];
            boxes[i] = boxes[j];
            boxes[j] = held;
        }
        for (int box = 0; box < MysteryBoxCount; ++box)
            table[c] |= TBoxOrder{boxes[(box + HalfTurn) % MysteryBoxCount]} << (8 * box);
    }
    return table;
}

constexpr std::array<TBoxOrder, HalfRoundCases> HalfRounds = BuildHalfRounds();

// The same half-rounds seen from the prizes: entry c names, for each box, the box its prize moves to.
using TMoves = std::array<uint8_t, MysteryBoxCount>;
constexpr std::array<TMoves, HalfRoundCases> BuildMoves() {
    std::array<TMoves, HalfRoundCases> table{};
    for (int c = 0; c < HalfRoundCases; ++c)
        for (int box = 0; box < MysteryBoxCount; ++box)
            table[c][BoxAt(HalfRounds[c], box)] = static_cast<uint8_t>(box);
    return table;
}

constexpr std::array<TMoves, HalfRoundCases> Moves = BuildMoves();
constexpr int TurnedDraws = 04444; // each 3-bit draw j becomes j ^ 4

// A generator copy's step to its next draw, eight draws of the one generator later.
constexpr TRandomJump RoundJump = RandomJumpOf(MysteryBoxCount);

// The deal's draws, box by box and round by round. Box i draws from its own copy of the
// generator, which jumps a round's eight steps at a time: the draws are the very ones of one
// generator stepping draw by draw, but no multiplication waits for the one before it.
class TDealDraws {
  public:
    explicit TDealDraws(uint32_t seed) {
        for (uint32_t& boxSeed : Seeds)
            boxSeed = seed = TRandom::Next(seed);
    }

    // The cases of the next round's two half-rounds.
    struct TRound {
        int First;
        int Second;
    };
    TRound Next() {
        const TRound round{HalfRoundCase(0), HalfRoundCase(SwapsPerHalfRound) ^ TurnedDraws};
        for (uint32_t& seed : Seeds)
            seed = RoundJump.From(seed);
        return round;
    }

  private:
    std::array<uint32_t, MysteryBoxCount> Seeds{};

    int Draw(int box) const { return TRandom::Below(Seeds[box], MysteryBoxCount); }
    // Box firstBox + i's draw at bit 3i.
    int HalfRoundCase(int firstBox) const {
        return Draw(firstBox) | Draw(firstBox + 1) << BitsPerDraw | Draw(firstBox + 2) << (2 * BitsPerDraw) |
               Draw(firstBox + 3) << (3 * BitsPerDraw);
    }
};

// Without a byte shuffle each starting prize is followed on its own, a half-round moving it with
// one read of the moves table; the eight prizes' reads never wait on one another.
TBoxOrder PortableDeal(uint32_t seed) {
    TDealDraws draws(seed);
    TMoves place{}; // place[p]: the box that holds box p's starting prize
    for (int box = 0; box < MysteryBoxCount; ++box)
        place[box] = static_cast<uint8_t>(box);
    for (int round = 0; round < MysteryDealRounds; ++round) {
        const auto [first, second] = draws.Next();
        for (uint8_t& box : place)
            box = Moves[second][Moves[first][box]];
    }
    TBoxOrder order = 0;
    for (int prize = 0; prize < MysteryBoxCount; ++prize)
        order |= TBoxOrder(prize) << (8 * place[prize]);
    return order;
}

#if defined(__x86_64__)
// The SSE2 multiply reads the low 32 bits of each 64-bit lane: two generator copies to a vector,
// each stepping there with one multiply and one add. The high halves fill with what the products
// carry over, which no draw reads; the low halves wrap around as the scalar step does.
[[gnu::target("ssse3")]] __m128i CopyPair(uint32_t& seed) {
    const uint32_t low = seed = TRandom::Next(seed);
    const uint32_t high = seed = TRandom::Next(seed);
    return _mm_set_epi32(0, static_cast<int32_t>(high), 0, static_cast<int32_t>(low));
}

[[gnu::target("ssse3")]] __m128i NextRound(__m128i pair) {
    return _mm_add_epi32(_mm_mul_epu32(pair, _mm_set1_epi32(static_cast<int32_t>(RoundJump.Multiplier))),
                         _mm_set1_epi64x(RoundJump.Increment));
}

// Random(8) of four copies, one to a 32-bit lane: each seed's top three bits.
[[gnu::target("ssse3")]] __m128i Draws(__m128i pair, __m128i nextPair) {
    const __m128i seeds = _mm_castps_si128(
        _mm_shuffle_ps(_mm_castsi128_ps(pair), _mm_castsi128_ps(nextPair), _MM_SHUFFLE(2, 0, 2, 0)));
    return _mm_srli_epi32(seeds, 32 - BitsPerDraw);
}

// The row of boxes stays in a vector register, so each half-round costs the chain of swaps one
// byte shuffle of it; the draws and the table reads do not depend on the row and run ahead.
[[gnu::target("ssse3")]] TBoxOrder Ssse3Deal(uint32_t seed) {
    // The copies of boxes 0 and 1, 2 and 3, 4 and 5, 6 and 7.
    __m128i seeds01 = CopyPair(seed), seeds23 = CopyPair(seed), seeds45 = CopyPair(seed),
            seeds67 = CopyPair(seed);
    // The second half-round's draws are turned by half (j ^ 4). Packed to eight 16-bit draws,
    // one multiply-add weighs them 1, 8, 64, 512 and sums them in pairs.
    const __m128i turn = _mm_set1_epi32(HalfTurn);
    const __m128i weights = _mm_setr_epi16(1, 8, 64, 512, 1, 8, 64, 512);
    constexpr TBoxOrder startingOrder = 0x0706'0504'0302'0100;
    __m128i order = _mm_cvtsi64_si128(static_cast<int64_t>(startingOrder));
    for (int round = 0; round < MysteryDealRounds; ++round) {
        const __m128i draws =
            _mm_packs_epi32(Draws(seeds01, seeds23), _mm_xor_si128(Draws(seeds45, seeds67), turn));
        const __m128i pairs = _mm_madd_epi16(draws, weights);
        const __m128i cases = _mm_add_epi32(pairs, _mm_srli_epi64(pairs, 32));
        const int first = _mm_cvtsi128_si32(cases);
        const int second = _mm_extract_epi16(cases, 4);
        order =
            _mm_shuffle_epi8(order, _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&HalfRounds[first])));
        order =
            _mm_shuffle_epi8(order, _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&HalfRounds[second])));
        seeds01 = NextRound(seeds01);
        seeds23 = NextRound(seeds23);
        seeds45 = NextRound(seeds45);
        seeds67 = NextRound(seeds67);
    }
    return static_cast<TBoxOrder>(_mm_cvtsi128_si64(order));
}
#endif

TBoxOrder Deal(uint32_t seed, [[maybe_unused]] TBoxShuffler shuffler) {
#if defined(__x86_64__)
    if (shuffler == TBoxShuffler::Ssse3 && Ssse3Available())
        return Ssse3Deal(seed);
#endif
    return PortableDeal(seed);
}

} // namespace

bool Ssse3Available() {
#if defined(__x86_64__)
    static const bool available = __builtin_cpu_supports("ssse3");
    return available;
#else
    return false;
#endif
}

TMysteryPrizes DealMysteryPrizes(TRandom& rng, const TMysteryPrizes& prizes) {
    return DealMysteryPrizes(rng, prizes, Ssse3Available() ? TBoxShuffler::Ssse3 : TBoxShuffler::Portable);
}

TMysteryPrizes DealMysteryPrizes(TRandom& rng, const TMysteryPrizes& prizes, TBoxShuffler shuffler) {
    const TBoxOrder order = Deal(rng.Seed, shuffler);
    static constexpr TRandomJump wholeDeal = RandomJumpOf(MysteryBoxCount * MysteryDealRounds);
    rng.Seed = wholeDeal.From(rng.Seed);

    TMysteryPrizes dealt{};
    for (int box = 0; box < MysteryBoxCount; ++box)
        dealt[box] = prizes[BoxAt(order, box)];
    return dealt;
}

} // namespace zorva
