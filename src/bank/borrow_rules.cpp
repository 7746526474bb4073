#include "bank/borrow_rules.h"

#include <algorithm>
#include <limits>

namespace zorva {

namespace {

constexpr int32_t Most = std::numeric_limits<int32_t>::max();

// Both figures rise together, so the bank lends only what neither can take beyond the most a
// 32-bit count holds; the player's net result never changes by borrowing.
TBankNotice Borrow(TGameSession& session, int32_t amount) {
    const int64_t room = int64_t{Most} - std::max(session.Credits, session.Borrowed);
    const auto lent = static_cast<int32_t>(std::clamp<int64_t>(room, 0, amount));
    if (lent == 0) {
        return {NoMoreLoansNotice};
    }
    session.Credits += lent;
    session.Borrowed += lent;
    session.CreditHistory.Mark(TCreditEvent::Borrow, session.Credits);
    if (lent < amount) {
        return {PartLoanNotice, lent};
    }
    return {};
}

TBankNotice PayBack(TGameSession& session, int32_t amount) {
    if (amount > session.Credits) {
        return {TooFewCreditsNotice, amount};
    }
    if (amount > session.Borrowed) {
        return {PayBackTooMuchNotice};
    }
    session.Credits -= amount;
    session.Borrowed -= amount;
    session.CreditHistory.Mark(TCreditEvent::PayBack, session.Credits);
    return {};
}

} // namespace

TBankNotice PressAmount(TGameSession& session, TBankMode mode, int32_t amount) {
    return mode == TBankMode::Borrow ? Borrow(session, amount) : PayBack(session, amount);
}

} // namespace zorva
