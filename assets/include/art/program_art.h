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

// One constant per file: the baker writes it, the loader and the contact sheet read it, and the
// build takes its list of files from these lines.
namespace program {

inline constexpr TProgramPicture Inter{"Inter.bmp", SmallFaceWidth, SmallFaceHeight, 24};
inline constexpr TProgramPicture Inter256{"Inter256.bmp", SmallFaceWidth, SmallFaceHeight, 8};
inline constexpr TProgramPicture Interbig{"Interbig.bmp", LargeFaceWidth, LargeFaceHeight, 24};
inline constexpr TProgramPicture Inbig256{"Inbig256.bmp", LargeFaceWidth, LargeFaceHeight, 8};
inline constexpr TProgramPicture Zorva64{"Zorva64.bmp", 4 * 64, 3 * 64, 24};
inline constexpr TProgramPicture Zor64256{"Zor64256.bmp", 4 * 64, 3 * 64, 8};
inline constexpr TProgramPicture Zorva96{"Zorva96.bmp", 4 * 96, 3 * 96, 24};
inline constexpr TProgramPicture Zor96256{"Zor96256.bmp", 4 * 96, 3 * 96, 8};
inline constexpr TProgramPicture Motion2{"Motion2.bmp", 64, MotionStripRows, 24};
inline constexpr TProgramPicture Moti2256{"Moti2256.bmp", 64, MotionStripRows, 8};
inline constexpr TProgramPicture Motion{"Motion.bmp", 96, MotionStripRows, 24};
inline constexpr TProgramPicture Motio256{"Motio256.bmp", 96, MotionStripRows, 8};
inline constexpr TProgramPicture Barsml{"Barsml.bmp", 9 * SmallMysteryCellWidth, 2 * SmallMysteryCellHeight,
                                        24};
inline constexpr TProgramPicture Barsm256{"Barsm256.bmp", 9 * SmallMysteryCellWidth,
                                          2 * SmallMysteryCellHeight, 8};
inline constexpr TProgramPicture BigBar{"BigBar.bmp", 9 * LargeMysteryCellWidth, 2 * LargeMysteryCellHeight,
                                        24};
inline constexpr TProgramPicture Bigb256{"Bigb256.bmp", 9 * LargeMysteryCellWidth, 2 * LargeMysteryCellHeight,
                                         8};
inline constexpr TProgramPicture Box{"Box.bmp", 62, 20, 24};
inline constexpr TProgramPicture Box256{"Box256.bmp", 62, 20, 8};
inline constexpr TProgramPicture Spin{"Spin.bmp", 124, 72, 24};
inline constexpr TProgramPicture Spin256{"Spin256.bmp", 124, 72, 8};
inline constexpr TProgramPicture Stop{"Stop.bmp", 124, 72, 24};
inline constexpr TProgramPicture Stop256{"Stop256.bmp", 124, 72, 8};
inline constexpr TProgramPicture StopOff{"StopOff.bmp", 124, 72, 24};
inline constexpr TProgramPicture StOff256{"StOff256.bmp", 124, 72, 8};
// Narrower than the built-in logo so that it fits left of the machine on a 640-pixel screen.
inline constexpr TProgramPicture Logo{"Logo.bmp", 150, 169, 24};
inline constexpr TProgramPicture Logo256{"Logo256.bmp", 150, 169, 8};
inline constexpr TProgramPicture Bonus32{"Bonus32.bmp", 32, 64, 24};
inline constexpr TProgramPicture Bonus16{"Bonus16.bmp", 16, 32, 24};
inline constexpr TProgramPicture Paychart{"Paychart.bmp", 632, 413, 24};

} // namespace program

inline constexpr std::array ProgramPictures{
    program::Inter,    program::Inter256, program::Interbig, program::Inbig256, program::Zorva64,
    program::Zor64256, program::Zorva96,  program::Zor96256, program::Motion2,  program::Moti2256,
    program::Motion,   program::Motio256, program::Barsml,   program::Barsm256, program::BigBar,
    program::Bigb256,  program::Box,      program::Box256,   program::Spin,     program::Spin256,
    program::Stop,     program::Stop256,  program::StopOff,  program::StOff256, program::Logo,
    program::Logo256,  program::Bonus32,  program::Bonus16,  program::Paychart,
};

} // namespace zorva::art
