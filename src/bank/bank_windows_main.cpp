// Opens one of the bank's windows on its own, for trying it out and for screenshots:
//   zorva-bank-windows save|open|borrow|stats|paychart [--screen-width N] [--demo] [--grab file.png]
// The slot dialog works on the real saved-game file ($XDG_CONFIG_HOME/zorva/Zorva.ini). --demo gives
// the session a made-up run for the statistics plot; --grab saves the window as a picture and closes it.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <iostream>

#include "bank/borrow.h"
#include "bank/game_section.h"
#include "bank/payoffs.h"
#include "bank/save.h"
#include "bank/saved_game.h"
#include "bank/stats.h"
#include "engine/random.h"
#include "platform/help_viewer.h"
#include "platform/translations.h"

namespace {

using namespace zorva;

// A made-up evening: spins that drift down, a borrow, a lucky streak, a pay back, a new game.
void PlayDemoRun(TGameSession& session) {
    TRandom rng;
    rng.Randomize(20240307);
    const auto spins = [&](int count, int bias) {
        for (int i = 0; i < count; ++i) {
            const int32_t bet = session.Bet();
            session.Credits -= bet;
            session.TotalBets += bet;
            session.Spins += 1;
            const int32_t won = rng.Random(100) < 25 + bias ? static_cast<int32_t>(rng.Random(8) * bet) : 0;
            session.Credits += won;
            session.CreditHistory.AddSpin(session.Credits);
        }
    };
    session.CoinsPerLine = 4;
    session.CreditHistory.Begin(session.Credits);
    spins(120, 0);
    session.Credits += 1000;
    session.Borrowed += 1000;
    session.CreditHistory.Mark(TCreditEvent::Borrow, session.Credits);
    spins(160, 12);
    session.Credits -= 500;
    session.Borrowed -= 500;
    session.CreditHistory.Mark(TCreditEvent::PayBack, session.Credits);
    spins(80, 0);
    NewGameReset(session);
    session.CreditHistory.Mark(TCreditEvent::NewGame, session.Credits);
    spins(90, 5);
    session.DoubleOrNothingWon = -40;
    session.Credits -= 40;
    session.BonusRollWon = 85;
    session.NumberOfBonusRolls = 3;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zorva::InstallTranslations(QApplication::applicationDirPath());
    QApplication::setApplicationName(QStringLiteral("Zorva Slots"));
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("window"),
                                 QStringLiteral("save, open, borrow, stats or paychart"));
    parser.addOption({QStringLiteral("screen-width"), QStringLiteral("Screen width for the digits."),
                      QStringLiteral("pixels"), QStringLiteral("800")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("Give the session a made-up run.")});
    parser.addOption({QStringLiteral("grab"), QStringLiteral("Save the window as a picture and close it."),
                      QStringLiteral("file")});
    parser.addHelpOption();
    parser.process(application);
    const QString window = parser.positionalArguments().value(0);

    SetHelpFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help")));
    TScreenFacts screen = SystemDesktop().Screen();
    screen.Width = parser.value(QStringLiteral("screen-width")).toInt();
    TDesktopOnScreen desktop(SystemDesktop(), screen);
    TGameSession session;
    ReadGame(desktop, session, CurrentGameSlot);
    if (parser.isSet(QStringLiteral("demo"))) {
        PlayDemoRun(session);
    }

    if (parser.isSet(QStringLiteral("grab"))) {
        const QString file = parser.value(QStringLiteral("grab"));
        QTimer::singleShot(300, [file] {
            if (QWidget* shown = QApplication::activeModalWidget()) {
                shown->grab().save(file);
                shown->close();
            }
        });
    }

    if (window == QLatin1String("save") || window == QLatin1String("open")) {
        OpenSlotDialog(session,
                       window == QLatin1String("save") ? TSlotDialogMode::Save : TSlotDialogMode::Open,
                       desktop, nullptr);
    } else if (window == QLatin1String("borrow")) {
        OpenBorrowDialog(session, desktop, nullptr);
    } else if (window == QLatin1String("stats")) {
        OpenStatistics(session, desktop, nullptr);
    } else if (window == QLatin1String("paychart")) {
        OpenPaychart(QCoreApplication::applicationDirPath(), desktop, nullptr);
    } else {
        parser.showHelp(2);
    }
    std::cout << "Credits " << session.Credits << ", borrowed " << session.Borrowed << '\n';
    return 0;
}
