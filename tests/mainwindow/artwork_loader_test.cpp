#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

#include "mainwindow/artwork_loader.h"
#include "support/fake_desktop.h"

namespace zorva {
namespace {

struct TExpectedRow {
    int Width;
    int Depth;
    std::string_view MachineImage;
    std::string_view SymbolSheet;
    int SymbolSize;
    int MachineTop;
};

// Guards against a screen landing in the wrong row: the wrong symbol size breaks every
// wheel, the wrong top offset misplaces the whole machine, the wrong set looks garish.
TEST(ChooseArtwork, PicksTheRowByScreenWidthAndColourDepth) {
    const TExpectedRow rows[] = {
        {690, 24, "Inter.bmp", "Zorva64.bmp", 64, 0},
        {691, 24, "Inter.bmp", "Zorva64.bmp", 64, 50},
        {999, 24, "Inter.bmp", "Zorva64.bmp", 64, 50},
        {1000, 24, "Interbig.bmp", "Zorva96.bmp", 96, 12},
        {1024, 24, "Interbig.bmp", "Zorva96.bmp", 96, 12},
        {10001, 24, "Interbig.bmp", "Zorva96.bmp", 96, 12},
        {20000, 24, "Interbig.bmp", "Zorva96.bmp", 96, 12},
        {1024, 16, "Interbig.bmp", "Zorva96.bmp", 96, 12},
        {800, 16, "Inter.bmp", "Zorva64.bmp", 64, 50},
        {690, 8, "Inter256.bmp", "Zor64256.bmp", 64, 0},
        {691, 8, "Inter256.bmp", "Zor64256.bmp", 64, 50},
        {999, 8, "Inter256.bmp", "Zor64256.bmp", 64, 50},
        {1000, 8, "Inbig256.bmp", "Zor96256.bmp", 96, 2},
        {1024, 8, "Inbig256.bmp", "Zor96256.bmp", 96, 2},
        {10001, 8, "Inbig256.bmp", "Zor96256.bmp", 96, 2},
        {1024, 15, "Inbig256.bmp", "Zor96256.bmp", 96, 2},
    };
    for (const auto& row : rows) {
        const TArtworkChoice choice = ChooseArtwork(row.Width, row.Depth);
        const std::string where =
            std::to_string(row.Width) + " pixels at " + std::to_string(row.Depth) + " bits";
        EXPECT_EQ(choice.MachineFiles[0].front(), row.MachineImage) << where;
        EXPECT_EQ(choice.MachineFiles[1].front(), row.SymbolSheet) << where;
        EXPECT_EQ(choice.SymbolSize, row.SymbolSize) << where;
        EXPECT_EQ(choice.MachineTop, row.MachineTop) << where;
        EXPECT_EQ(choice.Palette256, row.Depth < 16) << where;
    }
}

// Guards against a large screen mixing files of the two colour sets.
TEST(ChooseArtwork, ALargeScreenTakesTheFourFilesOfItsColourSet) {
    const TMachineFiles palette{{{"Inbig256.bmp"}, {"Zor96256.bmp"}, {"Motio256.bmp"}, {"Bigb256.bmp"}}};
    EXPECT_EQ(ChooseArtwork(1024, 8).MachineFiles, palette);
    const TMachineFiles normal{
        {{"Interbig.bmp", "Inbig256.bmp"}, {"Zorva96.bmp"}, {"Motion.bmp"}, {"BigBar.bmp"}}};
    EXPECT_EQ(ChooseArtwork(1024, 24).MachineFiles, normal);
    const TMachineFiles small{{{"Inter.bmp"}, {"Zorva64.bmp"}, {"Motion2.bmp"}, {"Barsml.bmp"}}};
    EXPECT_EQ(ChooseArtwork(800, 32).MachineFiles, small);
}

class ArtworkFolder : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(Folder.isValid()); }

    void Picture(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        ASSERT_TRUE(image.save(Folder.filePath(name), "BMP")) << name.toStdString();
    }

    void SmallNormalSet() {
        Picture("Inter.bmp", 600, 400);
        Picture("Zorva64.bmp", 256, 192);
        Picture("Motion2.bmp", 64, 576);
        Picture("Barsml.bmp", 405, 90);
    }

    TArtwork Load(int width, int depth = 32) {
        return LoadArtwork(Folder.path(), TScreenFacts{width, 600, depth, 96});
    }

    QTemporaryDir Folder;
};

// Guards against a machine drawn off centre, including on odd widths where the half
// must be truncated, and against a missing face throwing the layout off the screen.
TEST_F(ArtworkFolder, CentresTheMachineOnTheScreen) {
    SmallNormalSet();
    TArtwork artwork = Load(800);
    EXPECT_TRUE(artwork.AllRequiredFound);
    EXPECT_EQ(artwork.MachineLeft, 100);
    EXPECT_EQ(artwork.MachineTop, 50);
    EXPECT_EQ(artwork.SymbolSize, 64);
    EXPECT_EQ(artwork.SymbolSheet.size(), QSize(256, 192));
    EXPECT_EQ(Load(691).MachineLeft, 45);
    EXPECT_EQ(Load(690).MachineTop, 0);

    ASSERT_TRUE(QFile::remove(Folder.filePath("Inter.bmp")));
    artwork = Load(801);
    EXPECT_FALSE(artwork.AllRequiredFound);
    EXPECT_EQ(artwork.MachineLeft, 400) << "without a face the machine's left edge is half the screen";
}

// Guards against one missing file hiding the others or being reported as success.
TEST_F(ArtworkFolder, AMissingRequiredFileIsReportedAndTheRestStillLoads) {
    SmallNormalSet();
    ASSERT_TRUE(QFile::remove(Folder.filePath("Motion2.bmp")));
    const TArtwork artwork = Load(800);
    EXPECT_FALSE(artwork.AllRequiredFound);
    EXPECT_TRUE(artwork.MotionStrip.isNull());
    EXPECT_FALSE(artwork.MachineImage.isNull()) << "the machine still shows";
    EXPECT_FALSE(artwork.MysteryArtwork.isNull());
}

// Guards against a damaged picture passing as found and leaving an empty bitmap behind.
TEST_F(ArtworkFolder, AFileThatIsNoPictureCountsAsMissing) {
    SmallNormalSet();
    QFile damaged(Folder.filePath("Barsml.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("BM not really a bitmap");
    damaged.close();
    EXPECT_FALSE(Load(800).AllRequiredFound);
}

// Guards against a large normal-colour screen refusing to start when only the 256-colour
// face is there, or taking a face from a row it does not belong to.
TEST_F(ArtworkFolder, TheLargeNormalFaceFallsBackToThe256ColourFace) {
    Picture("Zorva96.bmp", 384, 288);
    Picture("Motion.bmp", 96, 864);
    Picture("BigBar.bmp", 603, 134);
    Picture("Inter.bmp", 600, 400);
    EXPECT_FALSE(Load(1024).AllRequiredFound) << "the small face is no large face";

    Picture("Inbig256.bmp", 900, 600);
    TArtwork artwork = Load(1024);
    EXPECT_TRUE(artwork.AllRequiredFound);
    EXPECT_EQ(artwork.MachineImage.width(), 900);
    EXPECT_EQ(artwork.MachineLeft, 62);
    EXPECT_EQ(artwork.MachineTop, 12);

    Picture("Interbig.bmp", 920, 600);
    artwork = Load(1000);
    EXPECT_EQ(artwork.MachineImage.width(), 920) << "the normal face comes first, and 1000 pixels is large";
    EXPECT_EQ(artwork.MachineLeft, 40);
}

// Guards against replacements read from the other colour set or under the wrong name,
// and against an absent replacement counting as missing.
TEST_F(ArtworkFolder, ReplacesBuiltInPicturesOnlyFromFilesThatExist) {
    SmallNormalSet();
    Picture("Box.bmp", 70, 22);
    Picture("Bonus16.bmp", 16, 32);
    Picture("Bonus32.bmp", 32, 64);
    Picture("Box256.bmp", 50, 18);
    TArtwork artwork = Load(800);
    EXPECT_TRUE(artwork.AllRequiredFound);
    EXPECT_EQ(artwork.Replacement(TReplaceablePicture::Options).size(), QSize(70, 22));
    EXPECT_EQ(artwork.Replacement(TReplaceablePicture::Bonus16).size(), QSize(16, 32));
    EXPECT_EQ(artwork.Replacement(TReplaceablePicture::Bonus).size(), QSize(32, 64));
    EXPECT_TRUE(artwork.Replacement(TReplaceablePicture::SpinBtn).isNull());
    EXPECT_TRUE(artwork.Replacement(TReplaceablePicture::Logo).isNull());

    artwork = Load(800, 8);
    EXPECT_EQ(artwork.Replacement(TReplaceablePicture::Options).size(), QSize(50, 18));
    EXPECT_EQ(artwork.Replacement(TReplaceablePicture::Bonus16).size(), QSize(16, 32));
    EXPECT_FALSE(artwork.AllRequiredFound) << "no 256-colour machine files lie in the folder";
}

// Guards against one message box per missing file, or none at all.
TEST_F(ArtworkFolder, MissingFilesAreToldOnceWhateverTheirNumber) {
    std::vector<std::string> messages;
    testing::TFakeDesktop desktop;
    desktop.Answer = [&messages](TMessageKind, const std::string& text) {
        messages.push_back(text);
        return true;
    };
    Picture("Inter.bmp", 600, 400);
    const TArtwork artwork = LoadArtworkTellingPlayer(Folder.path(), TScreenFacts{800, 600, 32, 96}, desktop);
    EXPECT_FALSE(artwork.AllRequiredFound);
    EXPECT_EQ(messages,
              std::vector<std::string>{
                  "There are BMP files missing which may cause this program to not function properly!"});

    SmallNormalSet();
    messages.clear();
    LoadArtworkTellingPlayer(Folder.path(), TScreenFacts{800, 600, 32, 96}, desktop);
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace zorva
