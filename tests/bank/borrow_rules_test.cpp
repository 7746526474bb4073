#include "bank/borrow_rules.h"

#include <gtest/gtest.h>
#include <limits>

namespace zorva {
namespace {

TGameSession Bank(int32_t credits, int32_t borrowed) {
    TGameSession session;
    session.Credits = credits;
    session.Borrowed = borrowed;
    return session;
}

// Guards the pay-back rules and their order: the credit check comes before the debt check.
TEST(BorrowRules, PayingBackChecksCreditsFirstThenTheDebtAndChangesNothingWhenRefused) {
    TGameSession session = Bank(1000, 1000);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 1000), TBankNotice{});
    EXPECT_EQ(session.Credits, 0) << "paying back every credit one holds is allowed";
    EXPECT_EQ(session.Borrowed, 0);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 1000), (TBankNotice{TooFewCreditsNotice, 1000}));

    session = Bank(5, 50);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 10), (TBankNotice{TooFewCreditsNotice, 10}));
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 1), TBankNotice{});
    EXPECT_EQ(session.Credits, 4);
    EXPECT_EQ(session.Borrowed, 49);

    session = Bank(500, 0);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 1), TBankNotice{PayBackTooMuchNotice});
    EXPECT_EQ(session.Credits, 500);
    EXPECT_EQ(session.Borrowed, 0);

    session = Bank(0, 0);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 100), (TBankNotice{TooFewCreditsNotice, 100}))
        << "with neither credits nor debt the shortage of credits is what the player hears";
}

// Guards against a limit on ordinary borrowing and against the marks the plot needs going missing.
TEST(BorrowRules, BorrowingRaisesBothFiguresEachTimeAndMarksTheHistory) {
    TGameSession session = Bank(0, 0);
    for (const int32_t amount : ChipAmounts) {
        EXPECT_EQ(PressAmount(session, TBankMode::Borrow, amount), TBankNotice{});
    }
    EXPECT_EQ(session.Credits, 1111);
    EXPECT_EQ(session.Borrowed, 1111);
    PressAmount(session, TBankMode::PayBack, 100);
    PressAmount(session, TBankMode::PayBack, 5000);

    const auto& points = session.CreditHistory.Points();
    ASSERT_EQ(points.size(), 5u) << "a refused press marks nothing";
    EXPECT_EQ(points[3].Event, TCreditEvent::Borrow);
    EXPECT_EQ(points[3].Credits, 1111);
    EXPECT_EQ(points[4].Event, TCreditEvent::PayBack);
    EXPECT_EQ(points[4].Credits, 1011);
}

// Guards against borrowing past the top of a 32-bit count turning a fortune into a huge debt.
TEST(BorrowRules, BorrowingStopsAtTheLargestCountWithANoticeInsteadOfWrapping) {
    constexpr int32_t Most = std::numeric_limits<int32_t>::max();
    TGameSession session = Bank(Most - 400, 1000);
    EXPECT_EQ(PressAmount(session, TBankMode::Borrow, 1000), (TBankNotice{PartLoanNotice, 400}));
    EXPECT_EQ(session.Credits, Most);
    EXPECT_EQ(session.Borrowed, 1400) << "credits less debt stays what it was";
    EXPECT_EQ(PressAmount(session, TBankMode::Borrow, 1), TBankNotice{NoMoreLoansNotice});
    EXPECT_EQ(session.Credits, Most);
    EXPECT_EQ(session.Borrowed, 1400);

    session = Bank(10, Most - 5);
    PressAmount(session, TBankMode::Borrow, 10);
    EXPECT_EQ(session.Borrowed, Most) << "the debt is held to the same limit";
    EXPECT_EQ(session.Credits, 15);
    EXPECT_EQ(PressAmount(session, TBankMode::PayBack, 10), TBankNotice{})
        << "paying back works at the limit";
}

} // namespace
} // namespace zorva
