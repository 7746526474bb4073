#pragma once

namespace zorva {

// How long the pointer rests on a control before its hint shows, for the whole program.
void SetHintPause(int milliseconds);

} // namespace zorva
