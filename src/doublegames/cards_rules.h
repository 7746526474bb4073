#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "doublegames/arrows.h"
#include "platform/rect.h"
#include "engine/random.h"
#include "engine/sounds.h"

namespace zorva {

struct CardRecord {
    int32_t Id = 0;   // 0 to 51, 52 for the Joker
    int32_t Rank = 0; // Id mod 13: 0 Ace, 1 to 9 the cards 2 to 10, 10 Jack, 11 Queen, 12 King; 13 Joker
    int32_t Suit = 0; // Id div 13: 0 clubs, 1 hearts, 2 diamonds, 3 spades
    bool FaceUp = false;
};

inline constexpr int DeckSize = 52;
inline constexpr int TableCards = 24;
inline constexpr int TableColumns = 8;
inline constexpr int JokerId = 52;
inline constexpr int JokerRank = 13;
inline constexpr int CardWidth = 73;
inline constexpr int CardHeight = 98;

// Hearts and diamonds.
constexpr bool IsRed(const CardRecord& card) {
    return card.Id >= 13 && card.Id <= 38;
}

// What a turned card does to the amount at stake.
enum class TCardEffect { LoseAll, TimesTen, Triple, Double, Halve, Push };

TCardEffect EffectOf(int32_t rank);
SoundId SoundOf(TCardEffect effect);
// Multiplications stop at the largest amount a credit count can hold instead of wrapping.
int32_t StakeAfter(TCardEffect effect, int32_t stake);

// The 24 cards on the table: positions 0 to 23 of Deck, three rows of eight.
class TCardGame {
  public:
    std::array<CardRecord, DeckSize> Deck{};
    bool GameOver = false;
    TRandom Random; // reseeded by each deal; left where the deal's last draw put it

    // A fresh deck, 31 shuffle passes, and the Joker in place of one table card.
    void ShuffleAndDeal(uint32_t utcMillisecondOfDay);

    // The table position under a client point; none in the gaps between and around the cards.
    static std::optional<int> TablePositionAt(int x, int y);
    static TRect CardRect(int position);

    bool CanTurn(int position) const;
    // Turns the card face up and tells what it does; only for a card that CanTurn.
    TCardEffect Turn(int position);
    // After a 2 to 6: the game ends and every table card is shown.
    void Lose();
    void RevealTable();

    // Where an arrow key takes the focus from the card at position: the next card that can be
    // turned in reading order (Left, Right), or the nearest one in the closest row above or below
    // that has any (Up, Down). None at the table's edge.
    std::optional<int> CardToward(int position, TArrow arrow) const;
};

} // namespace zorva
