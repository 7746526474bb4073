#include "bmp_header.h"

#include "art/program_art.h"
#include "mainwindow/machine_geometry.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace zorva;

namespace {

QString InProgramFolder(const char* name) {
    return QDir(ZORVA_PROGRAM_FOLDER).filePath(name);
}

QImage LoadPicture(const char* name) {
    return QImage(InProgramFolder(name));
}

double RowDifference(const QImage& image, int rowA, int rowB) {
    double sum = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb a = image.pixel(x, rowA), b = image.pixel(x, rowB);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
    return sum / image.width();
}

bool IsWhite(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

} // namespace

// A wrong size or depth draws the wheels off their windows or leaves the 256-colour screen unreadable.
TEST(ProgramArt, EveryBakedFileHasTheSizeAndDepthItsReaderExpects) {
    for (const art::TProgramPicture& picture : art::ProgramPictures) {
        SCOPED_TRACE(picture.FileName);
        const auto header = ReadBmpHeader(InProgramFolder(picture.FileName));
        ASSERT_TRUE(header) << "missing or not a BMP";
        EXPECT_EQ(header->Width, picture.Width);
        // Bottom-up rows, as every BMP reader handles.
        EXPECT_EQ(header->Height, picture.Height);
        EXPECT_EQ(header->BitsPerPixel, picture.BitsPerPixel);
        EXPECT_EQ(header->Compression, 0u) << "uncompressed";
        const QImage image = LoadPicture(picture.FileName);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(picture.Width, picture.Height));
    }
}

// Qt's own conversion would fall back to a web-safe cube; a real palette is what keeps the 256-colour set
// close.
TEST(ProgramArt, The256ColourTwinsArePalettisedAndCloseToTheNormalSet) {
    const std::pair<const char*, const char*> twins[] = {
        {"Inter.bmp", "Inter256.bmp"},   {"Interbig.bmp", "Inbig256.bmp"}, {"Zorva64.bmp", "Zor64256.bmp"},
        {"Zorva96.bmp", "Zor96256.bmp"}, {"Motion2.bmp", "Moti2256.bmp"},  {"Motion.bmp", "Motio256.bmp"},
        {"Barsml.bmp", "Barsm256.bmp"},  {"BigBar.bmp", "Bigb256.bmp"},    {"Box.bmp", "Box256.bmp"},
        {"Spin.bmp", "Spin256.bmp"},     {"Stop.bmp", "Stop256.bmp"},      {"StopOff.bmp", "StOff256.bmp"},
        {"Logo.bmp", "Logo256.bmp"},
    };
    for (const auto& [normalName, name256] : twins) {
        SCOPED_TRACE(name256);
        const auto header = ReadBmpHeader(InProgramFolder(name256));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->BitsPerPixel, 8);
        EXPECT_LE(header->PaletteColours, 256u);
        const QImage indexed = LoadPicture(name256);
        EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
        const QImage normal = LoadPicture(normalName).convertToFormat(QImage::Format_RGB32);
        const QImage reduced = indexed.convertToFormat(QImage::Format_RGB32);
        double error = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                const QRgb a = normal.pixel(x, y), b = reduced.pixel(x, y);
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
            }
        // A web-safe cube is off by 8 to 12 levels a channel on these gradients; the quantiser by under 3.
        EXPECT_LT(error / (3.0 * normal.width() * normal.height()), 4.0);
    }
}

// The spin animation reads the strip round and round: a seam would flash once a turn.
TEST(ProgramArt, MotionStripsWrapWithoutASeam) {
    for (const char* name : {"Motion2.bmp", "Moti2256.bmp", "Motion.bmp", "Motio256.bmp"}) {
        SCOPED_TRACE(name);
        const QImage strip = LoadPicture(name).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(strip.height(), art::MotionStripRows);
        double largestStep = 0, totalStep = 0;
        for (int y = 1; y < strip.height(); ++y) {
            const double step = RowDifference(strip, y - 1, y);
            largestStep = std::max(largestStep, step);
            totalStep += step;
        }
        const double seam = RowDifference(strip, strip.height() - 1, 0);
        EXPECT_LE(seam, largestStep + 1.0);
        EXPECT_LE(seam, 4.0 * totalStep / (strip.height() - 1) + 2.0) << "the seam stands out from the strip";
    }
}

// The engine clears a wheel to white and draws its symbols at fixed offsets; the face must have its
// glass exactly there: white over the window and the clearing rectangle, framed just outside.
TEST(ProgramArt, MachineFacesHaveWhiteWindowsExactlyWhereTheWheelsAreDrawn) {
    struct TFace {
        const char* Name;
        int SymbolSize;
    };
    for (const TFace face : {TFace{"Inter.bmp", 64}, TFace{"Inter256.bmp", 64}, TFace{"Interbig.bmp", 96},
                             TFace{"Inbig256.bmp", 96}}) {
        SCOPED_TRACE(face.Name);
        const QImage image = LoadPicture(face.Name);
        const TMachineGeometry g{face.SymbolSize == 64 ? 800 : 1024, 0, 0, face.SymbolSize};
        for (int w = 0; w < 9; ++w) {
            const TRect window = WheelWindow(g, w), clearing = ClearingRect(g, w);
            const TRect glass{std::min(window.Left, clearing.Left), std::min(window.Top, clearing.Top),
                              std::max(window.Right, clearing.Right),
                              std::max(window.Bottom, clearing.Bottom)};
            ASSERT_LE(glass.Right, image.width());
            ASSERT_LE(glass.Bottom, image.height());
            for (int y = glass.Top; y < glass.Bottom; ++y)
                for (int x = glass.Left; x < glass.Right; ++x)
                    ASSERT_TRUE(IsWhite(image.pixel(x, y))) << "wheel " << w << " at " << x << "," << y;
            EXPECT_FALSE(IsWhite(image.pixel(glass.Left - 1, glass.Top + 20))) << "wheel " << w;
            EXPECT_FALSE(IsWhite(image.pixel(glass.Right, glass.Top + 20))) << "wheel " << w;
            EXPECT_FALSE(IsWhite(image.pixel(glass.Left + 20, glass.Top - 1))) << "wheel " << w;
            EXPECT_FALSE(IsWhite(image.pixel(glass.Left + 20, glass.Bottom))) << "wheel " << w;
        }
    }
}

// The bounce moves a capture that starts 4 pixels left of each 64-pixel window up and down by up to
// 2 pixels; the frame there must look the same a few rows up or down, or the bounce would smear it.
TEST(ProgramArt, FrameUnderTheSmallBounceCaptureIsTheSameRowToRow) {
    const QImage image = LoadPicture("Inter.bmp");
    const TMachineGeometry g{800, 0, 0, 64};
    for (int w = 0; w < 9; ++w) {
        const TRect capture = BounceCapture(g, w);
        for (int x = capture.Left; x < WheelWindow(g, w).Left; ++x)
            for (int y = capture.Top; y < capture.Bottom; ++y) {
                const QRgb a = image.pixel(x, y), b = image.pixel(x, y + 2);
                EXPECT_LE(std::abs(qGray(a) - qGray(b)), 6) << "wheel " << w << " at " << x << "," << y;
            }
    }
}

// The symbol sheet is read cell by cell by code; a blank cell or a blank where a symbol should be
// shows the wrong thing on a wheel.
TEST(ProgramArt, SymbolSheetsHoldElevenPicturesAndABlankInCodeOrder) {
    for (auto [name, size] : {std::pair{"Zorva64.bmp", 64}, std::pair{"Zorva96.bmp", 96},
                              std::pair{"Zor64256.bmp", 64}, std::pair{"Zor96256.bmp", 96}}) {
        SCOPED_TRACE(name);
        const QImage sheet = LoadPicture(name).convertToFormat(QImage::Format_RGB32);
        for (int code = 0; code < 12; ++code) {
            int coloured = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    coloured += !IsWhite(sheet.pixel((code % 4) * size + x, (code / 4) * size + y));
            if (code == 11) {
                EXPECT_EQ(coloured, 0) << "the blank symbol shows nothing";
            } else {
                EXPECT_GT(coloured, size * size / 5) << "symbol " << code << " is missing";
            }
        }
    }
}

// The mystery row is cut into nine cells and two halves: each cell must differ lit from unlit.
TEST(ProgramArt, MysteryBoxesLookDifferentLitAndUnlit) {
    for (auto [name, cellWidth] : {std::pair{"Barsml.bmp", art::SmallMysteryCellWidth},
                                   std::pair{"BigBar.bmp", art::LargeMysteryCellWidth}}) {
        SCOPED_TRACE(name);
        const QImage art = LoadPicture(name).convertToFormat(QImage::Format_RGB32);
        const int half = art.height() / 2;
        for (int cell = 0; cell < 9; ++cell) {
            double lit = 0, unlit = 0;
            for (int y = 0; y < half; ++y)
                for (int x = cell * cellWidth; x < (cell + 1) * cellWidth; ++x) {
                    lit += qGray(art.pixel(x, y));
                    unlit += qGray(art.pixel(x, y + half));
                }
            EXPECT_GT(lit, unlit * 1.4) << "box " << cell << " lit is not brighter";
        }
    }
}

// A language's payoff chart is the English one with its words translated: the same file format and
// the same payoff rows in the same places, and not the English words again.
TEST(ProgramArt, EachTranslatedPayoffChartIsTheEnglishOneInAnotherLanguage) {
    const QStringList charts =
        QDir(ZORVA_PROGRAM_FOLDER).entryList({QStringLiteral("Paychart.*.bmp")}, QDir::Files);
    ASSERT_TRUE(charts.contains(QStringLiteral("Paychart.de.bmp"))) << "no German payoff chart";
    const art::TProgramPicture& english = art::program::Paychart;
    const QImage englishChart = LoadPicture(english.FileName);
    // The symbols of the normal payoff rows, left in the chart's first panel.
    const QRect symbols(16, 60, 72, 168);
    for (const QString& name : charts) {
        SCOPED_TRACE(name.toStdString());
        const auto header = ReadBmpHeader(QDir(ZORVA_PROGRAM_FOLDER).filePath(name));
        ASSERT_TRUE(header) << "missing or not a BMP";
        EXPECT_EQ(header->Width, english.Width);
        EXPECT_EQ(header->Height, english.Height);
        EXPECT_EQ(header->BitsPerPixel, english.BitsPerPixel);
        const QImage chart(QDir(ZORVA_PROGRAM_FOLDER).filePath(name));
        EXPECT_EQ(chart.copy(symbols), englishChart.copy(symbols)) << "the payoff rows moved";
        EXPECT_NE(chart, englishChart) << "the English chart under another name";
    }
}
