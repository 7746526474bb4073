#include <algorithm>

#include "engine/bonus_rules.h"
#include "engine/credits.h"
#include "engine/machine.h"
#include "engine/payoff_table.h"

namespace zorva {

void TSlotMachine::AddWinningLine(int lineIndex, int32_t payoff) {
    Session.LastSpinSummary.push_back({LinePaidLine, lineIndex + 1, payoff});
    if (FlashLine == -1)
        FlashLine = lineIndex;
    Session.SpinWinnings = SaturatingAdd(Session.SpinWinnings, payoff);
}

void TSlotMachine::EvaluateSpin() {
    Randomize();
    FlashTicks = 0;
    FlashLine = -1;
    Session.LastSpinSummary.clear();

    // Every wild in sight feeds the pool, whatever lines are played.
    int wilds = 0;
    for (int w = 0; w < WheelCount; ++w)
        wilds += SymbolAt(w) == Wild ? 1 : 0;
    const int32_t feed = PoolFeedPerWild * wilds;
    if (feed > 0) {
        Session.BonusPool = SaturatingAdd(Session.BonusPool, feed);
        View.DrawMeter(TMeter::BonusPool);
        Session.LastSpinSummary.push_back({PoolFeedLine, feed});
    }

    const int lines = std::clamp(Session.LinesPlayed, 0, LineCount);
    for (int line = 0; line < lines; ++line)
        EvaluateLine(line);

    if (Session.Globes < 1)
        BonusPoolAward();
    if (Session.Dollars < 1)
        FreeSpinAward();
    // Nothing below writes to the summary: it is whole here, and the player hears it before any
    // double-or-nothing game or count-off.
    if (Session.LastSpinSummary.empty())
        Session.LastSpinSummary.push_back({NoWinningLine, 0, 0, TSummaryBreak::None});
    Notices.Announce(TAnnouncement::SpinOutcome);

    if (Session.SpinWinnings > 0) {
        View.DrawWinnings(true);
        PlaySound(SoundId::Win);
        if (Session.Double)
            DoubleOrNothingHandOff(true);
        View.DrawWinnings(true);
        if (FlashLine >= 0 && !Session.AutoSpin)
            EnableTimer(TimerId::Timer4, true);
        PaySpinWinnings();
    }
}

void TSlotMachine::EvaluateLine(int lineIndex) {
    const TNormalLine& line = NormalLine(LineSymbols(Strips, Stops, lineIndex));

    // A globe line takes its globe whether or not a richer rule pays the line.
    if (line.TakesGlobe) {
        Session.Globes = SaturatingAdd(Session.Globes, -1);
        View.DrawMeter(TMeter::GlobeRow);
        PlaySound(SoundId::Globe);
    }
    if (line.PaysDollar && Session.Dollars > 0) {
        Session.Dollars = SaturatingAdd(Session.Dollars, -1);
        View.DrawMeter(TMeter::DollarRow);
        PlaySound(SoundId::Dollar);
    }

    const int32_t win = SaturatingMultiply(Session.CoinsPerLine, line.Total);
    Session.LineWins[lineIndex] = win;
    if (win > 0)
        AddWinningLine(lineIndex, win);
}

void TSlotMachine::EvaluateFreeSpin() {
    FlashTicks = 0;
    FlashLine = -1;
    Session.LastSpinSummary.clear();

    const int lines = std::clamp(Session.LinesPlayed, 0, LineCount);
    for (int line = 0; line < lines; ++line) {
        const int32_t win =
            SaturatingMultiply(Session.CoinsPerLine, FreeSpinLinePayoff(LineSymbols(Strips, Stops, line)));
        Session.LineWins[line] = win;
        if (win > 0)
            AddWinningLine(line, win);
    }
    if (Session.LastSpinSummary.empty())
        Session.LastSpinSummary.push_back({NoWinningLine, 0, 0, TSummaryBreak::None});
    Notices.Announce(TAnnouncement::SpinOutcome);

    if (Session.SpinWinnings > 0) {
        View.DrawWinnings(true);
        PlaySound(SoundId::Win);
        // Here the lines already flash behind the double-or-nothing window.
        if (FlashLine >= 0 && !Session.AutoSpin)
            EnableTimer(TimerId::Timer4, true);
        // The free spin's own winnings; a double-or-nothing result is booked by the game
        // itself, and counting it here too would count it twice in the statistics.
        Session.BonusRollWon = SaturatingAdd(Session.BonusRollWon, Session.SpinWinnings);
        if (Session.Double)
            DoubleOrNothingHandOff(false);
        View.DrawWinnings(true);
        PaySpinWinnings();
    }
}

void TSlotMachine::ShowLine(int lineIndex, bool on) {
    if (on) {
        View.HatchLine(lineIndex);
        return;
    }
    for (int wheel : Paylines[lineIndex]) {
        View.ClearWheel(wheel);
        View.DrawWheel(wheel);
    }
}

// Each winning line blinks for six ticks, then the next winning line in order takes over.
void TSlotMachine::FlashWinningLines() {
    if (FlashLine < 0)
        return;
    if (FlashTicks > 5) {
        ShowLine(FlashLine, false);
        FlashTicks = 0;
        int next = FlashLine;
        for (int tries = 0; tries < LineCount; ++tries) {
            next = (next + 1) % LineCount;
            if (Session.LineWins[next] > 0)
                break;
        }
        FlashLine = next;
    }
    FlashPhase = !FlashPhase;
    ShowLine(FlashLine, FlashPhase);
    FlashTicks += 1;
}

} // namespace zorva
