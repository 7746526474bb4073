// The eight Mystery Bonus boxes, lit or not, and their prizes revealed.
#include "mainwindow/panel.h"

#include <QFontMetrics>

#include "mainwindow/panel_style.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

namespace {

constexpr int MysteryColumns = 9;

} // namespace

QRect TPanel::MysteryBoxRect(int box) const {
    const int w = LogicalSize(Artwork.MysteryArtwork).width() / MysteryColumns;
    const int h = LogicalSize(Artwork.MysteryArtwork).height() / 2;
    const int left = Layout.MachineLeft + 2 + box * w + (Layout.ScreenWidth < 1000 ? 20 : 0);
    return {left, Layout.MachineTop + Layout.Machine.Height, w, h};
}

void TPanel::DrawMysteryBox(int box) {
    const QRect place = MysteryBoxRect(box);
    const int half = Machine.MysteryLit[box] ? 0 : place.height();
    Copy(Artwork.MysteryArtwork, QRect(box * place.width(), half, place.width(), place.height()),
         place.topLeft());
}

// The plain box, lit or not as it was, with its prize written across it.
void TPanel::DrawMysteryPrize(int box, bool chosen) {
    const QRect place = MysteryBoxRect(box);
    const int half = Machine.MysteryLit[box] ? 0 : place.height();
    Copy(Artwork.MysteryArtwork, QRect(8 * place.width(), half, place.width(), place.height()),
         place.topLeft());
    const int sw = Layout.ScreenWidth;
    WriteText(place, QString::number(Machine.MysteryPrizes[box]), GameFont(sw <= 750 ? 8 : sw < 1000 ? 10 : 14, true),
              chosen ? QColor(Qt::white) : Grey, Qt::AlignCenter);
}

} // namespace zorva
