#include "doublegames/double_game.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "doublegames/cards.h"
#include "doublegames/pyramid.h"
#include "support/recording_host.h"

namespace zorva {
namespace {

// Guards against a switch that does not hand the stake to the other game, or books it twice: the
// machine's loop reopens a window for as long as a game asks for it.
TEST(DoubleGameWindow, TheCardGameHandsFiftyToThePyramidWhichOpensWithIt) {
    TGameSession session;
    session.SpinWinnings = 50;
    session.BonusGame = false;
    testing::TRecordingHost host(session);
    std::vector<std::string> seen;
    // Answers each modal game window as it comes up: the card game switches, the Pyramid says OK.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (auto* cards = dynamic_cast<TCardForm*>(window)) {
            seen.push_back("cards " + cards->Label1->text().toStdString());
            cards->BitBtn3->click();
        } else if (auto* pyramid = dynamic_cast<TDoubleForm*>(window)) {
            seen.push_back("pyramid " + pyramid->Label1->text().toStdString());
            pyramid->BitBtn1->click();
        }
    });
    answer.start(0);

    session.ReopenDoubleGame = true;
    while (session.ReopenDoubleGame) {
        session.ReopenDoubleGame = false;
        OpenDoubleGameWindow(session, session.BonusGame, host, nullptr);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"cards Winnings: 50", "pyramid 50"}));
    EXPECT_TRUE(session.BonusGame);
    EXPECT_EQ(session.SpinWinnings, 50);
    EXPECT_EQ(session.DoubleOrNothingWon, 0);
}

} // namespace
} // namespace zorva
