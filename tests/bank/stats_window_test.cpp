#include <QAccessible>
#include <cmath>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "bank/credit_plot.h"
#include "bank/stats.h"
#include "support/fake_desktop.h"

namespace zorva {
namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
testing::TFakeDesktop Desktop;

QString Shown(const TStatsForm& form, const char* label) {
    return form.Label(label) ? form.Label(label)->text() : QStringLiteral("(missing)");
}

// Guards the figures of a fresh game, the division by no bets at all, and the captions' places.
TEST(StatisticsWindow, ANewGameShowsNoSpinsAThousandCreditsAndBorrowedAndNoPercentage) {
    TGameSession session;
    NewGameReset(session);
    TStatsForm form(session, English, Desktop);
    EXPECT_EQ(form.windowTitle(), "Your Game Statistics");
    EXPECT_EQ(Shown(form, "Label11"), "         0");
    EXPECT_EQ(Shown(form, "Label12"), "     1,000");
    EXPECT_EQ(Shown(form, "Label13"), "     1,000");
    EXPECT_EQ(Shown(form, "Label14"), "         0");
    EXPECT_EQ(Shown(form, "Label22"), "         0");
    EXPECT_EQ(Shown(form, "Label25"), "0.00%");
    EXPECT_EQ(Shown(form, "Label23"), "Overall Payoff Percentage:");
    EXPECT_EQ(Shown(form, "Label24"), "(Does not include money won/lost on the double-or-nothing game).");
    EXPECT_EQ(Shown(form, "Label8"), "Double or Nothing:");

    const std::vector<std::pair<const char*, QPoint>> captions{
        {"Label1", {12, 14}},   {"Label34", {28, 38}},  {"Label36", {28, 62}},  {"Label2", {12, 110}},
        {"Label3", {12, 142}},  {"Label26", {340, 14}}, {"Label4", {340, 46}},  {"Label21", {364, 70}},
        {"Label6", {364, 94}},  {"Label7", {364, 118}}, {"Label8", {364, 142}}, {"Label5", {364, 166}},
        {"Label23", {12, 190}}, {"Label24", {16, 208}}};
    for (const auto& [name, at] : captions) {
        EXPECT_EQ(form.Label(name)->pos(), at) << name;
    }
    EXPECT_EQ(form.BitBtn1->geometry(), QRect(528, 192, 89, 33));
    EXPECT_EQ(form.width(), 632);
    EXPECT_GE(form.Plot->geometry().top(), 249) << "the plot stays clear of the figures and the footnote";
}

// Guards the percentage against counting double-or-nothing and the value labels' fixed right edges.
TEST(StatisticsWindow, TheDoubleOrNothingLossLowersThePayoffsButNotThePercentage) {
    TGameSession session;
    NewGameReset(session);
    session.TotalBets = 100;
    session.Credits = 995;
    TStatsForm before(session, English, Desktop);
    EXPECT_EQ(Shown(before, "Label14"), "        95");
    EXPECT_EQ(Shown(before, "Label25"), "95.00%");

    session.Credits -= 40;
    session.DoubleOrNothingWon = -40;
    TStatsForm after(session, English, Desktop);
    EXPECT_EQ(Shown(after, "Label18"), "       -40");
    EXPECT_EQ(Shown(after, "Label14"), "        55");
    EXPECT_EQ(Shown(after, "Label25"), "95.00%");

    const std::vector<std::pair<const char*, int>> rightEdges{
        {"Label11", 281}, {"Label37", 257}, {"Label12", 281}, {"Label27", 609},
        {"Label14", 609}, {"Label22", 585}, {"Label18", 585}, {"Label25", 273}};
    for (const auto& [name, right] : rightEdges) {
        EXPECT_EQ(after.Label(name)->geometry().x() + after.Label(name)->width(), right) << name;
        EXPECT_TRUE(after.Label(name)->alignment() & Qt::AlignRight) << name;
    }
}

// Guards the thousands separator: the player's own locale, never a fixed comma.
TEST(StatisticsWindow, LargeFiguresCarryTheSeparatorOfTheLocale) {
    TGameSession session;
    session.Credits = 1'200'000;
    session.Borrowed = 1000;
    session.TotalBets = 600'000;
    TStatsForm english(session, English, Desktop);
    EXPECT_EQ(Shown(english, "Label12"), " 1,200,000");
    EXPECT_EQ(Shown(english, "Label25"), "299.83%");
    TStatsForm german(session, German, Desktop);
    EXPECT_EQ(Shown(german, "Label12"), " 1.200.000");
    EXPECT_EQ(Shown(german, "Label25"), "299,83%");
    const QLabel* wide = english.Label("Label12");
    EXPECT_GE(wide->width(), wide->fontMetrics().horizontalAdvance("1,200,000")) << "nothing clipped";
    EXPECT_EQ(wide->x() + wide->width(), 281);
}

// Guards the plot against losing the player's moves or drawing them at the wrong spin: a borrow,
// three paid spins and a new game.
TEST(StatisticsWindow, ThePlotDrawsTheRunWithItsMarksWhereTheyHappened) {
    TGameSession session;
    session.CreditHistory.Mark(TCreditEvent::Borrow, 2000);
    session.CreditHistory.AddSpin(1992);
    session.CreditHistory.AddSpin(2050);
    session.CreditHistory.AddSpin(1400);
    session.CreditHistory.Mark(TCreditEvent::NewGame, 1000);
    session.Credits = 1000;
    TStatsForm form(session, English, Desktop);

    TCreditPlot& plot = *form.Plot;
    EXPECT_EQ(plot.accessibleDescription(),
              "Started at 2,000 credits, now 1,000; lowest 1,000, highest 2,050; 3 paid spins.")
        << "the plot's words for a player who cannot see it";
    std::vector<TCreditEvent> events;
    for (const TCreditPoint& p : plot.Points()) {
        events.push_back(p.Event);
    }
    EXPECT_EQ(events, (std::vector<TCreditEvent>{TCreditEvent::Borrow, TCreditEvent::Spin, TCreditEvent::Spin,
                                                 TCreditEvent::Spin, TCreditEvent::NewGame}));
    const std::vector<QPointF> at = plot.PointPositions();
    const QRectF area = plot.PlotArea();
    EXPECT_DOUBLE_EQ(at[0].x(), area.left()) << "borrowed before the first spin";
    EXPECT_LT(at[1].x(), at[2].x());
    EXPECT_LT(at[2].x(), at[3].x());
    EXPECT_DOUBLE_EQ(at[4].x(), at[3].x()) << "the new game follows the third spin";
    EXPECT_LT(at[2].y(), at[1].y()) << "more credits, higher up";
    EXPECT_GT(at[4].y(), at[3].y());
    for (const QPointF& p : at) {
        EXPECT_TRUE(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p)) << p.x() << "," << p.y();
    }

    const QImage picture = plot.grab().toImage();
    EXPECT_EQ(picture.pixelColor(at[0].toPoint() + QPoint(0, 2)), MarkColour(TCreditEvent::Borrow));
    EXPECT_EQ(picture.pixelColor(at[4].toPoint()), MarkColour(TCreditEvent::NewGame));
}

// Guards against a mark hidden under another: a borrow and a pay-back at one spin, a pixel apart on
// a scale of a million credits, are both seen.
TEST(StatisticsWindow, ABorrowAndAPayBackAtOneSpinAreBothSeen) {
    TGameSession session;
    session.CreditHistory.Begin(1000);
    session.CreditHistory.AddSpin(999'992);
    session.CreditHistory.Mark(TCreditEvent::Borrow, 1'000'992);
    session.CreditHistory.Mark(TCreditEvent::PayBack, 999'992);
    session.CreditHistory.AddSpin(999'990);
    session.Credits = 999'990;
    TStatsForm form(session, English, Desktop);
    const TCreditPlot& plot = *form.Plot;
    const std::vector<QPointF> marks = plot.MarkPositions();
    ASSERT_EQ(plot.Points()[2].Event, TCreditEvent::Borrow);
    ASSERT_EQ(plot.Points()[3].Event, TCreditEvent::PayBack);
    EXPECT_GE(std::abs(marks[3].x() - marks[2].x()), 9.0) << "the pay-back stands beside the borrow";

    const QImage picture = form.Plot->grab().toImage();
    EXPECT_EQ(picture.pixelColor(marks[2].toPoint() + QPoint(0, 2)), MarkColour(TCreditEvent::Borrow));
    EXPECT_EQ(picture.pixelColor(marks[3].toPoint() + QPoint(0, -2)), MarkColour(TCreditEvent::PayBack));
}

// Guards the plot of a run without spins: one point, the credits now, and no division by zero.
TEST(StatisticsWindow, BeforeAnySpinThePlotShowsTheCreditsNow) {
    TGameSession session;
    session.Credits = 1250;
    const std::vector<TCreditPoint> points = PlottedPoints(session.CreditHistory, session.Credits);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].Credits, 1250);
    TStatsForm form(session, English, Desktop);
    const QPointF only = form.Plot->PointPositions().front();
    EXPECT_TRUE(form.Plot->PlotArea().contains(only));
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Guards against a screen reader hearing "Spins:" and "1,234" apart, two figures that read alike,
// or figures left unread as the window opens. Orca reads a dialog's loose labels as it opens only
// when they have three words or more, and the dialog's description when none is loose: so every
// figure is labelled by its caption, and the description reads them all, column by column.
TEST(StatisticsWindow, AScreenReaderHearsEachFigureWithItsCaption) {
    TGameSession session;
    NewGameReset(session);
    session.Spins = 1234;
    session.TotalBets = 100;
    session.Credits = 995;
    TStatsForm form(session, English, Desktop);
    form.show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QStringList read;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        read << child->text(QAccessible::Name);
        if (child->role() == QAccessible::StaticText) {
            EXPECT_FALSE(child->relations(QAccessible::Label).isEmpty())
                << read.back().toStdString() << " is loose";
        }
    }
    const QStringList figures{"Spins: 1,234",
                              "Regular Spins: 1,234",
                              "Free Spins: 0",
                              "Credits: 995",
                              "Borrowed: 1,000",
                              "Total Bets: 100",
                              "Payoffs: 95",
                              "Payoffs, Normal: 95",
                              "Payoffs, Free Spins: 0",
                              "Payoffs, Bonus Pool: 0",
                              "Payoffs, Double or Nothing: 0",
                              "Payoffs, Mystery Bonus: 0",
                              "Overall Payoff Percentage: 95.00% (Does not include money won/lost on the "
                              "double-or-nothing game)."};
    for (const QString& figure : figures)
        EXPECT_TRUE(read.contains(figure))
            << figure.toStdString() << " in " << read.join(" | ").toStdString();
    EXPECT_EQ(window->text(QAccessible::Description).toStdString(), figures.join(". ").toStdString());
    for (const char* caption : {"Spins:", "Credits:", "Overall Payoff Percentage:"})
        EXPECT_FALSE(read.contains(caption)) << caption << " read on its own";
    EXPECT_TRUE(read.contains("OK"));
    EXPECT_EQ(form.Label("Label11")->text(), "     1,234") << "what is painted stays as it was";
}

} // namespace
} // namespace zorva
