#pragma once
#include <cstdint>

namespace zorva {

// Milliseconds on a monotonic clock: wall-clock changes never stretch or cut a spin.
uint32_t TickCount();

// Milliseconds since midnight UTC, which seeds the generator.
uint32_t UtcMillisecondOfDay();

// Handles window events in a nested event loop until the tick counter reaches deadline. A precise
// single-shot timer ends the loop, so the wait sleeps rather than spins and wakes on time.
void WaitUntil(uint32_t deadline);

// Like WaitUntil, but user input waits until afterwards: a synchronous sound holds the game up.
void WaitUntilExcludingInput(uint32_t deadline);

// Lets at least the given time pass, input held back. The tick under way counts for nothing, so a
// sound waited for by its length is never cut the fraction of a millisecond short.
void WaitAtLeastExcludingInput(int milliseconds);

// Time as a window sees it; tests give the window a virtual clock instead of this one.
class TClock {
  public:
    virtual ~TClock() = default;
    virtual uint32_t TickCount() = 0;
    virtual uint32_t UtcMillisecondOfDay() = 0;
    virtual void WaitUntil(uint32_t deadline) = 0;
};

// The machine's own clock, through the functions above.
TClock& SystemClock();

} // namespace zorva
