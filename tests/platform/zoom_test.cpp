#include "platform/zoom.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/config_file.h"

namespace zorva {
namespace {

// The screens players have, at the desktop's own scale (a 3840 × 2160 screen at 200 % is the
// 1920 × 1080 row): the fit zoom keeps the logical screen 768 high wherever height is what is
// short, and leaves screens the design already fills alone.
TEST(Zoom, TheFitZoomOfEachCommonScreen) {
    struct TRow {
        int Width;
        int Height;
        double Zoom;
    };
    const TRow rows[] = {
        {800, 600, 1.0},       {1024, 768, 1.0},      {1280, 720, 1.0},    {1366, 768, 1.0},
        {1920, 1080, 1.40625}, {1920, 1200, 1.5625},  {2560, 1440, 1.875}, {3440, 1440, 1.875},
        {3840, 2160, 2.8125},  {2560, 1600, 2.08333}, {0, 0, 1.0},
    };
    for (const TRow& row : rows) {
        const double zoom = FitZoom(row.Width, row.Height);
        EXPECT_NEAR(zoom, row.Zoom, 1e-5) << row.Width << " x " << row.Height;
        // The design's layout is never given less than 1024 × 768 at the fit zoom.
        if (zoom > 1.0) {
            EXPECT_GE(static_cast<int>(row.Width / zoom + 0.5), DesignedScreenWidth) << row.Width;
            EXPECT_GE(static_cast<int>(row.Height / zoom + 0.5), DesignedScreenHeight) << row.Height;
        }
    }
}

// Steps of a quarter from 1, and the fit zoom as the last step up, so no step cuts the machine off.
TEST(Zoom, KeysStepByQuartersBetweenOneAndTheFit) {
    const double fit = 1.40625;
    EXPECT_DOUBLE_EQ(SteppedZoom(fit, TZoomStep::Out, 1920, 1080), 1.25);
    EXPECT_DOUBLE_EQ(SteppedZoom(1.25, TZoomStep::Out, 1920, 1080), 1.0);
    EXPECT_DOUBLE_EQ(SteppedZoom(1.0, TZoomStep::Out, 1920, 1080), 1.0);
    EXPECT_DOUBLE_EQ(SteppedZoom(1.0, TZoomStep::In, 1920, 1080), 1.25);
    EXPECT_DOUBLE_EQ(SteppedZoom(1.25, TZoomStep::In, 1920, 1080), fit);
    EXPECT_DOUBLE_EQ(SteppedZoom(fit, TZoomStep::In, 1920, 1080), fit);
    EXPECT_DOUBLE_EQ(SteppedZoom(1.0, TZoomStep::Fit, 1920, 1080), fit);
    EXPECT_DOUBLE_EQ(SteppedZoom(2.8125, TZoomStep::Out, 3840, 2160), 2.75);
    EXPECT_DOUBLE_EQ(SteppedZoom(2.0, TZoomStep::In, 3840, 2160), 2.25);
    // Where the design fills the screen there is nothing to step.
    EXPECT_DOUBLE_EQ(SteppedZoom(1.0, TZoomStep::In, 1366, 768), 1.0);
}

// The player's choice survives a restart, a file of nonsense falls back to the fit, and a zoom
// chosen on a larger screen is held to the fit of a smaller one rather than cutting the machine.
TEST(Zoom, TheSettingsFileKeepsTheChoiceAndForgivesNonsense) {
    QTemporaryDir folder;
    const std::string savedGame = folder.filePath(QStringLiteral("zorva/Zorva.ini")).toStdString();
    const std::string path = DisplaySettingsPathBeside(savedGame);
    EXPECT_EQ(path, folder.filePath(QStringLiteral("zorva/Display.ini")).toStdString());

    const TDisplaySettings none = ReadDisplaySettings(path);
    EXPECT_EQ(none.Zoom, 0);
    EXPECT_FALSE(none.FullScreen);
    EXPECT_DOUBLE_EQ(ZoomFor(none, 2560, 1440), 1.875);

    ASSERT_TRUE(WriteDisplaySettings(path, {1.25, true}));
    EXPECT_EQ(ReadWholeFile(path).Text, "[Display]\nZoom=1.25\nFullScreen=1\n");
    const TDisplaySettings kept = ReadDisplaySettings(path);
    EXPECT_DOUBLE_EQ(kept.Zoom, 1.25);
    EXPECT_TRUE(kept.FullScreen);
    EXPECT_DOUBLE_EQ(ZoomFor({2.5, false}, 1920, 1080), 1.40625);

    ASSERT_TRUE(WriteDisplaySettings(path, {0, false}));
    EXPECT_EQ(ReadWholeFile(path).Text, "[Display]\nZoom=Fit\nFullScreen=0\n");
    for (const char* text : {"[Display]\nZoom=abc\n", "[Display]\nZoom=0.5\n", "[Display]\nZoom=1.5x\n",
                             "[Display]\nZoom=nan\n", "garbage"}) {
        ASSERT_TRUE(ReplaceFileAtomically(path, text));
        EXPECT_EQ(ReadDisplaySettings(path).Zoom, 0) << text;
    }
    EXPECT_FALSE(ReadWholeFile(savedGame).State == TFileState::Read) << "the saved game is not touched";
}

} // namespace
} // namespace zorva
