#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/session.h"

namespace zorva {

enum class TBankMode { Borrow, PayBack };

// The amount of each chip button, by its tag.
inline constexpr std::array<int32_t, 4> ChipAmounts{1000, 100, 10, 1};

// One press of an amount button: borrowing raises Credits and Borrowed by the amount, paying back
// lowers both, and the credit history marks the move. The text that comes back is the refusal or
// notice to show the player; empty when there is none.
std::string PressAmount(TGameSession& session, TBankMode mode, int32_t amount);

} // namespace zorva
