#include "mainwindow/machine_face.h"

#include <utility>

#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

TSize SizeOf(const QImage& image) {
    const QSize size = LogicalSize(image);
    return {size.width(), size.height()};
}

} // namespace

void TMachineFace::Assemble(TArtwork artwork, const TScreenFacts& screen, const TGameSession& session,
                            TSlotMachine& machine) {
    Artwork = std::move(artwork);
    Pictures = LoadPanelPictures(Artwork, screen.Width, screen.DevicePixelRatio);
    Layout = LayOut({screen.Width, screen.Height, Artwork.MachineLeft, Artwork.MachineTop,
                     SizeOf(Artwork.MachineImage), SizeOf(Pictures.SpinBtn), SizeOf(Pictures.StopBtn),
                     SizeOf(Pictures.PlusSmall), SizeOf(Pictures.PlusMinus), SizeOf(Pictures.Logo),
                     SizeOf(Pictures.Options), Artwork.SymbolSize});
    Panel = std::make_unique<TPanel>(Layout, Artwork, Pictures, session, machine, screen.PixelsPerInch,
                                     screen.DevicePixelRatio);
    machine.ShowsWinningsText(HasWinningsText(Layout.Geometry));
}

} // namespace zorva
