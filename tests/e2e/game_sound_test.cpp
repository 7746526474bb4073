// The real program under a virtual X server, its sound going to a private sound server whose
// output is recorded: a spin must be heard as it is played.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/sound_server.h"

namespace zorva {
namespace {

using testing::FindSound;
using testing::TPrivateSoundServer;
using testing::WaveFileSamples;

constexpr int CreditsBefore = 500;
constexpr int Bet = 8;

// Lets time pass with the event loop turning, so the recorder's output is taken in as it comes.
void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QString ProgramFile(const char* name) {
    return QDir(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER)).filePath(QString::fromLatin1(name));
}

struct TSpinHeard {
    std::vector<size_t> Clicks;
    std::vector<size_t> Wins;
    bool Chaser = false;
    int Credits = 0;
    int FreeSpins = 0;
};

class GameSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Server.Failure().isEmpty()) << Server.Failure().toStdString();
        // The server picks a free display and names it on its output once it takes connections.
        X.start(QStringLiteral("Xvfb"),
                {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        ASSERT_TRUE(X.waitForStarted(5000));
        for (int i = 0; i < 100 && !X.canReadLine(); ++i)
            X.waitForReadyRead(100);
        const QString number = QString::fromLatin1(X.readLine()).trimmed();
        ASSERT_FALSE(number.isEmpty()) << "the X server did not start";
        Display = QLatin1Char(':') + number;
    }

    void TearDown() override {
        X.terminate();
        X.waitForFinished(3000);
    }

    bool Run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), Display);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        const bool ok = process.waitForFinished(5000) && process.exitCode() == 0;
        if (output != nullptr)
            *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        return ok;
    }

    // Starts the game on a saved game with Sound on, presses Enter once and listens.
    TSpinHeard SpinOnce() {
        TSpinHeard result;
        QTemporaryDir config;
        QDir(config.path()).mkpath(QStringLiteral("zorva"));
        QFile ini(config.filePath(QStringLiteral("zorva/Zorva.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            return result;
        ini.write(QStringLiteral("[CurrentGame]\nCredits=%1\nBorrowed=1000\nLinesPlayed=8\nCoinsPerLine=1\n"
                                 "Sound=1\nDouble=0\nPayMode=0\n")
                      .arg(CreditsBefore)
                      .toLatin1());
        ini.close();

        EXPECT_TRUE(Server.StartRecording());
        QProcess game;
        QProcessEnvironment environment = Server.Environment();
        environment.insert(QStringLiteral("DISPLAY"), Display);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QStringLiteral(ZORVA_TEST_PROGRAM), {});
        QString window;
        for (int i = 0; i < 100 && window.isEmpty(); ++i) {
            Run("xdotool", {"search", "--name", "^Zorvania$"}, &window);
            window = window.section(QLatin1Char('\n'), 0, 0);
            Wait(100);
        }
        EXPECT_FALSE(window.isEmpty()) << "the window never appeared";
        // The sound module loads once the first frame is out.
        Wait(700);
        Run("xdotool", {"key", "--window", window, "Return"});
        Wait(10000);
        game.terminate();
        EXPECT_TRUE(game.waitForFinished(10000));
        const std::vector<int16_t> heard = Server.StopRecording();

        result.Clicks = FindSound(heard, WaveFileSamples(ProgramFile("Zorva0.wav")));
        result.Wins = FindSound(heard, WaveFileSamples(ProgramFile("Zorva9.wav")));
        result.Chaser = !FindSound(heard, WaveFileSamples(ProgramFile("Zorva7.wav"))).empty();
        QSettings saved(ini.fileName(), QSettings::IniFormat);
        result.Credits = saved.value(QStringLiteral("CurrentGame/Credits")).toInt();
        result.FreeSpins = saved.value(QStringLiteral("CurrentGame/NumberOfBonusRolls")).toInt();
        return result;
    }

    TPrivateSoundServer Server;
    QString Display;
    QProcess X;
};

// Guards against the clicks of the landing wheels, or the fanfare of a win, being lost on the way
// to the sound server. Spins until one wins, a few at most: a losing spin is checked too.
TEST_F(GameSoundTest, ASpinIsHeardAsNineClicksAndAWinAsTheWinSound) {
    bool sawWin = false;
    for (int spin = 0; spin < 5 && !sawWin; ++spin) {
        const TSpinHeard heard = SpinOnce();
        SCOPED_TRACE("spin " + std::to_string(spin) + ", credits after " + std::to_string(heard.Credits));
        ASSERT_GE(heard.Clicks.size(), 9u);
        // A Mystery Bonus or free spins bring sounds of their own.
        if (heard.Chaser || heard.FreeSpins > 0)
            continue;
        const bool won = heard.Credits > CreditsBefore - Bet;
        sawWin = won;
        if (won) {
            ASSERT_EQ(heard.Wins.size(), 1u) << "the win sound";
            EXPECT_GT(heard.Wins[0], heard.Clicks[8]) << "the win sound follows the last wheel";
        } else {
            EXPECT_EQ(heard.Credits, CreditsBefore - Bet);
            EXPECT_EQ(heard.Clicks.size(), 9u);
            EXPECT_TRUE(heard.Wins.empty()) << "no win sound on a losing spin";
        }
    }
}

} // namespace
} // namespace zorva

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
