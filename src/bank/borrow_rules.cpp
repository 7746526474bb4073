#include "bank/borrow_rules.h"

#include <algorithm>
#include <limits>

namespace zorva {

namespace {

constexpr int32_t Most = std::numeric_limits<int32_t>::max();

// "%7.2f": whole credits shown with two decimals in a field of at least seven characters. Built by
// hand, as printf would take its decimal point from the locale Qt sets.
std::string AmountText(int32_t amount) {
    constexpr std::size_t Width = 7;
    std::string text = std::to_string(amount) + ".00";
    if (text.size() < Width) {
        text.insert(0, Width - text.size(), ' ');
    }
    return text;
}

// Both figures rise together, so the bank lends only what neither can take beyond the most a
// 32-bit count holds; the player's net result never changes by borrowing.
std::string Borrow(TGameSession& session, int32_t amount) {
    const int64_t room = int64_t{Most} - std::max(session.Credits, session.Borrowed);
    const auto lent = static_cast<int32_t>(std::clamp<int64_t>(room, 0, amount));
    if (lent == 0) {
        return "The bank cannot lend you any more: 2,147,483,647 is the most your credits and your debt "
               "can reach.";
    }
    session.Credits += lent;
    session.Borrowed += lent;
    session.CreditHistory.Mark(TCreditEvent::Borrow, session.Credits);
    if (lent < amount) {
        return "The bank lent you only " + std::to_string(lent) +
               " credits: 2,147,483,647 is the most your credits and your debt can reach.";
    }
    return {};
}

std::string PayBack(TGameSession& session, int32_t amount) {
    if (amount > session.Credits) {
        return "You do not have " + AmountText(amount) + " credits!";
    }
    if (amount > session.Borrowed) {
        return "You cannot pay back more credits than you have borrowed!";
    }
    session.Credits -= amount;
    session.Borrowed -= amount;
    session.CreditHistory.Mark(TCreditEvent::PayBack, session.Credits);
    return {};
}

} // namespace

std::string PressAmount(TGameSession& session, TBankMode mode, int32_t amount) {
    return mode == TBankMode::Borrow ? Borrow(session, amount) : PayBack(session, amount);
}

} // namespace zorva
