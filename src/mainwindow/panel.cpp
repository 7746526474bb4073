#include "mainwindow/panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <string>

#include "art/builtin_art.h"
#include "engine/symbols.h"
#include "mainwindow/spin_log.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

constexpr int MotionStripHeight = 576;
constexpr int MysteryColumns = 9;
constexpr int WinningsNumberTop = 243; // on screens from 1000 pixels
constexpr int Margin = 4;              // between the Winnings meter's label, its number and the window's edge
constexpr int GlyphOverhang = 4;      // how far a glyph may reach past its text's box
const QColor Yellow(255, 255, 0);
const QColor Grey(128, 128, 128);
constexpr std::size_t FreeSpinsLabel = 2; // "Win 3 FREE Spins:", third of LabelPlaces()

QImage PictureOr(const QImage& replacement, const char* builtin, double ratio) {
    return replacement.isNull() ? ReadBuiltinPictureFor(builtin, ratio) : replacement;
}

QRect ToQRect(const TRect& r) {
    return {r.Left, r.Top, r.Width(), r.Height()};
}

QString WinningsLabel() {
    return QCoreApplication::translate("TPanel", "Winnings:");
}

int ByBand(TScreenBand band, int small, int medium, int large) {
    return band == TScreenBand::Small ? small : band == TScreenBand::Medium ? medium : large;
}

// Where each digit meter stands: left edge, or right edge when right-aligned, and top.
struct TMeterPlace {
    QPoint At;
    bool Green;
    bool RightAligned;
    bool ExactClear;
};

// Nothing is painted below the mystery boxes, the Stop button or the Winnings meter (which ends
// at 300): the canvas stops there, which spares a third of its memory on a wide screen.
QRect PaintedArea(const TWindowLayout& layout, const TArtwork& artwork) {
    constexpr int WinningsBottom = 300;
    const int mysteryBottom =
        layout.MachineTop + layout.Machine.Height + LogicalSize(artwork.MysteryArtwork).height() / 2;
    const int bottom = std::max({mysteryBottom, layout.StopButtonRect.Bottom, WinningsBottom});
    return {0, 0, std::max(layout.WindowWidth, 1), std::clamp(bottom, 1, std::max(layout.WindowHeight, 1))};
}

} // namespace

TPanelPictures LoadPanelPictures(const TArtwork& artwork, int screenWidth, double ratio) {
    auto picture = [&](TReplaceablePicture replaceable, const char* builtin) {
        return PictureOr(artwork.Replacement(replaceable), builtin, ratio);
    };
    TPanelPictures p;
    p.SpinBtn = picture(TReplaceablePicture::SpinBtn, art::SpinBtn.Path);
    p.StopBtn = picture(TReplaceablePicture::StopBtn, art::StopBtn.Path);
    p.Stop2 = picture(TReplaceablePicture::Stop2, art::Stop2.Path);
    p.Options = picture(TReplaceablePicture::Options, art::Options.Path);
    p.Logo = picture(TReplaceablePicture::Logo, art::Logo.Path);
    p.Bonus = picture(TReplaceablePicture::Bonus, art::Bonus.Path);
    p.Bonus16 = picture(TReplaceablePicture::Bonus16, art::Bonus16.Path);
    p.PlusSmall = ReadBuiltinPictureFor(art::PlusSmall.Path, ratio);
    p.PlusMinus = ReadBuiltinPictureFor(art::PlusMinus.Path, ratio);
    p.Digits = DigitStripsFor(screenWidth, ratio);
    return p;
}

TPanel::TPanel(const TWindowLayout& layout, const TArtwork& artwork, const TPanelPictures& pictures,
               const TGameSession& session, const TSlotMachine& machine, int pixelsPerInch, double ratio)
    // Point sizes on the canvas follow the screen's pixels per inch, as the window's fonts do.
    : Canvas(PaintedArea(layout, artwork).size(), ratio, PaintedTextDotsPerMeter(pixelsPerInch)), Ratio(ratio), Layout(layout), Artwork(artwork), Pictures(pictures), Session(session), Machine(machine),
      PixelsPerInch(pixelsPerInch) {}

QRect TPanel::DesignRect() const {
    return PaintedArea(Layout, Artwork);
}

void TPanel::CopyTo(QPainter& painter, const QRect& rect) const {
    Canvas.CopyTo(painter, rect);
}

// Reported widened to whole device pixels: at 1.5 a rectangle's edge may cut a device pixel in
// two, and a repaint of only its inner part would leave a stale line beside it.
void TPanel::Touched(const QRect& rect) {
    if (Changed && !rect.isEmpty())
        Changed(DeviceAligned(rect, Ratio));
}

void TPanel::Copy(const QImage& source, const QRect& from, const QPoint& to) {
    if (source.isNull())
        return;
    Canvas.Paint(QRect(to, from.size()), [&](QPainter& painter) { DrawPicturePart(painter, to, source, from); });
    Touched(QRect(to, from.size()));
}

void TPanel::FormPaint() {
    Canvas.FillBlack();
    const QImage& face = Artwork.MachineImage;
    Copy(face, QRect(QPoint(), LogicalSize(face)), QPoint(Layout.MachineLeft, Layout.MachineTop));
    for (int w = 0; w < WheelCount; ++w)
        DrawWheel(w);
    const QRect button(QPoint(), LogicalSize(Pictures.SpinBtn));
    Copy(Pictures.StopBtn, button, ToQRect(Layout.StopButtonRect).topLeft());
    Copy(Pictures.SpinBtn, button, ToQRect(Layout.SpinButtonRect).topLeft());
    DrawLabels();
    for (TMeter meter : {TMeter::Credits, TMeter::CoinsPerLine, TMeter::LinesPlayed, TMeter::BonusPool,
                         TMeter::GlobeRow, TMeter::DollarRow})
        DrawMeter(meter);
    DrawAdjusters();
    DrawMeter(TMeter::CoinsPlayed);
    DrawWinnings(true);
    for (int box = 0; box < MysteryBoxCount; ++box)
        DrawMysteryBox(box);
    Touched(DesignRect());
}

std::vector<TPanel::TLabelPlace> TPanel::LabelPlaces() const {
    const TScreenBand band = Layout.Band;
    const bool largeFonts = PixelsPerInch > 100;
    const int m = Layout.M();
    const int gw = Pictures.Digits.GlyphWidth;
    const double size = ByBand(band, 8, 12, 14);
    const double rightSize = band == TScreenBand::Small ? 8 : largeFonts ? size - 2 : size;
    const int coinsX = m + ByBand(band, 89, 145, 130);
    // Coins Played's meter wipes one glyph left of its two digits; the label stops short of that.
    const int playedMeterLeft = m + ByBand(band, 140, 195, 227) - 3 * gw;
    const int leftMargin = Layout.MachineLeft - 4;
    // "Bonus Pool:" shares its line with the globe row, which fills leftwards from its last slot.
    const int globeIcon = LogicalSize(Layout.ScreenWidth < 700 ? Pictures.Bonus16 : Pictures.Bonus).width();
    const int globeRowLeft = ByBand(band, 125, 190, 200) - 2 * globeIcon;

    struct TRow {
        const char* Text;
        int X, Y;
        double Points;
        int Limit; // the label may reach up to here and no further
    };
    const TRow rows[] = {
        {QT_TRANSLATE_NOOP("TPanel", "Credits:"), 10, ByBand(band, 10, 10, 5), size, leftMargin},
        {QT_TRANSLATE_NOOP("TPanel", "Bonus Pool:"), 10, ByBand(band, 60, 70, 100), size,
         std::min(leftMargin, globeRowLeft - 4)},
        {QT_TRANSLATE_NOOP("TPanel", "Win 3 FREE Spins:"), 10, ByBand(band, 124, 128, 200), size, leftMargin},
        {QT_TRANSLATE_NOOP("TPanel", "Lines Played:"), m + ByBand(band, 10, 20, 5), 5, rightSize, coinsX - 6},
        {QT_TRANSLATE_NOOP("TPanel", "Coins/Line:"), coinsX, 5, rightSize, Layout.WindowWidth - 4},
        {QT_TRANSLATE_NOOP("TPanel", "Coins Played:"), m + ByBand(band, 15, 40, 15),
         ByBand(band, 70, 80, 150), size, playedMeterLeft - 4},
    };
    std::vector<double> points;
    for (const TRow& row : rows)
        points.push_back(FittingPointSize(tr(row.Text), row.Points, row.Limit - row.X, Canvas.TextDevice()));
    // "Lines Played:" and "Coins/Line:" head one row of meters: when one must step down to fit, so
    // does the other, or the row reads as two sizes.
    constexpr std::size_t LinesPlayedRow = 3;
    constexpr std::size_t CoinsPerLineRow = 4;
    points[LinesPlayedRow] = points[CoinsPerLineRow] = std::min(points[LinesPlayedRow], points[CoinsPerLineRow]);
    std::vector<TLabelPlace> places;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const TRow& row = rows[i];
        const QString text = tr(row.Text);
        const QFontMetrics metrics(GameFont(points[i]), &Canvas.TextDevice());
        places.push_back({text, QRect(row.X, row.Y, metrics.horizontalAdvance(text), metrics.height()),
                          points[i], row.Limit});
    }
    return places;
}

void TPanel::DrawLabels() {
    for (const TLabelPlace& label : LabelPlaces())
        WriteText(label.Box, label.Text, GameFont(label.PointSize), Yellow, Qt::AlignLeft | Qt::AlignTop);
}

// Text with the few pixels its glyphs may reach past their advance included in what is painted.
void TPanel::WriteText(const QRect& box, const QString& text, const QFont& font, const QColor& colour,
                       Qt::Alignment alignment) {
    Canvas.Paint(box.adjusted(-GlyphOverhang, -GlyphOverhang, GlyphOverhang, GlyphOverhang), [&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, alignment | Qt::TextDontClip, text);
    });
}

// A number in digit sprites (see DrawNumber); nothing is painted over spared.
void TPanel::WriteNumber(int32_t value, const QPoint& at, bool green, bool rightAligned, bool exactClear,
                         const QRect& spared) {
    const QRect area = NumberArea(Pictures.Digits, value, at.x(), at.y(), rightAligned, exactClear);
    Canvas.Paint(area, [&](QPainter& painter) {
        if (!spared.isEmpty())
            painter.setClipRegion(QRegion(area).subtracted(spared));
        DrawNumber(painter, Pictures.Digits, value, at.x(), at.y(), green, rightAligned, exactClear);
    });
    Touched(area);
}

void TPanel::DrawWheel(int wheel) {
    const int s = Layout.Geometry.SymbolSize;
    const int code = Machine.SymbolAt(wheel);
    const TRect cell = WheelCell(Layout.Geometry, wheel);
    Copy(Artwork.SymbolSheet, QRect((code % 4) * s, (code / 4) * s, s, s), QPoint(cell.Left, cell.Top));
}

void TPanel::ClearWheel(int wheel) {
    const QRect r = ToQRect(ClearingRect(Layout.Geometry, wheel));
    Canvas.Paint(r, [&](QPainter& painter) { painter.fillRect(r, Qt::white); });
    Touched(r);
}

// The strip wraps: a slice running past its end goes on from its top.
void TPanel::DrawBlur(int wheel, int offset) {
    const TRect window = WheelWindow(Layout.Geometry, wheel);
    const int s = Layout.Geometry.SymbolSize;
    const int height = window.Height();
    const int first = std::min(height, MotionStripHeight - offset);
    Copy(Artwork.MotionStrip, QRect(0, offset, s, first), QPoint(window.Left, window.Top));
    if (first < height)
        Copy(Artwork.MotionStrip, QRect(0, 0, s, height - first), QPoint(window.Left, window.Top + first));
}

void TPanel::CaptureBounce(int wheel) {
    Captures[wheel] = Canvas.Copy(DevicePixelsOf(ToQRect(BounceCapture(Layout.Geometry, wheel)), Ratio));
    Captures[wheel].setDevicePixelRatio(Ratio);
}

void TPanel::DrawBounce(int wheel, int shift) {
    const TRect r = BounceCapture(Layout.Geometry, wheel);
    Copy(Captures[wheel], QRect(0, 0, r.Width(), r.Height()), QPoint(r.Left, r.Top + shift));
}

// Red cross-hatching over the line's three windows; the symbols show through. The hatching
// stays inside what clearing the wheel repaints, or the line would leave a red edge behind.
void TPanel::HatchLine(int lineIndex) {
    for (int wheel : Paylines[lineIndex]) {
        const QRect r = ToQRect(HighlightBox(Layout.Geometry, wheel));
        const QRect clearing = ToQRect(ClearingRect(Layout.Geometry, wheel));
        Canvas.Paint(r & clearing, [&](QPainter& painter) {
            painter.setPen(QColor(255, 0, 0));
            painter.setBrush(QBrush(QColor(255, 0, 0), Qt::DiagCrossPattern));
            painter.setClipRect(clearing);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        });
        Touched(r);
    }
}

void TPanel::DrawMeter(TMeter meter) {
    if (meter == TMeter::GlobeRow || meter == TMeter::DollarRow)
        DrawIconRow(meter == TMeter::GlobeRow);
    else
        DrawNumberMeter(meter);
}

void TPanel::DrawNumberMeter(TMeter meter) {
    const TScreenBand b = Layout.Band;
    const int m = Layout.M();
    TMeterPlace place{};
    int32_t value = 0;
    switch (meter) {
    case TMeter::Credits:
        place = {{ByBand(b, 10, 10, 5), 30}, false, false, false};
        value = Session.Credits;
        break;
    case TMeter::BonusPool:
        place = {{ByBand(b, 5, 10, 5), ByBand(b, 80, 90, 125)}, true, false, false};
        value = Session.BonusPool;
        break;
    case TMeter::LinesPlayed:
        place = {{m + ByBand(b, 10, 20, 5), 30}, true, false, true};
        value = Session.LinesPlayed;
        break;
    case TMeter::CoinsPerLine:
        place = {{m + ByBand(b, 85, 145, 130), 30}, true, false, true};
        value = Session.CoinsPerLine;
        break;
    case TMeter::CoinsPlayed:
        place = {{m + ByBand(b, 140, 195, 227), ByBand(b, 65, 78, 140)}, false, true, false};
        value = Session.Bet();
        break;
    case TMeter::GlobeRow:
    case TMeter::DollarRow:
        return;
    }
    if (meter == TMeter::Credits)
        qCDebug(SpinLog, "credits %d", value);
    // On wide screens the pool's clearing glyph reaches under the leftmost globe; the globes keep
    // their place, as the full repaint, which draws them after the pool, shows them.
    WriteNumber(value, place.At, place.Green, place.RightAligned, place.ExactClear,
                meter == TMeter::BonusPool ? GlobeRowArea() : QRect());
}

QRect TPanel::GlobeRowArea() const {
    const QImage& icons = Layout.ScreenWidth < 700 ? Pictures.Bonus16 : Pictures.Bonus;
    const int w = LogicalSize(icons).width();
    const TScreenBand b = Layout.Band;
    return {ByBand(b, 125, 190, 200) - 2 * w, ByBand(b, 65, 80, 100), 3 * w, LogicalSize(icons).height() / 2};
}

// Globes fill their three slots from the right, dollars their six from the left.
void TPanel::DrawIconRow(bool globes) {
    const QImage& icons = Layout.ScreenWidth < 700 ? Pictures.Bonus16 : Pictures.Bonus;
    const int w = LogicalSize(icons).width();
    const int h = LogicalSize(icons).height() / 2;
    const TScreenBand b = Layout.Band;
    const int slotCount = globes ? 3 : 6;
    const int filled = globes ? Session.Globes : Session.Dollars;
    const QPoint first = globes ? QPoint(ByBand(b, 125, 190, 200), ByBand(b, 65, 80, 100))
                                : QPoint(ByBand(b, 10, 0, 0), ByBand(b, 140, 150, 230));
    const int step = globes ? -w : w;
    for (int k = 1; k <= slotCount; ++k) {
        const QRect slot(first.x() + (k - 1) * step, first.y(), w, h);
        if (k <= filled) {
            Copy(icons, QRect(0, globes ? 0 : h, w, h), slot.topLeft());
        } else {
            Canvas.FillBlack(slot);
            Touched(slot);
        }
    }
}

void TPanel::DrawAdjusters() {
    const QImage& picture = Layout.ScreenWidth < 1000 ? Pictures.PlusSmall : Pictures.PlusMinus;
    const int hw = Layout.LinesAdjusterRect.Width();
    const int h = LogicalSize(picture).height();
    for (const TRect& plus : {Layout.LinesAdjusterRect, Layout.CoinsAdjusterRect}) {
        Copy(picture, QRect(0, 0, hw, h), QPoint(plus.Left, plus.Top));
        const TRect minus = MinusButtonOf(plus);
        Copy(picture, QRect(hw, 0, hw, h), QPoint(minus.Left, minus.Top));
    }
}

QRect TPanel::WinningsArea() const {
    const int sw = Layout.ScreenWidth;
    if (sw <= 700)
        return {};
    if (sw < 1000) {
        // Label and number stand above the machine face; blank down to its top edge.
        return QRect(Layout.MachineLeft, 0, 300, std::max(Layout.MachineTop, 44));
    }
    // Down from where a label raised over a long number stands.
    const int top = std::min(240, WinningsLabelBox(true).top());
    return QRect(QPoint(Layout.M() + 1, top), QPoint(Layout.WindowWidth - 1, 299));
}

// The number's left edge on wide screens: at M + 168, or, where that would run off the window
// (screens of 1000 to about 1060 pixels), ending just inside the window's right edge.
int TPanel::WinningsNumberLeft() const {
    const int width = NumberWidth(Pictures.Digits, Session.SpinWinnings);
    return std::max(Layout.M() + 1, std::min(Layout.M() + 168, Layout.WindowWidth - Margin - width));
}

// Left of the number, or raised to stand over it.
QRect TPanel::WinningsLabelBox(bool raised) const {
    const QFontMetrics metrics(GameFont(14), &Canvas.TextDevice());
    QRect box(Layout.M() + 15, 250, metrics.horizontalAdvance(WinningsLabel()), metrics.height());
    if (raised)
        box.moveBottom(WinningsNumberTop - 1);
    return box;
}

void TPanel::DrawWinnings(bool show) {
    const int sw = Layout.ScreenWidth;
    if (sw <= 700)
        return;
    const QRect area = WinningsArea();
    qCDebug(SpinLog, "winnings %d", show ? Session.SpinWinnings : 0);
    if (!show || Session.SpinWinnings == 0) {
        Canvas.FillBlack(area);
        Touched(area);
        return;
    }
    const QString label = WinningsLabel();
    if (sw < 1000) {
        const QFontMetrics metrics(GameFont(12), &Canvas.TextDevice());
        const QRect box(Layout.MachineLeft, 5, metrics.horizontalAdvance(label), metrics.height());
        WriteText(box, label, GameFont(12), Yellow, Qt::AlignLeft | Qt::AlignTop);
        Touched(box);
        WriteNumber(Session.SpinWinnings, QPoint(box.right() + 1, 5 + metrics.height()), true, true, true);
        return;
    }
    // A growing amount may move the number left and the label up: nothing of the last one may stay.
    Canvas.FillBlack(area);
    Touched(area);
    const int numberLeft = WinningsNumberLeft();
    // Where the number, moved in from the window's edge, would reach the label, the label stands over it.
    QRect box = WinningsLabelBox(false);
    if (box.right() + Margin >= numberLeft)
        box = WinningsLabelBox(true);
    WriteText(box, label, GameFont(14), Yellow, Qt::AlignLeft | Qt::AlignTop);
    Touched(box);
    WriteNumber(Session.SpinWinnings, QPoint(numberLeft, WinningsNumberTop), true, false, true);
}

QRect TPanel::MysteryBoxRect(int box) const {
    const int w = LogicalSize(Artwork.MysteryArtwork).width() / MysteryColumns;
    const int h = LogicalSize(Artwork.MysteryArtwork).height() / 2;
    const int left = Layout.MachineLeft + 2 + box * w + (Layout.ScreenWidth < 1000 ? 20 : 0);
    return {left, Layout.MachineTop + Layout.Machine.Height, w, h};
}

void TPanel::DrawMysteryBox(int box) {
    const QRect place = MysteryBoxRect(box);
    const int half = Machine.MysteryLit[box] ? 0 : place.height();
    Copy(Artwork.MysteryArtwork, QRect(box * place.width(), half, place.width(), place.height()),
         place.topLeft());
}

// The plain box, lit or not as it was, with its prize written across it.
void TPanel::DrawMysteryPrize(int box, bool chosen) {
    const QRect place = MysteryBoxRect(box);
    const int half = Machine.MysteryLit[box] ? 0 : place.height();
    Copy(Artwork.MysteryArtwork, QRect(8 * place.width(), half, place.width(), place.height()),
         place.topLeft());
    const int sw = Layout.ScreenWidth;
    WriteText(place, QString::number(Machine.MysteryPrizes[box]), GameFont(sw <= 750 ? 8 : sw < 1000 ? 10 : 14, true),
              chosen ? QColor(Qt::white) : Grey, Qt::AlignCenter);
}

void TPanel::DrawStopButton(bool dark) {
    const QRect source(QPoint(), LogicalSize(Pictures.SpinBtn));
    Copy(dark ? Pictures.Stop2 : Pictures.StopBtn, source, ToQRect(Layout.StopButtonRect).topLeft());
}

// Written over the "Win 3 FREE Spins:" label on an opaque black ground.
void TPanel::DrawFreeSpinsCount(bool red) {
    const int sw = Layout.ScreenWidth;
    const QPoint at = sw < 700 ? QPoint(10, 124) : sw < 1000 ? QPoint(10, 128) : QPoint(10, 200);
    const QString text = tr("FREE Spins:  %1          ").arg(Session.FreeSpinsLeft);
    const QFont font = GameFont(sw < 700 ? 8 : sw < 1000 ? 12 : 14);
    const QFontMetrics metrics(font, &Canvas.TextDevice());
    const QRect box(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    // A translated label may run longer than the count written over it: none of it may show.
    const QRect covered = box.united(LabelPlaces()[FreeSpinsLabel].Box);
    Canvas.FillBlack(covered);
    WriteText(box, text, font, red ? QColor(255, 0, 0) : Yellow, Qt::AlignLeft | Qt::AlignTop);
    Touched(covered);
}

// Only the layout of medium screens shows a Winnings text above the machine.
void TPanel::ClearWinningsText() {
    if (!HasWinningsText(Layout.Geometry))
        return;
    const QRect r = ToQRect(WinningsTextRect(Layout.Geometry));
    Canvas.FillBlack(r);
    Touched(r);
}

} // namespace zorva
