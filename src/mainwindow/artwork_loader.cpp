#include "mainwindow/artwork_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <future>
#include <utility>

#include "art/program_art.h"
#include "platform/picture_cache.h"
#include "platform/picture_file.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

using namespace art::program;

constexpr int SmallRowWidest = 690;
constexpr int LargeRowNarrowest = 1000;
constexpr int LeastNormalColourDepth = 16;

const TMachineFiles SmallFiles{{{Inter.FileName}, {Zorva64.FileName}, {Motion2.FileName}, {Barsml.FileName}}};
// A large face in 256 colours still serves when the normal one is absent.
const TMachineFiles LargeFiles{
    {{Interbig.FileName, Inbig256.FileName}, {Zorva96.FileName}, {Motion.FileName}, {BigBar.FileName}}};
const TMachineFiles SmallFiles256{
    {{Inter256.FileName}, {Zor64256.FileName}, {Moti2256.FileName}, {Barsm256.FileName}}};
const TMachineFiles LargeFiles256{
    {{Inbig256.FileName}, {Zor96256.FileName}, {Motio256.FileName}, {Bigb256.FileName}}};

// The small bonus icons come from "Bonus16.bmp" alone, in both colour sets.
constexpr TReplacementFiles NormalReplacementFiles{Box.FileName,    Spin.FileName,    Stop.FileName,
                                                   Logo.FileName,   StopOff.FileName, Bonus32.FileName,
                                                   Bonus16.FileName};
constexpr TReplacementFiles ReplacementFiles256{Box256.FileName,  Spin256.FileName,  Stop256.FileName,
                                                Logo256.FileName, StOff256.FileName, Bonus32.FileName,
                                                Bonus16.FileName};

QString PathIn(const QString& folder, std::string_view name) {
    return QDir(folder).filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// A file's twin at scale times its size, when one lies beside it and really is that size (a
// replaced BMP with a twin of the old picture beside it keeps the BMP).
QImage TwinOf(const QString& path, int scale) {
    const QString twin = TwinPath(path, scale);
    if (!QFileInfo::exists(twin))
        return {};
    QImageReader single(path, "BMP");
    QImageReader larger(twin, "PNG");
    if (larger.size() != single.size() * scale)
        return {};
    return larger.read();
}

// The first of the names that exists and reads as a picture, for the screen's device pixel ratio;
// a null image if none does. Above ratio 1 only the twin is read when there is one.
QImage ReadFirstOf(const QString& folder, const std::vector<std::string_view>& names, double ratio) {
    for (std::string_view name : names) {
        const QString path = PathIn(folder, name);
        if (!QFileInfo::exists(path))
            continue;
        if (const int scale = TwinScaleFor(ratio); scale > 1) {
            const QImage picture = CachedPicture({path, TwinPath(path, scale)}, ratio, [&] {
                QImage twin = TwinOf(path, scale);
                return twin.isNull() ? twin : PictureForRatio({}, std::move(twin), ratio, scale);
            });
            if (!picture.isNull())
                return picture;
        }
        QImage image = ReadPicture(path, "BMP");
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace

TArtworkChoice ChooseArtwork(int screenWidth, int colourDepth) {
    TArtworkChoice choice;
    choice.Palette256 = colourDepth < LeastNormalColourDepth;
    const bool large = screenWidth >= LargeRowNarrowest;
    if (choice.Palette256) {
        choice.MachineFiles = large ? LargeFiles256 : SmallFiles256;
        choice.ReplacementFiles = ReplacementFiles256;
    } else {
        choice.MachineFiles = large ? LargeFiles : SmallFiles;
        choice.ReplacementFiles = NormalReplacementFiles;
    }
    choice.SymbolSize = large ? 96 : 64;
    if (large)
        choice.MachineTop = choice.Palette256 ? 2 : 12;
    else
        choice.MachineTop = screenWidth <= SmallRowWidest ? 0 : 50;
    return choice;
}

int CentredMachineLeft(int screenWidth, int machineWidth) {
    return (screenWidth - machineWidth) / 2;
}

TArtwork LoadArtwork(const QString& programFolder, const TScreenFacts& screen) {
    const TArtworkChoice choice = ChooseArtwork(screen.Width, screen.ColourDepth);
    // The 256-colour set has no twins: it is drawn at 1× whatever the screen.
    const double ratio = choice.Palette256 ? 1.0 : screen.DevicePixelRatio;
    TArtwork artwork;
    artwork.SymbolSize = choice.SymbolSize;
    QImage* machine[MachineBitmapCount] = {&artwork.MachineImage, &artwork.SymbolSheet, &artwork.MotionStrip,
                                           &artwork.MysteryArtwork};
    // Decoded side by side: at 200 % the twins are PNGs of over a million pixels, and decoding
    // them one after another was a third of the time to the first frame.
    std::array<std::future<QImage>, MachineBitmapCount> decoded;
    for (int i = 1; i < MachineBitmapCount; ++i)
        decoded[i] = std::async(std::launch::async,
                                [&, i] { return ReadFirstOf(programFolder, choice.MachineFiles[i], ratio); });
    *machine[0] = ReadFirstOf(programFolder, choice.MachineFiles[0], ratio);
    for (int i = 1; i < MachineBitmapCount; ++i)
        *machine[i] = decoded[i].get();
    if (TwinScaleFor(ratio) > 1)
        PrunePictureCache(ratio);
    for (const QImage* picture : machine)
        if (picture->isNull())
            artwork.AllRequiredFound = false;
    artwork.MachineLeft = CentredMachineLeft(screen.Width, LogicalSize(artwork.MachineImage).width());
    artwork.MachineTop = choice.MachineTop;
    for (int i = 0; i < ReplaceablePictureCount; ++i)
        artwork.Replacements[i] = ReadFirstOf(programFolder, {choice.ReplacementFiles[i]}, ratio);
    return artwork;
}

TArtwork LoadArtworkTellingPlayer(const QString& programFolder, const TScreenFacts& screen,
                                  TDesktop& desktop) {
    TArtwork artwork = LoadArtwork(programFolder, screen);
    if (!artwork.AllRequiredFound)
        desktop.ShowInformation(QCoreApplication::translate("TArtwork", MissingArtworkMessage).toStdString());
    return artwork;
}

} // namespace zorva
