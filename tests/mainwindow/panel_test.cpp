#include <QPainter>
#include <gtest/gtest.h>

#include "mainwindow/panel.h"
#include "support/fake_host.h"

namespace zorva {
namespace {

// The panel on a screen of the given width, painted with the program folder's real artwork.
class PanelOn {
  public:
    PanelOn(int width, int height, int ppi = 96) {
        const TScreenFacts screen{width, height, 32, ppi};
        Artwork = LoadArtwork(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER), screen);
        Pictures = LoadPanelPictures(Artwork, width);
        Machine.Geometry = {width, Artwork.MachineLeft, Artwork.MachineTop, Artwork.SymbolSize};
        auto size = [](const QImage& i) { return TSize{i.width(), i.height()}; };
        Layout = LayOut({width, height, Artwork.MachineLeft, Artwork.MachineTop, size(Artwork.MachineImage),
                         size(Pictures.SpinBtn), size(Pictures.StopBtn), size(Pictures.PlusSmall),
                         size(Pictures.PlusMinus), size(Pictures.Logo), size(Pictures.Options)});
        Panel = std::make_unique<TPanel>(Layout, Artwork, Pictures, Session, Machine, ppi);
        Panel->FormPaint();
    }

    // Does the canvas at (x, y) show digit d of the strip?
    bool ShowsDigit(int x, int y, int d, bool green = false) const {
        const TDigitStrips& s = Pictures.Digits;
        const QImage& strip = green ? s.Green : s.Normal;
        return Panel->Canvas.copy(x, y, s.GlyphWidth, s.GlyphHeight) ==
               strip.copy(d * s.GlyphWidth, 0, s.GlyphWidth, s.GlyphHeight)
                   .convertToFormat(QImage::Format_RGB32);
    }
    // Where the digits of value stand whole in the row at y, scanning right of the machine; -1 if nowhere.
    int NumberAt(int32_t value, int y, bool green) const {
        const std::string digits = std::to_string(value);
        const int gw = Pictures.Digits.GlyphWidth;
        for (int x = Layout.M(); x + gw <= Canvas().width(); ++x) {
            bool whole = true;
            for (size_t i = 0; whole && i < digits.size(); ++i)
                whole = ShowsDigit(x + static_cast<int>(i) * gw, y, digits[i] - '0', green);
            if (whole)
                return x;
        }
        return -1;
    }
    const QImage& Canvas() const { return Panel->Canvas; }
    bool Black(const QRect& r) const {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (Panel->Canvas.pixelColor(x, y) != Qt::black)
                    return false;
        return true;
    }

    TGameSession Session;
    TFakeHost Host;
    TSlotMachine Machine{Session, Host};
    TArtwork Artwork;
    TPanelPictures Pictures;
    TWindowLayout Layout;
    std::unique_ptr<TPanel> Panel;
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
    EXPECT_EQ(p.Panel->Canvas.copy(190, 80, w, w), globe);
    EXPECT_TRUE(p.Black({190 - 2 * w, 80, 2 * w, w}));
    p.Session.Dollars = 0;
    p.Panel->DrawMeter(TMeter::DollarRow);
    EXPECT_TRUE(p.Black({0, 150, 6 * w, w}));

    PanelOn small(699, 480);
    EXPECT_EQ(small.Panel->Canvas.copy(125, 65, 16, 16),
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
    const QImage before = exact.Panel->Canvas;
    exact.Panel->DrawWinnings(true);
    EXPECT_EQ(exact.Panel->Canvas, before) << "a 700-pixel screen has no Winnings meter";

    PanelOn large(1024, 768);
    large.Session.SpinWinnings = 75;
    large.Panel->DrawWinnings(true);
    EXPECT_TRUE(large.ShowsDigit(large.Layout.M() + 168, 243, 7, true));
    large.Panel->DrawWinnings(false);
    EXPECT_TRUE(large.Black(large.Panel->WinningsArea()));
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
        const QImage before = p.Panel->Canvas;
        p.Panel->HatchLine(6);
        EXPECT_NE(p.Panel->Canvas, before);
        for (int wheel : Paylines[6]) {
            p.Panel->ClearWheel(wheel);
            p.Panel->DrawWheel(wheel);
        }
        EXPECT_EQ(p.Panel->Canvas, before) << width;
    }
}

} // namespace
} // namespace zorva
