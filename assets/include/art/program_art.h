#pragma once
#include <array>

// The picture files the build writes into the program folder, with the exact
// size and bit depth their readers expect.
namespace zorva::art {

struct TProgramPicture {
    const char* FileName;
    int Width;
    int Height;
    int BitsPerPixel; // 24 = normal colour, 8 = palettised 256-colour twin
};

// Machine faces: the wheel windows sit at the fixed offsets of their symbol size.
inline constexpr int SmallFaceWidth = 324;
inline constexpr int SmallFaceHeight = 408;
inline constexpr int LargeFaceWidth = 472;
inline constexpr int LargeFaceHeight = 612;

// Mystery artwork: nine cells, lit half over unlit half.
inline constexpr int SmallMysteryCellWidth = 35;
inline constexpr int SmallMysteryCellHeight = 36;
inline constexpr int LargeMysteryCellWidth = 58;
inline constexpr int LargeMysteryCellHeight = 56;

inline constexpr int MotionStripRows = 576;

inline constexpr std::array ProgramPictures{
    TProgramPicture{"Inter.bmp", SmallFaceWidth, SmallFaceHeight, 24},
    TProgramPicture{"Inter256.bmp", SmallFaceWidth, SmallFaceHeight, 8},
    TProgramPicture{"Interbig.bmp", LargeFaceWidth, LargeFaceHeight, 24},
    TProgramPicture{"Inbig256.bmp", LargeFaceWidth, LargeFaceHeight, 8},
    TProgramPicture{"Zorva64.bmp", 4 * 64, 3 * 64, 24},
    TProgramPicture{"Zor64256.bmp", 4 * 64, 3 * 64, 8},
    TProgramPicture{"Zorva96.bmp", 4 * 96, 3 * 96, 24},
    TProgramPicture{"Zor96256.bmp", 4 * 96, 3 * 96, 8},
    TProgramPicture{"Motion2.bmp", 64, MotionStripRows, 24},
    TProgramPicture{"Moti2256.bmp", 64, MotionStripRows, 8},
    TProgramPicture{"Motion.bmp", 96, MotionStripRows, 24},
    TProgramPicture{"Motio256.bmp", 96, MotionStripRows, 8},
    TProgramPicture{"Barsml.bmp", 9 * SmallMysteryCellWidth, 2 * SmallMysteryCellHeight, 24},
    TProgramPicture{"Barsm256.bmp", 9 * SmallMysteryCellWidth, 2 * SmallMysteryCellHeight, 8},
    TProgramPicture{"BigBar.bmp", 9 * LargeMysteryCellWidth, 2 * LargeMysteryCellHeight, 24},
    TProgramPicture{"Bigb256.bmp", 9 * LargeMysteryCellWidth, 2 * LargeMysteryCellHeight, 8},
    TProgramPicture{"Box.bmp", 62, 20, 24},
    TProgramPicture{"Box256.bmp", 62, 20, 8},
    TProgramPicture{"Spin.bmp", 124, 72, 24},
    TProgramPicture{"Spin256.bmp", 124, 72, 8},
    TProgramPicture{"Stop.bmp", 124, 72, 24},
    TProgramPicture{"Stop256.bmp", 124, 72, 8},
    TProgramPicture{"StopOff.bmp", 124, 72, 24},
    TProgramPicture{"StOff256.bmp", 124, 72, 8},
    // Narrower than the built-in logo so that it fits left of the machine on a 640-pixel screen.
    TProgramPicture{"Logo.bmp", 150, 169, 24},
    TProgramPicture{"Logo256.bmp", 150, 169, 8},
    TProgramPicture{"Bonus32.bmp", 32, 64, 24},
    TProgramPicture{"Bonus16.bmp", 16, 32, 24},
    TProgramPicture{"Paychart.bmp", 632, 413, 24},
};

} // namespace zorva::art
