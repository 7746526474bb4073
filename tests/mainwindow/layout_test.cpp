#include <gtest/gtest.h>

#include "mainwindow/layout.h"

namespace zorva {
namespace {

TLayoutInputs Inputs(int screenWidth, int machineLeft, int machineTop, TSize face) {
    return {screenWidth, 768,      machineLeft, machineTop, face,    {124, 72},
            {124, 72},   {30, 15}, {62, 31},    {150, 169}, {62, 20}};
}

// Every click and every painted button hangs on these rectangles; a band boundary off by one
// moves the adjusters out from under the player's pointer.
TEST(LayOut, RectanglesOfEachScreenBand) {
    struct TCase {
        int Width, Left, Top;
        TSize Face;
        TScreenBand Band;
        TRect Stop, Spin, Lines, Coins;
    };
    const TCase cases[] = {
        {640,
         158,
         0,
         {324, 408},
         TScreenBand::Small,
         {499, 336, 623, 408},
         {499, 254, 623, 326},
         {518, 32, 533, 47},
         {593, 32, 608, 47}},
        {699,
         187,
         50,
         {324, 408},
         TScreenBand::Small,
         {543, 386, 667, 458},
         {543, 304, 667, 376},
         {547, 32, 562, 47},
         {622, 32, 637, 47}},
        {700,
         188,
         50,
         {324, 408},
         TScreenBand::Medium,
         {544, 386, 668, 458},
         {544, 304, 668, 376},
         {560, 32, 575, 47},
         {681, 32, 696, 47}},
        {999,
         337,
         50,
         {324, 408},
         TScreenBand::Medium,
         {768, 386, 892, 458},
         {768, 304, 892, 376},
         {709, 32, 724, 47},
         {830, 32, 845, 47}},
        {1000,
         264,
         12,
         {472, 612},
         TScreenBand::Large,
         {806, 552, 930, 624},
         {806, 470, 930, 542},
         {775, 36, 806, 67},
         {900, 36, 931, 67}},
        {1920,
         724,
         12,
         {472, 612},
         TScreenBand::Large,
         {1496, 552, 1620, 624},
         {1496, 470, 1620, 542},
         {1235, 36, 1266, 67},
         {1360, 36, 1391, 67}},
    };
    for (const TCase& c : cases) {
        const TWindowLayout l = LayOut(Inputs(c.Width, c.Left, c.Top, c.Face));
        EXPECT_EQ(l.Band, c.Band) << c.Width;
        EXPECT_EQ(l.StopButtonRect, c.Stop) << c.Width;
        EXPECT_EQ(l.SpinButtonRect, c.Spin) << c.Width;
        EXPECT_EQ(l.LinesAdjusterRect, c.Lines) << c.Width;
        EXPECT_EQ(l.CoinsAdjusterRect, c.Coins) << c.Width;
        EXPECT_EQ(l.WindowWidth, c.Width - 10);
        EXPECT_EQ(MinusButtonOf(l.LinesAdjusterRect).Left, c.Lines.Right + 5) << c.Width;
        EXPECT_EQ(l.LogoRect.Bottom, c.Stop.Bottom) << "the logo stands level with the Stop button";
        EXPECT_EQ(l.LogoRect.Left, (c.Left - 150) / 2);
    }
}

// Two columns of seven from the bottom up, the grid standing 20 pixels above Spin.
TEST(LayOut, OptionButtonsStandInTwoColumnsFromTheBottomUp) {
    const TWindowLayout l = LayOut(Inputs(1024, 276, 12, {472, 612}));
    EXPECT_EQ(l.OptionButtonRect(0).Bottom, l.SpinButtonRect.Top - 20);
    EXPECT_EQ(l.OptionButtonRect(0).Left, l.SpinButtonRect.Left);
    EXPECT_EQ(l.OptionButtonRect(6).Top, l.OptionButtonRect(0).Top - 6 * 20);
    EXPECT_EQ(l.OptionButtonRect(7).Left, l.SpinButtonRect.Left + 62);
    EXPECT_EQ(l.OptionButtonRect(7).Top, l.OptionButtonRect(0).Top);
    EXPECT_EQ(l.OptionButtonRect(13).Top, l.OptionButtonRect(6).Top);
}

// Guards against a window taller than its screen: KWin restored the full-height window with its
// 37-pixel title bar below the screen's edge, and a panel hid its bottom.
TEST(LayOut, TheUnmaximisedWindowFitsTheWorkAreaWithItsTitleBar) {
    struct TCase {
        int ScreenWidth, ScreenHeight, WorkWidth, WorkHeight;
        TSize Expected;
    };
    for (const TCase& c : {TCase{1920, 1080, 1920, 1080, {1910, 1040}}, TCase{1920, 1080, 1920, 1048, {1910, 1008}},
                           TCase{1024, 768, 0, 0, {1014, 728}}, TCase{1920, 1080, 1800, 1080, {1800, 1040}}}) {
        TWindowLayout l = LayOut(Inputs(c.ScreenWidth, 276, 12, {472, 612}));
        l.WindowHeight = c.ScreenHeight;
        const TSize size = NormalWindowSize(l, c.WorkWidth, c.WorkHeight);
        EXPECT_EQ(size.Width, c.Expected.Width) << c.WorkWidth;
        EXPECT_EQ(size.Height, c.Expected.Height) << c.WorkHeight;
        EXPECT_LE(size.Height + TitleBarRoom, c.WorkHeight > 0 ? c.WorkHeight : c.ScreenHeight);
    }
}

} // namespace
} // namespace zorva
