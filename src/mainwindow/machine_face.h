#pragma once
#include <memory>

#include "engine/machine.h"
#include "mainwindow/artwork_loader.h"
#include "mainwindow/layout.h"
#include "mainwindow/panel.h"
#include "platform/screen_facts.h"

namespace zorva {

// The machine as its window shows it: the artwork, the panel's pictures, where everything stands
// and the panel that paints it. The window, the contact sheet and the tests all build it through
// Assemble, so none of them lays the machine out a way of its own.
class TMachineFace {
  public:
    TMachineFace() = default;
    TMachineFace(const TMachineFace&) = delete;
    TMachineFace& operator=(const TMachineFace&) = delete;

    // Lays the machine out on the screen with the artwork given, makes the panel that paints it,
    // and tells the machine whether this layout shows a Winnings text above it.
    void Assemble(TArtwork artwork, const TScreenFacts& screen, const TGameSession& session, TSlotMachine& machine);

    TArtwork Artwork;
    TPanelPictures Pictures;
    TWindowLayout Layout;
    std::unique_ptr<TPanel> Panel;
};

} // namespace zorva
