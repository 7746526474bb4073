#include <QPainter>
#include <QRegion>
#include <QtMath>
#include <gtest/gtest.h>

#include "mainwindow/machine_face.h"
#include "platform/picture_file.h"
#include "platform/sharp_pictures.h"
#include "support/fake_host.h"

namespace zorva {
namespace {

// The panel on a screen of the given width, painted with the program folder's real artwork.
class PanelOn : public TMachineFace {
  public:
    PanelOn(int width, int height, int ppi = 96, double ratio = 1.0) {
        const TScreenFacts screen{width, height, 32, ppi, ratio};
        Assemble(LoadArtwork(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER), screen), screen, Session, Machine);
        Panel->Changed = [this](const QRect& rect) { Repainted += rect; };
        Panel->FormPaint();
    }

    // Does the canvas at (x, y) show digit d of the strip?
    bool ShowsDigit(int x, int y, int d, bool green = false) const {
        const TDigitStrips& s = Pictures.Digits;
        const QImage& strip = green ? s.Green : s.Normal;
        return Panel->Canvas.Copy(QRect(x, y, s.GlyphWidth, s.GlyphHeight)) ==
               strip.copy(d * s.GlyphWidth, 0, s.GlyphWidth, s.GlyphHeight)
                   .convertToFormat(QImage::Format_RGB32);
    }
    // Where the digits of value stand whole in the row at y, scanning right of the machine; -1 if nowhere.
    int NumberAt(int32_t value, int y, bool green) const {
        const std::string digits = std::to_string(value);
        const int gw = Pictures.Digits.GlyphWidth;
        for (int x = Layout.M(); x + gw <= Panel->Canvas.DeviceRect().width(); ++x) {
            bool whole = true;
            for (size_t i = 0; whole && i < digits.size(); ++i)
                whole = ShowsDigit(x + static_cast<int>(i) * gw, y, digits[i] - '0', green);
            if (whole)
                return x;
        }
        return -1;
    }
    QImage Canvas() const { return Panel->Canvas.ToImage(); }
    bool Black(const QRect& r) const {
        const QImage canvas = Canvas();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (canvas.pixelColor(x, y) != Qt::black)
                    return false;
        return true;
    }

    TGameSession Session;
    TFakeHost Host;
    TSlotMachine Machine{Session, Host};
    QRegion Repainted;
};

// What the player reads off the meters must be the value, with no stale digit beside it.
TEST(Panel, MetersShowTheirValuesWithNoStaleDigits) {
    PanelOn p(640, 480);
    p.Session.Credits = 1000;
    p.Panel->DrawMeter(TMeter::Credits);
    EXPECT_TRUE(p.ShowsDigit(10, 30, 1));
    EXPECT_TRUE(p.ShowsDigit(10 + 3 * 16, 30, 0));
    EXPECT_TRUE(p.Black({10 + 4 * 16, 30, 16, 21})) << "the cell right of the number is blanked";

    const int right = p.Layout.M() + 140;
    p.Session.CoinsPerLine = 2;
    p.Panel->DrawMeter(TMeter::CoinsPlayed);
    EXPECT_TRUE(p.ShowsDigit(right - 32, 65, 1));
    EXPECT_TRUE(p.ShowsDigit(right - 16, 65, 6));
    p.Session.LinesPlayed = 7;
    p.Panel->DrawMeter(TMeter::CoinsPlayed);
    EXPECT_TRUE(p.ShowsDigit(right - 32, 65, 1));
    EXPECT_TRUE(p.ShowsDigit(right - 16, 65, 4));
    p.Session.LinesPlayed = 8;
    p.Session.CoinsPerLine = 1;
    p.Panel->DrawMeter(TMeter::CoinsPlayed);
    EXPECT_TRUE(p.Black({right - 32, 65, 16, 21})) << "the old leading 1 is gone";
    EXPECT_TRUE(p.ShowsDigit(right - 16, 65, 8));

    p.Session.LinesPlayed = 5;
    p.Panel->DrawMeter(TMeter::LinesPlayed);
    EXPECT_TRUE(p.ShowsDigit(p.Layout.M() + 10, 30, 5, true));
}

// The rows fill from their own ends: one globe stands rightmost, no dollars leave six black slots.
TEST(Panel, GlobeAndDollarRows) {
    PanelOn p(800, 600);
    const QImage& icons = p.Pictures.Bonus;
    const int w = icons.width();
    const QImage globe = icons.copy(0, 0, w, w).convertToFormat(QImage::Format_RGB32);
    p.Session.Globes = 1;
    p.Panel->DrawMeter(TMeter::GlobeRow);
    EXPECT_EQ(p.Panel->Canvas.Copy(QRect(190, 80, w, w)), globe);
    EXPECT_TRUE(p.Black({190 - 2 * w, 80, 2 * w, w}));
    p.Session.Dollars = 0;
    p.Panel->DrawMeter(TMeter::DollarRow);
    EXPECT_TRUE(p.Black({0, 150, 6 * w, w}));

    PanelOn small(699, 480);
    EXPECT_EQ(small.Panel->Canvas.Copy(QRect(125, 65, 16, 16)),
              small.Pictures.Bonus16.copy(0, 0, 16, 16).convertToFormat(QImage::Format_RGB32))
        << "below 700 pixels the small icons";
}

// Labels written in a wider face than the design's must still not run into each other, into
// a meter or off the window, on any screen or with large system fonts.
TEST(Panel, LabelsFitBesideEachOtherOnEveryScreen) {
    for (auto [width, ppi] : {std::pair{640, 96},
                              {699, 96},
                              {800, 96},
                              {800, 120},
                              {999, 96},
                              {1024, 96},
                              {1024, 120},
                              {1920, 96}}) {
        PanelOn p(width, 768, ppi);
        const auto labels = p.Panel->LabelPlaces();
        ASSERT_EQ(labels.size(), 6u);
        for (size_t i = 0; i < labels.size(); ++i) {
            const QRect& a = labels[i].Box;
            EXPECT_LE(a.right(), p.Layout.WindowWidth - 1) << labels[i].Text.toStdString() << " at " << width;
            EXPECT_GE(labels[i].PointSize, 6.0);
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(a.intersects(labels[j].Box)) << labels[i].Text.toStdString() << " / "
                                                          << labels[j].Text.toStdString() << " at " << width;
        }
        EXPECT_EQ(labels[3].PointSize, labels[4].PointSize) << "Lines Played: and Coins/Line: share a size at " << width;
        const QRect played = labels[5].Box;
        const int meterLeft = p.Layout.M() +
                              (width < 700    ? 140
                               : width < 1000 ? 195
                                              : 227) -
                              3 * p.Pictures.Digits.GlyphWidth;
        EXPECT_LT(played.right(), meterLeft) << "Coins Played: stays clear of its meter at " << width;
        EXPECT_LT(labels[2].Box.right(), p.Layout.MachineLeft) << "left labels stay left of the machine";
        const int icon = (width < 700 ? p.Pictures.Bonus16 : p.Pictures.Bonus).width();
        const int globeRight = width < 700 ? 125 : width < 1000 ? 190 : 200;
        EXPECT_LT(labels[1].Box.right(), globeRight - 2 * icon)
            << "Bonus Pool: stays clear of the globes at " << width;
    }
}

// On medium screens the Winnings meter stands above the machine; blanking it must wipe all of it.
TEST(Panel, WinningsMeterBlanksWhereItPaints) {
    PanelOn p(800, 600);
    p.Session.SpinWinnings = 1234;
    p.Panel->DrawWinnings(true);
    const QRect area = p.Panel->WinningsArea();
    EXPECT_FALSE(p.Black(area));
    p.Panel->DrawWinnings(false);
    EXPECT_TRUE(p.Black(area));
    EXPECT_TRUE(p.Black({p.Layout.MachineLeft, 0, 300, p.Layout.MachineTop}))
        << "nothing left above the face";

    PanelOn exact(700, 600);
    exact.Session.SpinWinnings = 50;
    const QImage before = exact.Canvas();
    exact.Panel->DrawWinnings(true);
    EXPECT_EQ(exact.Canvas(), before) << "a 700-pixel screen has no Winnings meter";

    PanelOn large(1024, 768);
    large.Session.SpinWinnings = 75;
    large.Panel->DrawWinnings(true);
    EXPECT_TRUE(large.ShowsDigit(large.Layout.M() + 168, 243, 7, true));
    large.Panel->DrawWinnings(false);
    EXPECT_TRUE(large.Black(large.Panel->WinningsArea()));

    // A spin wipes the text above the machine of the medium layout only; elsewhere nothing is touched.
    p.Panel->DrawWinnings(true);
    p.Panel->ClearWinningsText();
    EXPECT_TRUE(p.Black({p.Layout.MachineLeft, 0, 300, 44}));
    large.Repainted = QRegion();
    large.Panel->ClearWinningsText();
    EXPECT_TRUE(large.Repainted.isEmpty());
}

// From 1000 to about 1060 pixels the Winnings meter's designed place runs off the window, and
// "1200" showed as "120". Every digit must show, the label whole beside or over it, and blanking
// must leave the panel as it was; a wide screen keeps the designed place.
TEST(Panel, WinningsMeterShowsWholeInsideTheWindow) {
    const auto yellowish = [](const QImage& canvas, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = canvas.pixelColor(x, y);
                count += c.red() > 128 && c.green() > 128 && c.blue() < 96 ? 1 : 0;
            }
        return count;
    };
    for (int width : {1000, 1024, 1060, 1920}) {
        PanelOn p(width, 768);
        const QImage before = p.Canvas();
        const QRect area = p.Panel->WinningsArea();
        p.Session.SpinWinnings = 7;
        p.Panel->DrawWinnings(true);
        const int label = yellowish(p.Canvas(), area);
        EXPECT_GT(label, 0);
        // Growing as line after line pays, with no blanking between.
        for (int32_t amount : {1200, 98765, 1234567}) {
            p.Session.SpinWinnings = amount;
            p.Panel->DrawWinnings(true);
            const int x = p.NumberAt(amount, 243, true);
            EXPECT_GE(x, 0) << amount << " whole at " << width;
            if (width == 1920) {
                EXPECT_EQ(x, p.Layout.M() + 168);
            }
            EXPECT_EQ(yellowish(p.Canvas(), area), label) << "one label, whole, with " << amount << " at " << width;
        }
        p.Panel->DrawWinnings(false);
        EXPECT_EQ(p.Canvas(), before) << "blanking leaves nothing behind at " << width;
    }
}

// The Bonus Pool meter wipes a glyph more than its digits; on wide screens that glyph lies under
// the leftmost globe, which must stay whole.
TEST(Panel, BonusPoolLeavesTheGlobesWhole) {
    for (int width : {640, 800, 1024, 1920}) {
        PanelOn p(width, 768);
        const QRect globes = width < 700    ? QRect(93, 65, 48, 16)
                             : width < 1000 ? QRect(126, 80, 96, 32)
                                            : QRect(136, 100, 96, 32);
        p.Session.Globes = 3;
        p.Panel->DrawMeter(TMeter::GlobeRow);
        const QImage row = p.Canvas().copy(globes);
        ASSERT_FALSE(p.Black(globes)) << "three globes to guard";
        for (int32_t pool : {1234, 98765, 1234567}) {
            p.Session.BonusPool = pool;
            p.Panel->DrawMeter(TMeter::BonusPool);
            EXPECT_EQ(p.Canvas().copy(globes), row) << pool << " at " << width;
        }
    }
}

// A flashing line is hatched and then repainted plainly: not a red pixel may stay behind.
TEST(Panel, AFlashedLineLeavesNoRedBehind) {
    for (int width : {800, 1024}) {
        PanelOn p(width, 768);
        const QImage before = p.Canvas();
        p.Panel->HatchLine(6);
        EXPECT_NE(p.Canvas(), before);
        for (int wheel : Paylines[6]) {
            p.Panel->ClearWheel(wheel);
            p.Panel->DrawWheel(wheel);
        }
        EXPECT_EQ(p.Canvas(), before) << width;
    }
}

// At 150 % and 200 % the canvas holds the screen's own pixels: a canvas of logical pixels would be
// blown up by the window system and every edge and letter would come out coarse.
TEST(Panel, TheCanvasHoldsTheScreensDevicePixels) {
    for (const double ratio : {1.0, 1.5, 2.0}) {
        PanelOn p(1920, 1080, 96, ratio);
        // 1910 wide; down to the mystery boxes' bottom edge, 12 + 612 + 56.
        EXPECT_EQ(p.Panel->DesignRect(), QRect(0, 0, 1910, 680)) << "the layout stays in logical pixels";
        EXPECT_EQ(p.Panel->Canvas.DeviceRect().size(), QSize(qCeil(1910 * ratio), qCeil(680 * ratio))) << ratio;
        EXPECT_EQ(p.Panel->Canvas.Ratio(), ratio);
    }
}

// A wheel at 200 % is the symbol from the art baked at twice the size, pixel for pixel, not the
// 1× symbol doubled.
TEST(Panel, PicturesAtTwiceTheRatioComeFromTheTwiceSizedArt) {
    PanelOn single(1920, 1080, 96, 1.0);
    PanelOn twice(1920, 1080, 96, 2.0);
    const TRect cell = WheelCell(single.Layout.Geometry, 4);
    const int code = single.Machine.SymbolAt(4);
    const QImage one = single.Panel->Canvas.Copy(QRect(cell.Left, cell.Top, 96, 96));
    const QImage two = twice.Panel->Canvas.Copy(QRect(2 * cell.Left, 2 * cell.Top, 192, 192));
    const QImage sheet = ReadPicture(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/Zorva96@2x.png"), "PNG");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(two,
              sheet.copy((code % 4) * 192, (code / 4) * 192, 192, 192).convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(two, one.scaled(192, 192).convertToFormat(QImage::Format_RGB32))
        << "only the 1× symbol, doubled";

    // The digits too: a glyph of the credits meter is the twin strip's.
    const QImage glyph = twice.Panel->Canvas.Copy(QRect(2 * 5, 2 * 30, 64, 84));
    const QImage strip = ReadBuiltinPicture(":/art/DigitsLarge@2x.png");
    const int digit = QString::number(twice.Session.Credits).front().digitValue();
    EXPECT_EQ(glyph, strip.copy(digit * 64, 0, 64, 84).convertToFormat(QImage::Format_RGB32));
}

// At 150 % a meter's rectangle may end in the middle of a device pixel. Whatever the meter changes
// must lie inside what it reports for repainting, widened to whole device pixels, and nothing
// around it may change: otherwise a seam or a stale line is left on the screen.
TEST(Panel, AMeterChangedAtAFractionalRatioRepaintsWholeDevicePixelsAndNothingElse) {
    PanelOn p(1920, 1080, 96, 1.5);
    for (const int32_t credits : {7, 123456, 99}) {
        const QImage before = p.Canvas();
        p.Repainted = QRegion();
        p.Session.Credits = credits;
        p.Panel->DrawMeter(TMeter::Credits);
        QRegion device;
        for (const QRect& r : p.Repainted) {
            EXPECT_EQ(DeviceAligned(r, 1.5), r) << "a reported rectangle cuts a device pixel";
            device += DevicePixelsOf(r, 1.5);
        }
        const QImage after = p.Canvas();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(device.contains(QPoint(x, y)))
                        << "changed outside the repaint at " << x << "," << y;
                }
        EXPECT_GT(changed, 0) << credits;
    }
}

} // namespace
} // namespace zorva
