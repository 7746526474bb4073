#include "doublegames/cards_rules.h"

#include <cstdlib>
#include <utility>

#include "engine/credits.h"

namespace zorva {

namespace {

constexpr int ShufflePasses = 31;
constexpr int ColumnPitch = 78;
constexpr int RowPitch = 100;
constexpr int TableMargin = 8;
constexpr int TableRows = TableCards / TableColumns;

// The index i with pitch·i + TableMargin ≤ value ≤ pitch·i + TableMargin + extent, if any.
std::optional<int> SlotAt(int value, int pitch, int extent, int count) {
    for (int i = 0; i < count; ++i) {
        const int first = pitch * i + TableMargin;
        if (value >= first && value <= first + extent)
            return i;
    }
    return std::nullopt;
}

} // namespace

TCardEffect EffectOf(int32_t rank) {
    switch (rank) {
    case 0:
        return TCardEffect::Triple;
    case 6:
        return TCardEffect::Halve;
    case 7:
    case 8:
    case 9:
        return TCardEffect::Push;
    case 10:
    case 11:
    case 12:
        return TCardEffect::Double;
    case JokerRank:
        return TCardEffect::TimesTen;
    default:
        return TCardEffect::LoseAll;
    }
}

SoundId SoundOf(TCardEffect effect) {
    switch (effect) {
    case TCardEffect::LoseAll:
        return SoundId::Loss;
    case TCardEffect::Halve:
    case TCardEffect::Push:
        return SoundId::Refusal;
    case TCardEffect::TimesTen:
    case TCardEffect::Triple:
    case TCardEffect::Double:
        break;
    }
    return SoundId::Payoff;
}

int32_t StakeAfter(TCardEffect effect, int32_t stake) {
    switch (effect) {
    case TCardEffect::LoseAll:
        return 0;
    case TCardEffect::TimesTen:
        return SaturatingMultiply(stake, 10);
    case TCardEffect::Triple:
        return SaturatingMultiply(stake, 3);
    case TCardEffect::Double:
        return SaturatingMultiply(stake, 2);
    case TCardEffect::Halve:
        return stake / 2;
    case TCardEffect::Push:
        break;
    }
    return stake;
}

void TCardGame::ShuffleAndDeal(uint32_t utcMillisecondOfDay) {
    Random.Randomize(utcMillisecondOfDay);
    for (int i = 0; i < DeckSize; ++i)
        Deck[i] = CardRecord{i, i % 13, i / 13, false};
    for (int pass = 0; pass < ShufflePasses; ++pass)
        for (int i = 0; i < DeckSize; ++i)
            std::swap(Deck[i], Deck[Random.Random(DeckSize)]);
    // The Joker keeps the suit of the card it replaces; nothing reads it.
    CardRecord& joker = Deck[Random.Random(TableCards)];
    joker.Id = JokerId;
    joker.Rank = JokerRank;
}

std::optional<int> TCardGame::TablePositionAt(int x, int y) {
    const std::optional<int> row = SlotAt(y, RowPitch, CardHeight, TableRows);
    const std::optional<int> column = SlotAt(x, ColumnPitch, CardWidth, TableColumns);
    if (!row || !column)
        return std::nullopt;
    return *row * TableColumns + *column;
}

TRect TCardGame::CardRect(int position) {
    return RectAt(ColumnPitch * (position % TableColumns) + TableMargin,
                  RowPitch * (position / TableColumns) + TableMargin, CardWidth, CardHeight);
}

bool TCardGame::CanTurn(int position) const {
    return !GameOver && !Deck[position].FaceUp;
}

TCardEffect TCardGame::Turn(int position) {
    Deck[position].FaceUp = true;
    return EffectOf(Deck[position].Rank);
}

void TCardGame::Lose() {
    GameOver = true;
}

void TCardGame::RevealTable() {
    for (int p = 0; p < TableCards; ++p)
        Deck[p].FaceUp = true;
}

std::optional<int> TCardGame::CardToward(int position, TArrow arrow) const {
    if (arrow == TArrow::Left || arrow == TArrow::Right) {
        const int step = arrow == TArrow::Right ? 1 : -1;
        for (int p = position + step; p >= 0 && p < TableCards; p += step)
            if (CanTurn(p))
                return p;
        return std::nullopt;
    }
    const int step = arrow == TArrow::Down ? 1 : -1;
    const int column = position % TableColumns;
    for (int row = position / TableColumns + step; row >= 0 && row < TableRows; row += step) {
        std::optional<int> nearest;
        for (int c = 0; c < TableColumns; ++c) {
            const int p = row * TableColumns + c;
            if (CanTurn(p) && (!nearest || std::abs(c - column) < std::abs(*nearest % TableColumns - column)))
                nearest = p;
        }
        if (nearest)
            return nearest;
    }
    return std::nullopt;
}

} // namespace zorva
