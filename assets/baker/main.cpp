// Bakes every picture of the game: the program folder's BMP files and the
// built-in pictures that are compiled into the executable, each with its twins
// at twice and three times the scale ("name@2x.png", "name@3x.png") for screens
// of high pixel density and for the zoomed window.
#include "bank_art.h"
#include "bitmap_files.h"
#include "card_art.h"
#include "machine_face.h"
#include "mystery_art.h"
#include "paint_kit.h"
#include "panel_art.h"
#include "paychart.h"
#include "paychart_texts.h"
#include "symbol_art.h"

#include "art/builtin_art.h"
#include "art/program_art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>

using namespace zorva;
using namespace zorva::bake;
namespace program = zorva::art::program;

namespace {

struct TFolders {
    QString Svg;
    QString Program;
    QString Builtin;
    QStringList Translations; // translations/zorva_<language>.ts: a picture with sentences for each
};

using TDrawing = std::function<QImage()>;

// The twins' scales: twice for screens of high pixel density, three times for a zoomed window on
// one, so no picture is ever drawn larger than it was baked.
constexpr int TwinScales[] = {2, 3};

// The same drawing baked at a larger scale: a sharp twin.
QImage AtScale(const TDrawing& draw, int scale) {
    SetBakeScale(scale);
    QImage twin = draw();
    SetBakeScale(1);
    return twin;
}

QString TwinSuffix(int scale) {
    return QStringLiteral("@%1x.png").arg(scale);
}

// "Spin.bmp" has its twins in "Spin@2x.png" and "Spin@3x.png" beside it.
QString TwinPath(const QString& folder, const char* fileName, int scale) {
    return QDir(folder).filePath(QString::fromLatin1(fileName).chopped(4) + TwinSuffix(scale));
}

void SaveTwins(const TDrawing& draw, const TFolders& f, const char* fileName) {
    for (const int scale : TwinScales)
        SavePng(Flatten(AtScale(draw, scale)), TwinPath(f.Program, fileName, scale));
}

// The 24-bit file and its twins; the 256-colour set has none.
void SaveNormalSet(const TDrawing& draw, const TFolders& f, const art::TProgramPicture& picture) {
    SaveBmp24(draw(), QDir(f.Program).filePath(picture.FileName));
    SaveTwins(draw, f, picture.FileName);
}

// Both colour sets of one picture: the 24-bit file with its twin, and the quantised 8-bit file.
void SaveBothSets(const TDrawing& draw, const TFolders& f, const art::TProgramPicture& normal,
                  const art::TProgramPicture& twin256) {
    SaveNormalSet(draw, f, normal);
    SaveBmp8(draw(), QDir(f.Program).filePath(twin256.FileName));
}

void BakeMachine(const TFolders& f) {
    SaveBothSets([] { return MachineFace(SmallFace()); }, f, program::Inter, program::Inter256);
    SaveBothSets([] { return MachineFace(LargeFace()); }, f, program::Interbig, program::Inbig256);
    SaveBothSets([&] { return SymbolSheet(f.Svg, 64); }, f, program::Zorva64, program::Zor64256);
    SaveBothSets([&] { return SymbolSheet(f.Svg, 96); }, f, program::Zorva96, program::Zor96256);
    SaveBothSets([&] { return MotionStrip(f.Svg, 64, art::MotionStripRows); }, f, program::Motion2,
                 program::Moti2256);
    SaveBothSets([&] { return MotionStrip(f.Svg, 96, art::MotionStripRows); }, f, program::Motion,
                 program::Motio256);
    SaveBothSets([] { return MysteryArtwork(art::SmallMysteryCellWidth, art::SmallMysteryCellHeight); }, f,
                 program::Barsml, program::Barsm256);
    SaveBothSets([] { return MysteryArtwork(art::LargeMysteryCellWidth, art::LargeMysteryCellHeight); }, f,
                 program::BigBar, program::Bigb256);
}

void BakeOptionalPictures(const TFolders& f) {
    SaveBothSets([] { return OptionButton(62, 20); }, f, program::Box, program::Box256);
    SaveBothSets([] { return BigButton(TButtonLook::Spin, 124, 72); }, f, program::Spin, program::Spin256);
    SaveBothSets([] { return BigButton(TButtonLook::Stop, 124, 72); }, f, program::Stop, program::Stop256);
    SaveBothSets([] { return BigButton(TButtonLook::StopDark, 124, 72); }, f, program::StopOff,
                 program::StOff256);
    SaveBothSets([&] { return Logo(f.Svg, 150, 169); }, f, program::Logo, program::Logo256);
    SaveNormalSet([&] { return BonusIcons(f.Svg, 32); }, f, program::Bonus32);
    SaveNormalSet([&] { return BonusIcons(f.Svg, 16); }, f, program::Bonus16);
    SaveNormalSet([&] { return PayoffChart(f.Svg, program::Paychart.Width, program::Paychart.Height, EnglishPaychartTexts()); },
                  f, program::Paychart);
}

// The same picture in another language, beside the English one under its own name, with its twins.
void BakeTranslatedPictures(const TFolders& f) {
    for (const QString& translationFile : f.Translations) {
        const TPaychartTexts texts = PaychartTexts(translationFile);
        const TDrawing draw = [&] { return PayoffChart(f.Svg, program::Paychart.Width, program::Paychart.Height, texts); };
        const QString fileName = PaychartFileName(texts);
        SaveBmp24(draw(), QDir(f.Program).filePath(fileName));
        SaveTwins(draw, f, fileName.toLatin1().constData());
    }
}

void SaveBuiltinFile(const QImage& image, const art::TBuiltinPicture& picture, const QString& relative,
                     int scale, const TFolders& f) {
    if (image.width() != scale * picture.Width || image.height() != scale * picture.Height)
        throw std::runtime_error("wrong size for " + relative.toStdString());
    SavePng(image.format() == QImage::Format_Indexed8 ? image : Flatten(image),
            QDir(f.Builtin).filePath(relative));
}

// ":/art/x/y.png" lands in <builtin>/x/y.png, its twins in <builtin>/x/y@2x.png and y@3x.png.
void SaveBuiltin(const TDrawing& draw, const art::TBuiltinPicture& picture, const TFolders& f) {
    const QString relative = QString(picture.Path).mid(6);
    SaveBuiltinFile(draw(), picture, relative, 1, f);
    for (const int scale : TwinScales)
        SaveBuiltinFile(AtScale(draw, scale), picture, relative.chopped(4) + TwinSuffix(scale), scale, f);
}

void BakeBuiltin(const TFolders& f) {
    SaveBuiltin([] { return BigButton(TButtonLook::Spin, 124, 72); }, art::SpinBtn, f);
    SaveBuiltin([] { return BigButton(TButtonLook::Stop, 124, 72); }, art::StopBtn, f);
    SaveBuiltin([] { return BigButton(TButtonLook::StopDark, 124, 72); }, art::Stop2, f);
    SaveBuiltin([] { return OptionButton(62, 20); }, art::Options, f);
    SaveBuiltin([] { return DigitStrip(188, 16, 21, false); }, art::DigitsSmall, f);
    SaveBuiltin([] { return DigitStrip(188, 16, 21, true); }, art::GreenSmall, f);
    SaveBuiltin([] { return DigitStrip(376, 32, 42, false); }, art::DigitsLarge, f);
    SaveBuiltin([] { return DigitStrip(376, 32, 42, true); }, art::GreenLarge, f);
    SaveBuiltin([] { return AdjusterPair(30, 15); }, art::PlusSmall, f);
    SaveBuiltin([] { return AdjusterPair(62, 31); }, art::PlusMinus, f);
    SaveBuiltin([&] { return BonusIcons(f.Svg, 16); }, art::Bonus16, f);
    SaveBuiltin([&] { return BonusIcons(f.Svg, 32); }, art::Bonus, f);
    SaveBuiltin([&] { return Logo(f.Svg, 200, 225); }, art::Logo, f);

    SaveBuiltin(CardBlank, art::cards::Pos, f);
    SaveBuiltin(CardMask, art::cards::Neg, f);
    SaveBuiltin(CardBack, art::cards::back, f);
    SaveBuiltin(CardJoker, art::cards::Joker, f);
    SaveBuiltin(CourtPictures, art::cards::Royal, f);
    SaveBuiltin([] { return SuitSigns(15); }, art::cards::Suits, f);
    SaveBuiltin([] { return SuitSigns(11); }, art::cards::SuitSm, f);
    SaveBuiltin([] { return RankSigns(false); }, art::cards::Black, f);
    SaveBuiltin([] { return RankSigns(true); }, art::cards::Red, f);

    SaveBuiltin([] { return PyramidSquare(QColor(0x1a, 0x9a, 0x3a), 64); }, art::pyramid::BlueBox, f);
    SaveBuiltin([] { return PyramidSquare(QColor(0xc8, 0x16, 0x20), 64); }, art::pyramid::Red, f);

    SaveBuiltin([] { return Chip("$1,000", QColor(0x1e, 0x4c, 0xd8), 66, 42); }, art::chips::Chip1000, f);
    SaveBuiltin([] { return Chip("$100", QColor(0xd0, 0x14, 0x20), 66, 42); }, art::chips::Chip100, f);
    SaveBuiltin([] { return Chip("$10", QColor(0x18, 0x9a, 0x30), 66, 42); }, art::chips::Chip10, f);
    SaveBuiltin([] { return Chip("$1", QColor(0x1c, 0x1c, 0x22), 66, 42); }, art::chips::Chip1, f);
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: zorva-bake-art <svg folder> <program folder> <built-in art folder> "
                             "[translation file...]\n");
        return 2;
    }
    TFolders folders{QString::fromLocal8Bit(argv[1]),
                     QString::fromLocal8Bit(argv[2]),
                     QString::fromLocal8Bit(argv[3]),
                     {}};
    for (int i = 4; i < argc; ++i)
        folders.Translations << QString::fromLocal8Bit(argv[i]);
    try {
        BakeMachine(folders);
        BakeOptionalPictures(folders);
        BakeTranslatedPictures(folders);
        BakeBuiltin(folders);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorva-bake-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
