// zorva-double-games: opens one double-or-nothing window on its own, for trying it out and for
// screenshots. Not installed.
//   zorva-double-games [--pyramid | --cards] [--stake N] [--seed MS] [--silent]
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>

#include "doublegames/double_game.h"
#include "doublegames/sound_effects_host.h"
#include "platform/help_viewer.h"
#include "platform/sound_pulse.h"
#include "platform/translations.h"

namespace {

// Plays the real sounds; a seed given on the command line replaces the clock, so a deal can be
// dealt again.
class TDevHost : public zorva::TSoundEffectsHost {
  public:
    TDevHost(zorva::TSoundEffects& effects, std::optional<uint32_t> seed)
        : TSoundEffectsHost(effects, zorva::SystemDesktop()), Seed(seed) {}
    uint32_t UtcMillisecondOfDay() override {
        return Seed ? *Seed : TSoundEffectsHost::UtcMillisecondOfDay();
    }

  private:
    std::optional<uint32_t> Seed;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zorva::InstallTranslations(QApplication::applicationDirPath());
    QApplication::setApplicationName(QStringLiteral("Zorva Slots"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens the card game or the Pyramid with a given stake."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("pyramid"), QStringLiteral("Open the Pyramid (the default).")});
    parser.addOption({QStringLiteral("cards"), QStringLiteral("Open the card game.")});
    parser.addOption({QStringLiteral("stake"), QStringLiteral("Credits at stake (default 100)."),
                      QStringLiteral("N"), QStringLiteral("100")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Deal as if at this millisecond of the day."),
                      QStringLiteral("MS")});
    parser.addOption({QStringLiteral("silent"), QStringLiteral("Sound off.")});
    parser.process(application);

    bool stakeOk = false;
    const int stake = parser.value(QStringLiteral("stake")).toInt(&stakeOk);
    bool seedOk = true;
    const uint32_t seed =
        parser.isSet(QStringLiteral("seed")) ? parser.value(QStringLiteral("seed")).toUInt(&seedOk) : 0;
    if (!stakeOk || stake < 0 || !seedOk) {
        std::fputs("zorva-double-games: the stake and the seed are whole numbers of 0 or more\n", stderr);
        return 2;
    }

    const QString programFolder = QCoreApplication::applicationDirPath();
    zorva::SetHelpFolder(programFolder + QStringLiteral("/help"));
    zorva::TGameSession session;
    session.Sound = !parser.isSet(QStringLiteral("silent"));
    session.SpinWinnings = stake;
    zorva::TPulseSoundBackend backend;
    zorva::TSoundPlayer player(backend);
    zorva::TSoundEffects effects(player, session.Sound, programFolder);
    effects.LoadClickSound();
    TDevHost host(effects,
                  parser.isSet(QStringLiteral("seed")) ? std::optional<uint32_t>(seed) : std::nullopt);

    // The switch buttons open the other game at once, as the machine does.
    session.BonusGame = !parser.isSet(QStringLiteral("cards"));
    session.ReopenDoubleGame = true;
    while (session.ReopenDoubleGame) {
        session.ReopenDoubleGame = false;
        zorva::OpenDoubleGameWindow(session, session.BonusGame, host, nullptr);
    }
    std::printf("paid %d, double-or-nothing booked %d\n", session.SpinWinnings, session.DoubleOrNothingWon);
    return 0;
}
