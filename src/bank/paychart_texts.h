#pragma once
#include <QtGlobal>

// The sentences of the payoff chart, a picture baked once for each language: marked here so that
// lupdate puts them in every translations/zorva_<language>.ts, from which the baker reads them.
// %1, %2 … are filled from the engine's tables.
namespace zorva::paychart {

inline constexpr const char* Context = "Paychart";
inline constexpr const char* Title = QT_TRANSLATE_NOOP("Paychart", "ZORVA SLOTS  PAYOFF CHART");
inline constexpr const char* PaysPerCoin = QT_TRANSLATE_NOOP("Paychart", "PAYS PER COIN");
inline constexpr const char* FreeSpinsPayPerCoin = QT_TRANSLATE_NOOP("Paychart", "FREE SPINS PAY PER COIN");
inline constexpr const char* OrWild = QT_TRANSLATE_NOOP("Paychart", "or WILD");
inline constexpr const char* AnyMix = QT_TRANSLATE_NOOP("Paychart", "any mix");
// %1: the return
inline constexpr const char* FreeLineReturn =
    QT_TRANSLATE_NOOP("Paychart", "Return per coin on every free-spin line: %1");
inline constexpr const char* LineReturns = QT_TRANSLATE_NOOP("Paychart", "RETURN PER COIN OF EACH PAYLINE");
inline constexpr const char* DoublePayoffsTitle = QT_TRANSLATE_NOOP("Paychart", "DOUBLE PAYOFFS:");
// %1: three wilds per coin
inline constexpr const char* DoublePayoffs = QT_TRANSLATE_NOOP(
    "Paychart", "each WILD on a winning line doubles its pay: one WILD pays x2, two WILDs x4. "
                "Three WILDs pay %1 per coin.");
inline constexpr const char* BonusPoolTitle = QT_TRANSLATE_NOOP("Paychart", "BONUS POOL:");
// %1: credits per wild, %2: globes in the row
inline constexpr const char* BonusPool = QT_TRANSLATE_NOOP(
    "Paychart", "every WILD showing after a paid spin adds %1 credits to the pool. Each winning globe line "
                "takes one of the %2 globes; take the last one and the whole pool is yours.");
inline constexpr const char* FreeSpinsTitle = QT_TRANSLATE_NOOP("Paychart", "FREE SPINS:");
// %1: dollars in the row, %2: free spins per award
inline constexpr const char* FreeSpins = QT_TRANSLATE_NOOP(
    "Paychart", "each winning dollar line takes one of the %1 dollars; take the last one for %2 FREE spins on "
                "the special wheels, paid by the table on the right.");
inline constexpr const char* MysteryTitle = QT_TRANSLATE_NOOP("Paychart", "MYSTERY BONUS:");
// %1, %2, %3: the prizes, smallest first
inline constexpr const char* Mystery = QT_TRANSLATE_NOOP(
    "Paychart", "a ? box on the centre wheel starts the chaser. Stop it to open a box worth %1, %2 or %3 "
                "times your coins per line.");

} // namespace zorva::paychart
