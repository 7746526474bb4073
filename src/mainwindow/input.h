#pragma once
#include "engine/machine.h"
#include "mainwindow/layout.h"

namespace zorva {

enum class TKey { Enter, Space, L, K, C, X, Other };

// Whether an adjuster may move value by step now: within 0 to 8, never during a spin, and never
// up beyond what the credits cover with other.
bool AdjustAllowed(const TGameSession& session, int32_t TGameSession::*value, int step,
                   int32_t TGameSession::*other);

// The machine's own controls: the painted Spin and Stop buttons, the two bet adjuster pairs and
// six keys. Any mouse button does the same.
class TMachineInput {
  public:
    TMachineInput(const TWindowLayout& layout, TSlotMachine& machine) : Layout(layout), Machine(machine) {}

    void FormMouseDown(int x, int y);
    void FormKeyDown(TKey key);

    void BetUpLines();
    void BetDownLines();
    void BetUpCoins();
    void BetDownCoins();

  private:
    const TWindowLayout& Layout;
    TSlotMachine& Machine;

    bool SpinAllowed() const;
    void SpinIfAllowed();
    // Clicks before a change, buzzes instead of one.
    bool Accept(bool allowed);
    void Adjust(int32_t TGameSession::*value, int step, int32_t TGameSession::*other, TMeter meter);
};

} // namespace zorva
