#include "sim/par_sheet.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "engine/machine.h"
#include "engine/silent_host.h"

namespace zorva {

namespace {

// The simulated player keeps a deep pocket so the saturating credit meter never matters.
constexpr int32_t Bankroll = 1'000'000'000;

void RefillBankroll(TGameSession& s) {
    if (s.Credits > 100'000'000 && s.Credits < 2'000'000'000)
        return;
    s.Borrowed += Bankroll - s.Credits;
    s.Credits = Bankroll;
}

} // namespace

double TParSheet::SdPerSpin() const {
    if (Spins == 0)
        return 0.0;
    const double mean = double(ReturnTotal()) / double(Spins);
    return std::sqrt(std::max(0.0, SumOfSquares / double(Spins) - mean * mean));
}

double TParSheet::LineReturnError() const {
    if (Spins < 2)
        return 0.0;
    const double mean = double(ReturnLines) / double(Spins);
    return std::sqrt(std::max(0.0, SumOfSquaresLines / double(Spins) - mean * mean) / double(Spins));
}

TParSheet RunParSheet(const TParSheetRequest& request) {
    TGameSession session;
    TSilentHost host(request.Seed);
    TSlotMachine machine(session, host);
    session.LinesPlayed = request.Lines;
    session.CoinsPerLine = request.Coins;
    session.AutoSpin = true;
    session.Double = false;
    session.PayMode = false;

    TParSheet sheet;
    const auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0; i < request.Spins; ++i) {
        RefillBankroll(session);
        const int64_t creditsBefore = session.Credits;
        const int64_t poolBefore = session.BonusPoolWon;
        const int64_t freeBefore = session.BonusRollWon;
        const int64_t mysteryBefore = session.MysteryBonus;
        const int32_t bet = session.Bet();
        if (!machine.SpinIfBetAccepted())
            break;
        const int64_t returned = session.Credits - creditsBefore + bet;
        const int64_t pool = session.BonusPoolWon - poolBefore;
        const int64_t free = session.BonusRollWon - freeBefore;
        const int64_t mystery = session.MysteryBonus - mysteryBefore;
        sheet.Spins += 1;
        sheet.Bet += bet;
        sheet.ReturnPool += pool;
        sheet.ReturnFreeSpins += free;
        sheet.ReturnMystery += mystery;
        const int64_t lines = returned - pool - free - mystery;
        sheet.ReturnLines += lines;
        sheet.SumOfSquaresLines += double(lines) * double(lines);
        sheet.Hits += returned > 0 ? 1 : 0;
        sheet.SumOfSquares += double(returned) * double(returned);
    }
    sheet.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return sheet;
}

std::string FormatJson(const TParSheet& s) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "{\"spins\": %lld, \"bet\": %lld, \"return_lines\": %.6f, \"return_pool\": %.6f, "
                  "\"return_free_spins\": %.6f, \"return_mystery\": %.6f, \"return_total\": %.6f, "
                  "\"hit_frequency\": %.6f, \"sd_per_spin\": %.4f, \"spins_per_second\": %.0f}",
                  static_cast<long long>(s.Spins), static_cast<long long>(s.Bet), s.Share(s.ReturnLines),
                  s.Share(s.ReturnPool), s.Share(s.ReturnFreeSpins), s.Share(s.ReturnMystery),
                  s.Share(s.ReturnTotal()), s.HitFrequency(), s.SdPerSpin(), s.SpinsPerSecond());
    return text;
}

std::string FormatText(const TParSheetRequest& r, const TParSheet& s) {
    char text[1024];
    auto row = [&](int64_t amount) { return s.Share(amount) * 100.0; };
    std::snprintf(text, sizeof text,
                  "Zorva Slots par sheet: %d line(s) x %d coin(s), %lld paid spins\n"
                  "  credits bet          %15lld\n"
                  "  returned by lines    %15lld  %8.4f %%\n"
                  "  returned by pools    %15lld  %8.4f %%\n"
                  "  returned by free sp. %15lld  %8.4f %%\n"
                  "  returned by mystery  %15lld  %8.4f %%\n"
                  "  returned in total    %15lld  %8.4f %%\n"
                  "  hit frequency        %15.4f %%\n"
                  "  sd per spin          %15.4f credits\n"
                  "  spins per second     %15.0f\n",
                  r.Lines, r.Coins, static_cast<long long>(s.Spins), static_cast<long long>(s.Bet),
                  static_cast<long long>(s.ReturnLines), row(s.ReturnLines),
                  static_cast<long long>(s.ReturnPool), row(s.ReturnPool),
                  static_cast<long long>(s.ReturnFreeSpins), row(s.ReturnFreeSpins),
                  static_cast<long long>(s.ReturnMystery), row(s.ReturnMystery),
                  static_cast<long long>(s.ReturnTotal()), row(s.ReturnTotal()), s.HitFrequency() * 100.0,
                  s.SdPerSpin(), s.SpinsPerSecond());
    return text;
}

} // namespace zorva
