#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "bank/payoffs.h"
#include "platform/dialog_placement.h"
#include "platform/help_viewer.h"
#include "platform/own_title_bar.h"
#include "support/fake_desktop.h"

namespace zorva {
namespace {

class PaychartWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop_.Answer = [this](TMessageKind kind, const std::string& text) {
            messages_.emplace_back(kind, text);
            return false;
        };
    }

    QTemporaryDir folder_;
    testing::TFakeDesktop desktop_;
    std::vector<std::pair<TMessageKind, std::string>> messages_;
};

// Guards the fit: the window must take exactly the picture's size, whatever its design size.
TEST_F(PaychartWindow, AChartOf640By480GivesAClientAreaOf640By480) {
    QImage chart(640, 480, QImage::Format_RGB32);
    chart.fill(Qt::darkBlue);
    ASSERT_TRUE(chart.save(folder_.filePath("Paychart.bmp"), "BMP"));
    TPaychart window(folder_.path(), desktop_);
    EXPECT_EQ(window.windowTitle(), "Payoff Chart");
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_EQ(window.Image1->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(window.grab().toImage().pixelColor(639, 479), QColor(Qt::darkBlue));
    EXPECT_TRUE(messages_.empty());
}

// The chart asks for a title and a close button only; where the game draws its title bar, the
// compositor's must still go, or the chart shows two.
TEST_F(PaychartWindow, UnderItsOwnTitleBarTheChartHasNoOtherAndKeepsItsPictureWhole) {
    QImage chart(640, 480, QImage::Format_RGB32);
    chart.fill(Qt::darkBlue);
    ASSERT_TRUE(chart.save(folder_.filePath("Paychart.bmp"), "BMP"));
    ChooseTitleBarsForTesting(true);
    TPaychart window(folder_.path(), desktop_);
    window.show();
    ChooseTitleBarsForTesting(std::nullopt);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.size(), QSize(640, 480).grownBy(OwnFrameMargins()));
    EXPECT_EQ(window.Image1->mapTo(&window, QPoint()), QPoint(OwnFrameMargins().left(), OwnFrameMargins().top()));
}

// Guards the missing file: the player hears which file, and gets an empty window of the design size.
TEST_F(PaychartWindow, AMissingChartIsReportedByItsFullNameAndTheWindowKeepsItsDesignSize) {
    TPaychart window(folder_.path(), desktop_);
    const std::vector<std::pair<TMessageKind, std::string>> expected{
        {TMessageKind::Error, "Cannot open file " + folder_.filePath("Paychart.bmp").toStdString()}};
    EXPECT_EQ(messages_, expected);
    EXPECT_EQ(window.size(), QSize(632, 413));
    EXPECT_TRUE(window.updatesEnabled()) << "drawing resumes after the failure";
}

// Guards the help topic of the chart.
TEST_F(PaychartWindow, F1OpensTheChapterOnThePayoffChart) {
    SetHelpFolder(QStringLiteral(ZORVA_HELP_FOLDER));
    TPaychart window(folder_.path(), desktop_);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(desktop_.HelpPages, std::vector<std::string>{"topic-41010.html"});
}

} // namespace
} // namespace zorva
