#include "doublegames/cards_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace zorva {
namespace {

constexpr int32_t MaxCredits = std::numeric_limits<int32_t>::max();

// The table position of the first card of that rank, or -1.
int FindRank(const TCardGame& game, int rank) {
    for (int p = 0; p < TableCards; ++p)
        if (game.Deck[p].Rank == rank)
            return p;
    return -1;
}

// The table as a player reads it, left to right and top to bottom: "10C 6C KH …".
std::string TableText(const TCardGame& game) {
    static const char* const Ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    std::string text;
    for (int p = 0; p < TableCards; ++p) {
        const CardRecord& card = game.Deck[p];
        text += p ? " " : "";
        text += card.Id == JokerId ? std::string("Joker")
                                   : std::string(Ranks[card.Id % 13]) + "CHDS"[card.Id / 13];
    }
    return text;
}

// Pins the deal of three moments of the day, worked out by hand from the rules apart from this code:
// a fresh deck, 31 passes of 52 swaps each with a card drawn from all 52, then the Joker on one of
// the 24 table places, 1613 draws in all. Guards against a shuffle drawing from the table only, a
// pass too few or too many, and a Joker drawn before the shuffle.
TEST(CardDeal, ThreeMomentsDealTheirKnownTablesInOneDrawPerSwapAndOneForTheJoker) {
    const struct {
        uint32_t Seed;
        const char* Table;
    } deals[] = {
        {0, "10C 6C KH 2H 8C 8D 8S AC 8H 4S 9D 4D AS 7S AD 4C KS 5S QH 3D Joker QD 10H 5D"},
        {43'200'000, "9D JS AS Joker 2S 10H 6S 6D 8H QD 4H AH AC QH 4S 9H 8S 5C KH 2H JC 7H 9C 8C"},
        {86'399'999, "9H KC 3S 8D Joker 10H KH 6C 6D 10D 3D 5C 3C JH JD 9S 5S 9D AD 7S QH QD 10S AC"},
    };
    for (const auto& deal : deals) {
        TCardGame game;
        game.ShuffleAndDeal(deal.Seed);
        EXPECT_EQ(TableText(game), deal.Table) << "seed " << deal.Seed;
        EXPECT_EQ(game.Random.Seed, RandomJumpOf(31 * DeckSize + 1).From(deal.Seed)) << "seed " << deal.Seed;
    }
}

// Guards against a shuffle or Joker placement that repeats a card, loses the Joker, or shows a card face up.
TEST(CardDeal, EveryDealShowsTwentyFourDistinctFaceDownCardsWithExactlyOneJoker) {
    for (uint32_t seed : {0u, 1u, 12345u, 43'200'000u, 86'399'999u}) {
        for (uint32_t step = 0; step < 400; ++step) {
            TCardGame game;
            game.ShuffleAndDeal(seed + step * 7919u);
            std::set<int> ids;
            int jokers = 0;
            for (int p = 0; p < TableCards; ++p) {
                const CardRecord& card = game.Deck[p];
                EXPECT_FALSE(card.FaceUp) << "seed " << seed + step * 7919u << " position " << p;
                if (card.Id == JokerId) {
                    ++jokers;
                    EXPECT_EQ(card.Rank, JokerRank);
                } else {
                    EXPECT_EQ(card.Rank, card.Id % 13);
                    EXPECT_EQ(card.Suit, card.Id / 13);
                    ids.insert(card.Id);
                }
            }
            ASSERT_EQ(jokers, 1) << "seed " << seed + step * 7919u;
            ASSERT_EQ(ids.size(), 23u) << "seed " << seed + step * 7919u;
        }
    }
}

// Guards against a Joker that always lands on the same place or never reaches the last row.
TEST(CardDeal, TheJokerCanLieAnywhereOnTheTable) {
    std::set<int> places;
    for (uint32_t seed = 0; seed < 3000; ++seed) {
        TCardGame game;
        game.ShuffleAndDeal(seed * 1009u);
        for (int p = 0; p < TableCards; ++p)
            if (game.Deck[p].Id == JokerId)
                places.insert(p);
    }
    EXPECT_EQ(places.size(), static_cast<size_t>(TableCards));
}

// Guards against swapped suit colours: hearts and diamonds are red, clubs and spades black.
TEST(CardDeal, HeartsAndDiamondsAreRed) {
    EXPECT_FALSE(IsRed({12, 12, 0, false}));
    EXPECT_TRUE(IsRed({13, 0, 1, false}));
    EXPECT_TRUE(IsRed({38, 12, 2, false}));
    EXPECT_FALSE(IsRed({39, 0, 3, false}));
}

// Guards against wrong multipliers, adding the stake back, or compounding in the wrong order.
TEST(CardTurn, JokerAceAndQueenMultiplySevenIntoSeventyThenTwoHundredTenThenFourHundredTwenty) {
    int32_t stake = 7;
    stake = StakeAfter(EffectOf(JokerRank), stake);
    EXPECT_EQ(stake, 70);
    stake = StakeAfter(EffectOf(0), stake);
    EXPECT_EQ(stake, 210);
    stake = StakeAfter(EffectOf(11), stake);
    EXPECT_EQ(stake, 420);
}

// Guards against rounding a half up, or ending the game when a halving reaches 0.
TEST(CardTurn, ASevenHalvesWithTheRemainderDroppedAndZeroPlaysOn) {
    const TCardEffect seven = EffectOf(6);
    EXPECT_EQ(StakeAfter(seven, 5), 2);
    EXPECT_EQ(StakeAfter(seven, 1), 0);
    EXPECT_EQ(StakeAfter(EffectOf(12), 0), 0) << "a King on nothing still leaves nothing";
    EXPECT_EQ(StakeAfter(EffectOf(JokerRank), 0), 0);
}

// Guards against a wrong row of the effect table: which card does what, and which sound it makes.
TEST(CardTurn, EachRankHasItsEffectAndSound) {
    for (int rank = 1; rank <= 5; ++rank) {
        EXPECT_EQ(EffectOf(rank), TCardEffect::LoseAll) << "rank " << rank;
        EXPECT_EQ(StakeAfter(EffectOf(rank), 400), 0);
    }
    for (int rank = 7; rank <= 9; ++rank)
        EXPECT_EQ(StakeAfter(EffectOf(rank), 400), 400) << "rank " << rank;
    for (int rank = 10; rank <= 12; ++rank)
        EXPECT_EQ(StakeAfter(EffectOf(rank), 400), 800) << "rank " << rank;
    EXPECT_EQ(SoundOf(EffectOf(3)), SoundId::Loss);
    EXPECT_EQ(SoundOf(EffectOf(6)), SoundId::Refusal);
    EXPECT_EQ(SoundOf(EffectOf(8)), SoundId::Refusal);
    EXPECT_EQ(SoundOf(EffectOf(0)), SoundId::Payoff);
    EXPECT_EQ(SoundOf(EffectOf(10)), SoundId::Payoff);
    EXPECT_EQ(SoundOf(EffectOf(JokerRank)), SoundId::Payoff);
}

// Guards against a product that wraps past 2,147,483,647 into a negative or small amount.
TEST(CardTurn, AStakeNearTheTopOfTheRangeSaturatesInsteadOfWrapping) {
    EXPECT_EQ(StakeAfter(EffectOf(JokerRank), 300'000'000), MaxCredits);
    EXPECT_EQ(StakeAfter(EffectOf(0), 1'000'000'000), MaxCredits);
    EXPECT_EQ(StakeAfter(EffectOf(10), MaxCredits), MaxCredits);
    EXPECT_EQ(StakeAfter(EffectOf(10), 1'073'741'823), 2'147'483'646) << "just below the top is exact";
}

// Guards against off-by-one card edges: the gaps between rows and columns hit nothing.
TEST(CardTable, ClicksFindTheCardUnderThemAndNothingInTheGaps) {
    EXPECT_EQ(TCardGame::TablePositionAt(8, 8), 0);
    EXPECT_EQ(TCardGame::TablePositionAt(81, 106), 0) << "the edge one pixel past the card still counts";
    EXPECT_EQ(TCardGame::TablePositionAt(86, 108), 9);
    EXPECT_EQ(TCardGame::TablePositionAt(627, 306), 23);
    for (int x = 82; x <= 85; ++x)
        EXPECT_FALSE(TCardGame::TablePositionAt(x, 50)) << "x " << x;
    EXPECT_FALSE(TCardGame::TablePositionAt(50, 107));
    EXPECT_FALSE(TCardGame::TablePositionAt(7, 50));
    EXPECT_FALSE(TCardGame::TablePositionAt(628, 50));
    EXPECT_FALSE(TCardGame::TablePositionAt(50, 307));
    EXPECT_FALSE(TCardGame::TablePositionAt(50, 7));
    EXPECT_EQ(TCardGame::CardRect(23), RectAt(554, 208, 73, 98));
}

// Guards against turning a card twice or playing on after a 2 to 6.
TEST(CardTable, ATurnedCardAndEveryCardAfterALossStayAsTheyAre) {
    TCardGame game;
    game.ShuffleAndDeal(4711);
    const int joker = FindRank(game, JokerRank);
    ASSERT_GE(joker, 0);
    EXPECT_TRUE(game.CanTurn(joker));
    EXPECT_EQ(game.Turn(joker), TCardEffect::TimesTen);
    EXPECT_TRUE(game.Deck[joker].FaceUp);
    EXPECT_FALSE(game.CanTurn(joker));

    const int other = joker == 0 ? 1 : 0;
    game.Lose();
    EXPECT_FALSE(game.CanTurn(other));
    game.RevealTable();
    for (int p = 0; p < TableCards; ++p)
        EXPECT_TRUE(game.Deck[p].FaceUp) << "position " << p;
    EXPECT_FALSE(game.Deck[TableCards].FaceUp) << "cards off the table are never shown";
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Guards against arrows that land on a turned card, wrap round the table's edge, or lose the
// column when the row below has gaps.
TEST(CardTable, ArrowsMoveToTheNearestCardThatCanStillBeTurned) {
    TCardGame game;
    // Turned: 1, 2 and the whole middle row but 13; nothing turned in the bottom row.
    for (const int p : {1, 2, 8, 9, 10, 11, 12, 14, 15})
        game.Deck[p].FaceUp = true;
    const struct {
        int From;
        TArrow Arrow;
        std::optional<int> To;
    } moves[] = {
        {0, TArrow::Right, 3},   {3, TArrow::Left, 0},   {0, TArrow::Left, std::nullopt},
        {7, TArrow::Right, 13},  {13, TArrow::Left, 7},  {23, TArrow::Right, std::nullopt},
        {0, TArrow::Down, 13},   {7, TArrow::Down, 13},  {13, TArrow::Down, 21},
        {17, TArrow::Up, 13},    {13, TArrow::Up, 5},    {0, TArrow::Up, std::nullopt},
        {2, TArrow::Down, 13},   {22, TArrow::Down, std::nullopt},
    };
    for (const auto& move : moves)
        EXPECT_EQ(game.CardToward(move.From, move.Arrow), move.To)
            << "from " << move.From << " arrow " << static_cast<int>(move.Arrow);

    game.GameOver = true;
    EXPECT_EQ(game.CardToward(0, TArrow::Right), std::nullopt) << "after a loss nothing turns";
}

} // namespace
} // namespace zorva
