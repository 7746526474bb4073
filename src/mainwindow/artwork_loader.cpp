#include "mainwindow/artwork_loader.h"

#include <QDir>
#include <QFileInfo>

#include "platform/messages.h"

namespace zorva {

namespace {

constexpr int SmallRowWidest = 690;
constexpr int LargeRowNarrowest = 1000;
constexpr int LeastNormalColourDepth = 16;

const TMachineFiles SmallFiles{{{"Inter.bmp"}, {"Zorva64.bmp"}, {"Motion2.bmp"}, {"Barsml.bmp"}}};
// A large face in 256 colours still serves when the normal one is absent.
const TMachineFiles LargeFiles{
    {{"Interbig.bmp", "Inbig256.bmp"}, {"Zorva96.bmp"}, {"Motion.bmp"}, {"BigBar.bmp"}}};
const TMachineFiles SmallFiles256{{{"Inter256.bmp"}, {"Zor64256.bmp"}, {"Moti2256.bmp"}, {"Barsm256.bmp"}}};
const TMachineFiles LargeFiles256{{{"Inbig256.bmp"}, {"Zor96256.bmp"}, {"Motio256.bmp"}, {"Bigb256.bmp"}}};

// The small bonus icons come from "Bonus16.bmp" alone, in both colour sets.
constexpr TReplacementFiles NormalReplacementFiles{"Box.bmp",     "Spin.bmp",    "Stop.bmp",   "Logo.bmp",
                                                   "StopOff.bmp", "Bonus32.bmp", "Bonus16.bmp"};
constexpr TReplacementFiles ReplacementFiles256{"Box256.bmp",   "Spin256.bmp", "Stop256.bmp", "Logo256.bmp",
                                                "StOff256.bmp", "Bonus32.bmp", "Bonus16.bmp"};

QString PathIn(const QString& folder, std::string_view name) {
    return QDir(folder).filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// The first of the names that exists and reads as a picture; a null image if none does.
QImage ReadFirstOf(const QString& folder, const std::vector<std::string_view>& names) {
    for (std::string_view name : names) {
        const QString path = PathIn(folder, name);
        if (!QFileInfo::exists(path))
            continue;
        QImage image(path);
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
    TArtwork artwork;
    artwork.SymbolSize = choice.SymbolSize;
    QImage* machine[MachineBitmapCount] = {&artwork.MachineImage, &artwork.SymbolSheet, &artwork.MotionStrip,
                                           &artwork.MysteryArtwork};
    for (int i = 0; i < MachineBitmapCount; ++i) {
        *machine[i] = ReadFirstOf(programFolder, choice.MachineFiles[i]);
        if (machine[i]->isNull())
            artwork.AllRequiredFound = false;
    }
    artwork.MachineLeft = CentredMachineLeft(screen.Width, artwork.MachineImage.width());
    artwork.MachineTop = choice.MachineTop;
    for (int i = 0; i < ReplaceablePictureCount; ++i)
        artwork.Replacements[i] = ReadFirstOf(programFolder, {choice.ReplacementFiles[i]});
    return artwork;
}

TArtwork LoadArtworkTellingPlayer(const QString& programFolder, const TScreenFacts& screen) {
    TArtwork artwork = LoadArtwork(programFolder, screen);
    if (!artwork.AllRequiredFound)
        ShowInformation(MissingArtworkMessage);
    return artwork;
}

} // namespace zorva
