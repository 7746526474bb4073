// The pictures the panel copies from, each sharp at the screen's ratio.
#include "mainwindow/panel.h"

#include "art/builtin_art.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

QImage PictureOr(const QImage& replacement, const char* builtin, double ratio) {
    return replacement.isNull() ? ReadBuiltinPictureFor(builtin, ratio) : replacement;
}

} // namespace

TPanelPictures LoadPanelPictures(const TArtwork& artwork, int screenWidth, double ratio) {
    auto picture = [&](TReplaceablePicture replaceable, const char* builtin) {
        return PictureOr(artwork.Replacement(replaceable), builtin, ratio);
    };
    TPanelPictures p;
    p.SpinBtn = picture(TReplaceablePicture::SpinBtn, art::SpinBtn.Path);
    p.StopBtn = picture(TReplaceablePicture::StopBtn, art::StopBtn.Path);
    p.Stop2 = picture(TReplaceablePicture::Stop2, art::Stop2.Path);
    p.Options = picture(TReplaceablePicture::Options, art::Options.Path);
    p.Logo = picture(TReplaceablePicture::Logo, art::Logo.Path);
    p.Bonus = picture(TReplaceablePicture::Bonus, art::Bonus.Path);
    p.Bonus16 = picture(TReplaceablePicture::Bonus16, art::Bonus16.Path);
    p.PlusSmall = ReadBuiltinPictureFor(art::PlusSmall.Path, ratio);
    p.PlusMinus = ReadBuiltinPictureFor(art::PlusMinus.Path, ratio);
    p.Digits = DigitStripsFor(screenWidth, ratio);
    return p;
}

} // namespace zorva
