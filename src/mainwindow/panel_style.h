#pragma once
// What the panel's files share: its colours, its text's reach and the screen bands' choices.
#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <cstddef>

#include "mainwindow/layout.h"

namespace zorva::panel {

constexpr int GlyphOverhang = 4; // how far a glyph may reach past its text's box
inline const QColor Yellow(255, 255, 0);
inline const QColor Grey(128, 128, 128);
constexpr std::size_t FreeSpinsLabel = 2; // "Win 3 FREE Spins:", third of LabelPlaces()

inline int ByBand(TScreenBand band, int small, int medium, int large) {
    return band == TScreenBand::Small ? small : band == TScreenBand::Medium ? medium : large;
}

inline QString WinningsLabel() {
    return QCoreApplication::translate("TPanel", "Winnings:");
}

} // namespace zorva::panel
