#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "platform/single_instance.h"

namespace zorva {
namespace {

// The real game, started as a launcher starts it, on the saved game of one configuration folder.
class TGameProcess {
  public:
    TGameProcess(const QString& configHome, const QByteArray& savedGame = {}) : configHome_(configHome) {
        QDir().mkpath(configHome + QStringLiteral("/zorva"));
        if (!savedGame.isEmpty()) {
            QFile file(SavedGame());
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(savedGame) == savedGame.size());
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           QStringLiteral("suppressions=" ZORVA_TEST_LSAN_SUPPRESSIONS));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/zorva"), {});
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~TGameProcess() {
        process_.kill();
        process_.waitForFinished();
    }

    QString SavedGame() const { return configHome_ + QStringLiteral("/zorva/Zorva.ini"); }

    // Ready once it answers a later start, which it does only when its window is up.
    bool AnswersLaterStarts() {
        TSingleInstance probe(SavedGame().toStdString());
        for (int tries = 0; tries < 100 && process_.state() != QProcess::NotRunning; ++tries) {
            if (probe.HandOver())
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    // Generous: a start that runs a game of its own never ends by itself.
    bool EndsByItself() { return process_.waitForFinished(20000); }
    bool Running() const { return process_.state() == QProcess::Running; }
    int ExitCode() const { return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1; }
    void Signal(int signal) const { ::kill(pid_t(process_.processId()), signal); }

  private:
    QString configHome_;
    QProcess process_;
};

// Every file in the folder, with its contents and time of writing.
std::map<QString, std::pair<QByteArray, qint64>> Snapshot(const QString& folder) {
    std::map<QString, std::pair<QByteArray, qint64>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const qint64 written = QFileInfo(file).lastModified().toMSecsSinceEpoch();
        files[file.fileName()] = {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), written};
    }
    return files;
}

const QByteArray PlayedGame = "[CurrentGame]\nCredits=612\nBorrowed=1000\nSpins=41\nSound=0\nDouble=0\n";

// The lost-progress fault: a second copy that runs beside the first writes its stale game over
// the first one's when it closes.
TEST(SingleInstance, ASecondStartBringsTheRunningGameForwardAndEndsHavingWrittenNothing) {
    QTemporaryDir home;
    TGameProcess first(home.path(), PlayedGame);
    ASSERT_TRUE(first.AnswersLaterStarts()) << "the first game never came up";
    const auto before = Snapshot(home.path());

    TGameProcess second(home.path());
    ASSERT_TRUE(second.EndsByItself()) << "the second start runs a game of its own";
    EXPECT_EQ(second.ExitCode(), 0) << "the running game did not answer the hand-over";
    EXPECT_EQ(Snapshot(home.path()), before) << "the second start wrote to the configuration folder";
    EXPECT_TRUE(first.Running());

    first.Signal(SIGTERM);
    ASSERT_TRUE(first.EndsByItself());
    EXPECT_EQ(first.ExitCode(), 0);
    QFile saved(first.SavedGame());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("\nSpins=41\n") && text.contains("\nCredits=612\n")) << text.toStdString();
}

// A lock or a socket left by a killed game must not keep the player out.
TEST(SingleInstance, AfterTheGameIsKilledTheNextStartRunsAndAnswersLaterStarts) {
    QTemporaryDir home;
    auto killed = std::make_unique<TGameProcess>(home.path(), PlayedGame);
    ASSERT_TRUE(killed->AnswersLaterStarts());
    killed->Signal(SIGKILL);
    ASSERT_TRUE(killed->EndsByItself());
    killed.reset();

    TGameProcess next(home.path());
    EXPECT_TRUE(next.AnswersLaterStarts()) << "the killed game's lock or socket blocks the next start";
    EXPECT_TRUE(next.Running());
}

// Two players, each with a configuration folder of their own, each get a game.
TEST(SingleInstance, TwoConfigurationFoldersRunTwoGamesSideBySide) {
    QTemporaryDir homes;
    TGameProcess first(homes.filePath(QStringLiteral("first")), "[CurrentGame]\nCredits=111\nSound=0\n");
    TGameProcess second(homes.filePath(QStringLiteral("second")), "[CurrentGame]\nCredits=222\nSound=0\n");
    ASSERT_TRUE(first.AnswersLaterStarts());
    ASSERT_TRUE(second.AnswersLaterStarts());
    EXPECT_TRUE(first.Running() && second.Running());
    for (TGameProcess* game : {&first, &second}) {
        game->Signal(SIGTERM);
        ASSERT_TRUE(game->EndsByItself());
    }
    QFile firstSaved(first.SavedGame()), secondSaved(second.SavedGame());
    ASSERT_TRUE(firstSaved.open(QIODevice::ReadOnly) && secondSaved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(firstSaved.readAll().contains("\nCredits=111\n"));
    EXPECT_TRUE(secondSaved.readAll().contains("\nCredits=222\n"));
}

} // namespace
} // namespace zorva
