#include "saved_game_play.h"

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "bank/borrow_rules.h"
#include "bank/game_section.h"
#include "bank/stats_rules.h"
#include "engine/bonus_rules.h"
#include "engine/credits.h"
#include "engine/machine.h"
#include "engine/payoff_table.h"
#include "platform/profile_file.h"
#include "seeded_draw.h"
#include "support/fake_host.h"

namespace zorva {

namespace {

constexpr int32_t Most = std::numeric_limits<int32_t>::max();
constexpr int PaidSpins = 60;
constexpr int MostCommands = 200;
// One command in this many watches its spins turn; the others settle them at once, which checks the
// same books in a fraction of the time. Stop and the close still land mid-animation often enough.
constexpr unsigned AnimatedShare = 4;
// Beyond this a count-off would take millions of steps; the player picks instant payoff instead.
constexpr int32_t LongestCountOff = 100'000;
constexpr int MostSwitchesPerStake = 3;

// Moments whose spin shows each feature, so a few dozen spins meet them all.
struct TFeatureSeeds {
    std::vector<uint32_t> Seeds;

    TFeatureSeeds() {
        TStrips strips{};
        BuildStrips(strips);
        const std::vector<bool (*)(const TStrips&, const TStops&)> features{
            [](const TStrips& s, const TStops& stops) { return s[4][stops[4]] == Mystery; },
            [](const TStrips& s, const TStops& stops) { return IsGlobeLine(LineSymbols(s, stops, 0)); },
            [](const TStrips& s, const TStops& stops) {
                return NormalLinePayoff(LineSymbols(s, stops, 1)).Symbol == Dollar;
            },
            [](const TStrips& s, const TStops& stops) { return s[0][stops[0]] == Wild; },
        };
        for (const auto& feature : features)
            Seeds.push_back(SeedWhere([&](const TStops& stops) { return feature(strips, stops); }));
    }
};

// The fake window, keeping books of every credit from what a player could see and hear.
class TBookingHost : public TFakeHost {
  public:
    explicit TBookingHost(uint32_t luck) : Luck(luck) {
        LogDrawing = false;
        static const TFeatureSeeds features;
        Features = &features;
    }

    std::mt19937 Luck;
    const TFeatureSeeds* Features;
    int64_t Expected = 0; // credits as the books have them
    bool Exact = true;    // no amount has yet run into the 32-bit ceiling
    int Settled = 0;
    std::string Fault;

    void Fail(const std::string& fault) {
        if (Fault.empty())
            Fault = fault;
    }

    void DrawMeter(TMeter meter) override {
        if (meter != TMeter::Credits)
            return;
        if (Machine->Session.Credits < 0)
            Fail("the credits meter shows " + std::to_string(Machine->Session.Credits));
        Exact = Exact && Machine->Session.Credits < Most;
    }
    void Play(SoundId sound) override {
        const TGameSession& s = Machine->Session;
        if (sound == SoundId::Pool)
            Expected += s.BonusPool;
        if (sound == SoundId::Win) {
            for (const int32_t win : s.LineWins)
                Expected += win;
            Exact = Exact && s.SpinWinnings < Most;
        }
    }
    void DrawMysteryPrize(int box, bool chosen) override {
        if (chosen)
            Expected += Machine->MysteryPrizes[box];
    }
    // Lost, doubled, kept or passed to the other game, booked as the real games book it.
    void OpenDoubleGame(bool pyramid) override {
        TGameSession& s = Machine->Session;
        s.ReopenDoubleGame = false;
        const int32_t stake = s.SpinWinnings;
        const unsigned outcome = Luck() % 4;
        if (outcome == 0)
            s.SpinWinnings = 0;
        else if (outcome == 1)
            s.SpinWinnings = SaturatingMultiply(stake, 2);
        else if (outcome == 2 && Switches < MostSwitchesPerStake) {
            ++Switches;
            s.BonusGame = !pyramid;
            s.ReopenDoubleGame = s.SpinWinnings > 0;
        }
        if (!s.ReopenDoubleGame)
            Switches = 0;
        s.DoubleOrNothingWon = SaturatingAdd(s.DoubleOrNothingWon, SaturatingAdd(s.SpinWinnings, -stake));
        Expected += int64_t{s.SpinWinnings} - stake;
        Exact = Exact && s.SpinWinnings < Most;
    }
    void SpinSettled() override {
        Expected -= Machine->Session.Bet();
        ++Settled;
    }
    void RepaintAll() override {}
    void ShowInformation(const std::string&) override {}
    void DrawOptionCaptions() override {}
    // Half the spins are left to chance, the others show a feature.
    uint32_t UtcMillisecondOfDay() override {
        const auto& seeds = Features->Seeds;
        return Luck() % 2 ? Luck() % 86'400'000 : seeds[Luck() % seeds.size()];
    }

  private:
    int Switches = 0;
};

class TPlayer {
  public:
    TPlayer(TGameSession& session, uint32_t luck) : Session(session), Host(luck), Luck(luck + 1) {
        Host.Machine = &Machine;
        Host.Expected = Session.Credits;
        Borrowed = Session.Borrowed;
    }

    std::string Play() {
        Check("as read");
        for (int command = 0; command < MostCommands && Host.Settled < PaidSpins && Host.Fault.empty();
             ++command) {
            PlayOneCommand();
            Check("after command " + std::to_string(command));
        }
        if (Host.Fault.empty())
            CloseMidSpin();
        return Host.Fault;
    }

  private:
    TGameSession& Session;
    TBookingHost Host;
    TSlotMachine Machine{Session, Host};
    std::mt19937 Luck;
    int64_t Borrowed = 0;

    void PlayOneCommand() {
        Host.Animated = Luck() % AnimatedShare == 0;
        switch (Luck() % 12) {
        case 0:
            Session.LinesPlayed = static_cast<int32_t>(Luck() % 9);
            Session.CoinsPerLine = static_cast<int32_t>(Luck() % 9);
            break;
        case 1:
            Session.Double = !Session.Double;
            Session.BonusGame = Luck() % 2;
            Session.PayMode = Luck() % 2;
            break;
        case 2:
            Bank(Luck() % 3 ? TBankMode::Borrow : TBankMode::PayBack);
            break;
        case 3:
            if (Luck() % 10 == 0) {
                Machine.NewGame();
                Host.Expected = Session.Credits;
                Host.Exact = true;
                Borrowed = Session.Borrowed;
            }
            break;
        case 4:
        case 5:
            AutoSpinFor(Luck() % 30'000);
            break;
        default:
            SpinOnce();
            break;
        }
    }

    void Bank(TBankMode mode) {
        const int32_t before = Session.Credits;
        PressAmount(Session, mode, ChipAmounts[Luck() % ChipAmounts.size()]);
        Host.Expected += int64_t{Session.Credits} - before;
        Borrowed += int64_t{Session.Credits} - before;
    }

    // No one counts off a fortune credit by credit.
    void ChoosePayMode() {
        if (Session.BonusPool > LongestCountOff)
            Session.PayMode = false;
    }

    void SpinOnce() {
        ChoosePayMode();
        Session.AutoSpin = false;
        if (Luck() % 3 == 0)
            Host.At(Host.Now + Luck() % 3000, [this] { Machine.PressStop(); });
        Machine.RequestSpin();
        if (Machine.TimerEnabled(TimerId::Timer1) && Luck() % 2) {
            Host.HandleEvents(Host.Now + Luck() % 4000); // the chaser runs a while
            Machine.PressStop();
        }
    }

    void AutoSpinFor(uint32_t milliseconds) {
        ChoosePayMode();
        Session.AutoSpin = true;
        Host.At(Host.Now + milliseconds, [this] { Session.AutoSpin = false; });
        Machine.RequestSpin();
        Session.AutoSpin = false;
    }

    // What the window does when it is closed in the middle of an auto spin run.
    void CloseMidSpin() {
        ChoosePayMode();
        Session.LinesPlayed = 8;
        Session.CoinsPerLine = 1;
        if (Session.Credits < Session.Bet())
            Bank(TBankMode::Borrow);
        Session.AutoSpin = true;
        Host.At(Host.Now + Luck() % 10'000, [this] { Machine.Close(); });
        const int settledBefore = Host.Settled;
        Machine.RequestSpin();
        Check("after closing");
        // A refused spin leaves the last paid win on show; only a spin that ran must be counted off.
        if (Host.Settled > settledBefore && Session.SpinWinnings != 0 && Session.PayMode)
            Host.Fail("closing left " + std::to_string(Session.SpinWinnings) + " credits uncounted");
    }

    void Require(bool condition, const std::string& what, const std::string& when) {
        if (!condition)
            Host.Fail(what + " " + when);
    }

    // Between commands the record is where the game's own rules leave it, and the books balance.
    void Check(const std::string& when) {
        const TGameSession& s = Session;
        Require(!s.Spinning && s.FreeSpinsLeft == 0 && !Machine.FreeSpinMode, "a spin is left running", when);
        Require(s.Credits >= 0 && s.Borrowed >= 0 && s.BonusPool >= 0 && s.SpinWinnings >= 0,
                "an amount is below 0", when);
        Require(s.Globes >= 1 && s.Globes <= FullGlobeRow, "Globes " + std::to_string(s.Globes), when);
        Require(s.Dollars >= 1 && s.Dollars <= FullDollarRow, "Dollars " + std::to_string(s.Dollars), when);
        Require(s.Spins >= 0 && s.TotalBets >= 0 && s.NumberOfBonusRolls >= 0 && s.GotBonusCount >= 0,
                "a count is below 0", when);
        Require(s.Borrowed == Borrowed, "the debt moved without the bank", when);
        const std::string books =
            "credits " + std::to_string(s.Credits) + ", books " + std::to_string(Host.Expected);
        if (Host.Exact)
            Require(s.Credits == Host.Expected, books, when);
        else
            Require(s.Credits <= Host.Expected, "credits from nowhere: " + books, when);
        ComputeStatistics(s);
    }
};

uint32_t Fingerprint(std::string_view bytes) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

} // namespace

std::string PlaySavedGame(std::string_view bytes) {
    TGameSession session;
    ReadGameSection(TProfileFile::Parse(bytes), session, CurrentGameSlot, "01/02/03");
    return TPlayer(session, Fingerprint(bytes)).Play();
}

} // namespace zorva
