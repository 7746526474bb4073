#pragma once
#include "engine/machine.h"
#include "mainwindow/layout.h"

namespace zorva {

enum class TKey { Enter, Space, L, K, C, X, Other };

// Where each bet adjuster's button stands: the plus buttons by the layout, each minus beside its plus.
TRect AdjusterRect(const TWindowLayout& layout, TBetChange change);

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
};

} // namespace zorva
