#pragma once
#include <string>
#include <string_view>

namespace zorva {

// Reads the bytes as the saved-game file, takes its current game and plays some sixty paid spins of it
// on the fake host as a restless player would: bets changed, auto spin runs, Stop pressed mid-spin and
// on the mystery chaser, settings flipped, credits borrowed and paid back, double-or-nothing games won,
// lost and switched, a new game now and then, and the window closed mid-spin at the end. Every credit
// is booked as it is won, lost, bet or lent; the empty text means the books and the record held after
// every command, else the first fault found is described.
std::string PlaySavedGame(std::string_view bytes);

} // namespace zorva
