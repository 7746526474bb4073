// The panel's six labels: where each stands, and the size it fits in.
#include "mainwindow/panel.h"

#include <QFontMetrics>
#include <algorithm>

#include "mainwindow/panel_style.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

using namespace panel;

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

} // namespace zorva
