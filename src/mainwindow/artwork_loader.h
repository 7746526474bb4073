#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <array>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/screen_facts.h"

namespace zorva {

inline constexpr const char* MissingArtworkMessage = QT_TRANSLATE_NOOP(
    "TArtwork", "There are BMP files missing which may cause this program to not function properly!");

// The four machine bitmaps, in the order of TArtworkChoice::MachineFiles.
enum class TMachineBitmap { MachineImage, SymbolSheet, MotionStrip, MysteryArtwork };
inline constexpr int MachineBitmapCount = 4;

// The built-in pictures that a file beside the program may replace.
enum class TReplaceablePicture { Options, SpinBtn, StopBtn, Logo, Stop2, Bonus, Bonus16 };
inline constexpr int ReplaceablePictureCount = 7;

// Each machine bitmap's file names, tried in order; the first that exists is loaded.
using TMachineFiles = std::array<std::vector<std::string_view>, MachineBitmapCount>;
using TReplacementFiles = std::array<std::string_view, ReplaceablePictureCount>;

// The set of artwork files one screen takes, and the geometry that goes with it.
struct TArtworkChoice {
    bool Palette256 = false;
    TMachineFiles MachineFiles;
    TReplacementFiles ReplacementFiles;
    int SymbolSize = 0;
    int MachineTop = 0;
};

// Below 16 bits per pixel the 256-colour files; up to 690 pixels wide the small set at the
// top of the screen, up to 999 the small set 50 pixels down, from 1000 on the large set.
TArtworkChoice ChooseArtwork(int screenWidth, int colourDepth);

// The machine face stands centred on the screen.
int CentredMachineLeft(int screenWidth, int machineWidth);

// Pictures above ratio 1 carry their device pixel ratio; their sizes in the layout's pixels are
// LogicalSize(picture).
struct TArtwork {
    QImage MachineImage;
    QImage SymbolSheet;
    QImage MotionStrip;
    QImage MysteryArtwork;
    // Replacement pictures; a null image means the built-in picture stays.
    std::array<QImage, ReplaceablePictureCount> Replacements;
    int SymbolSize = 0;
    int MachineLeft = 0;
    int MachineTop = 0;
    bool AllRequiredFound = true;

    const QImage& Replacement(TReplaceablePicture picture) const {
        return Replacements[static_cast<int>(picture)];
    }
};

// Reads the chosen files from the program folder, each file's twin at twice its size instead
// when the screen has more than one device pixel to a logical pixel. A required file that is
// absent, or that does not read as a picture, leaves its bitmap empty and clears AllRequiredFound.
TArtwork LoadArtwork(const QString& programFolder, const TScreenFacts& screen);

// Loads as LoadArtwork and, when anything required is missing, tells the player once.
TArtwork LoadArtworkTellingPlayer(const QString& programFolder, const TScreenFacts& screen,
                                  TDesktop& desktop);

} // namespace zorva
