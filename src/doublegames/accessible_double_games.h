#pragma once

namespace zorva {

// The double-or-nothing windows for a screen reader: the card table's painted cards and the
// Pyramid's squares become buttons read by what they show.
void InstallDoubleGameAccessibility();

} // namespace zorva
