#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/session.h"
#include "engine/texts.h"

namespace zorva {

enum class TBankMode { Borrow, PayBack };

// The amount of each chip button, by its tag.
inline constexpr std::array<int32_t, 4> ChipAmounts{1000, 100, 10, 1};

// A refusal or notice for the player: an English pattern marked for translation, the amount in place
// of %1. The window writes the amount: whole credits for a loan, two decimals for a refused payment.
struct TBankNotice {
    const char* Pattern = nullptr;
    int32_t Amount = 0;
    // By the texts, not their addresses: copies of one literal need not share an address.
    bool operator==(const TBankNotice& other) const {
        return SameText(Pattern, other.Pattern) && Amount == other.Amount;
    }
    static bool SameText(const char* a, const char* b) {
        return a == b || (a && b && std::string_view(a) == std::string_view(b));
    }
};
inline constexpr const char* BankNoticeContext = "TBankNotice";

inline constexpr const char* NoMoreLoansNotice = ZORVA_TEXT(
    "TBankNotice",
    "The bank cannot lend you any more: 2,147,483,647 is the most your credits and your debt can reach.");
inline constexpr const char* PartLoanNotice = ZORVA_TEXT(
    "TBankNotice",
    "The bank lent you only %1 credits: 2,147,483,647 is the most your credits and your debt can reach.");
inline constexpr const char* TooFewCreditsNotice = ZORVA_TEXT("TBankNotice", "You do not have %1 credits!");
inline constexpr const char* PayBackTooMuchNotice =
    ZORVA_TEXT("TBankNotice", "You cannot pay back more credits than you have borrowed!");

// One press of an amount button: borrowing raises Credits and Borrowed by the amount, paying back
// lowers both, and the credit history marks the move. What comes back is the refusal or notice to
// show the player; no pattern when there is none.
TBankNotice PressAmount(TGameSession& session, TBankMode mode, int32_t amount);

} // namespace zorva
