#include "paychart.h"

#include "paint_kit.h"
#include "paychart_texts.h"
#include "symbol_art.h"

#include "engine/bonus_rules.h"
#include "engine/payoff_table.h"
#include "engine/symbols.h"

#include <QLocale>
#include <QPainter>

#include <map>

namespace zorva::bake {

namespace {

const QColor Text(0xf4, 0xf0, 0xff);
const QColor Heading(0xff, 0xd2, 0x3a);

class TChartPainter {
  public:
    TChartPainter(QPainter& p, const QString& svgFolder) : P(p), SvgFolder(svgFolder) {}

    const QImage& Icon(int code) {
        auto it = Icons.find(code);
        if (it == Icons.end())
            it = Icons.emplace(code, SymbolIcon(SvgFolder, code, IconSize)).first;
        return it->second;
    }

    void Panel(const QRectF& r, const QString& title) {
        P.setPen(QPen(palette::Gold, 1.2));
        P.setBrush(VerticalGradient(r, QColor(0x22, 0x10, 0x52, 230), QColor(0x0c, 0x05, 0x24, 230)));
        P.drawRoundedRect(r, 6, 6);
        P.setFont(ArtFont(12));
        P.setPen(Heading);
        P.drawText(QRectF(r.left(), r.top() + 3, r.width(), 16), Qt::AlignCenter, title);
    }

    // Three icons and the amount per coin, one payoff rule to a row.
    void RuleRow(qreal x, qreal y, qreal width, const std::array<int, 3>& codes, const QString& note,
                 int perCoin) {
        for (int i = 0; i < 3; ++i)
            P.drawImage(QPointF(x + i * (IconSize + 2), y), Icon(codes[i]));
        P.setFont(ArtFont(10, false));
        P.setPen(QColor(0xc8, 0xc0, 0xe8));
        P.drawText(QRectF(x + 3 * (IconSize + 2) + 4, y, width, IconSize), Qt::AlignVCenter | Qt::AlignLeft,
                   note);
        P.setFont(ArtFont(14));
        P.setPen(Heading);
        P.drawText(QRectF(x, y, width, IconSize), Qt::AlignVCenter | Qt::AlignRight,
                   QString::number(perCoin));
    }

    void Paragraph(const QRectF& r, const QString& title, const QString& body) {
        P.setFont(ArtFont(10));
        P.setPen(Heading);
        const QFontMetricsF fm(P.font());
        P.drawText(r.topLeft() + QPointF(0, fm.ascent()), title);
        const qreal indent = fm.horizontalAdvance(title + " ");
        P.setFont(ArtFont(10, false));
        P.setPen(Text);
        P.drawText(r.adjusted(indent, 0, 0, 0), Qt::TextWordWrap, body);
    }

    static constexpr int IconSize = 22;

  private:
    QPainter& P;
    QString SvgFolder;
    std::map<int, QImage> Icons;
};

// English keeps the plain C form; other languages write the decimal point their own way.
QString Return(int64_t sum, const QLocale& locale) {
    return locale.toString(double(sum) / double(StopCombinationsPerLine), 'f', 4);
}

} // namespace

QImage PayoffChart(const QString& svgFolder, int width, int height, const TPaychartTexts& texts) {
    const QLocale locale = texts.Language.isEmpty() ? QLocale::c() : QLocale(texts.Language);
    QImage chart = NewCanvas(width, height, Qt::black);
    QPainter p(&chart);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, width, height);
    p.setPen(QPen(palette::Gold, 2));
    p.setBrush(VerticalGradient(all, palette::CabinetTop, palette::CabinetBottom));
    p.drawRect(all.adjusted(1, 1, -1, -1));
    PaintEmbossedText(p, QRectF(0, 4, width, 28), texts.Title, ArtFont(22), palette::Gold,
                      QColor(0x40, 0x10, 0x00), 1.2);

    TChartPainter painter(p, svgFolder);
    constexpr int row = TChartPainter::IconSize + 2;

    // Normal spins: three wilds first, then the rules in the order they are tried.
    const QRectF normal(8, 38, 300, 26 + row * (1 + int(NormalPayoffRules.size())));
    painter.Panel(normal, texts.PaysPerCoin);
    qreal y = normal.top() + 22;
    painter.RuleRow(normal.left() + 8, y, normal.width() - 16, {Wild, Wild, Wild}, "", ThreeWildsPerCoin);
    for (const TPayoffRule& rule : NormalPayoffRules) {
        y += row;
        painter.RuleRow(normal.left() + 8, y, normal.width() - 16, {rule.Symbol, rule.Symbol, rule.Symbol},
                        rule.Symbol == Wild ? QString() : texts.OrWild, rule.PerCoin);
    }

    const QRectF freePanel(316, 38, width - 324, 26 + row * (1 + int(FreeSpinPayoffRules.size())));
    painter.Panel(freePanel, texts.FreeSpinsPayPerCoin);
    y = freePanel.top() + 22;
    for (const TPayoffRule& rule : FreeSpinPayoffRules) {
        painter.RuleRow(freePanel.left() + 8, y, freePanel.width() - 16,
                        {rule.Symbol, rule.Symbol, rule.Symbol}, "", rule.PerCoin);
        y += row;
    }
    painter.RuleRow(freePanel.left() + 8, y, freePanel.width() - 16, {Planet, Comet, Moon},
                    texts.AnyMix, FreeSpinMixPerCoin);

    // The exact return of each payline, summed by the engine over every stop of its three wheels.
    TStrips strips{};
    BuildStrips(strips);
    TStrips freeStrips{};
    TStops saved{};
    BuildFreeSpinStrips(freeStrips, InitialStops, saved);
    p.setFont(ArtFont(10, false));
    p.setPen(QColor(0xc8, 0xc0, 0xe8));
    p.drawText(QRectF(freePanel.left() + 8, freePanel.bottom() + 4, freePanel.width() - 16, 16),
               Qt::AlignCenter,
               texts.FreeLineReturn.arg(Return(LinePayoffOverAllStops(freeStrips, 0, true), locale)));
    const QRectF returns(8, normal.bottom() + 6, width - 16, 40);
    painter.Panel(returns, texts.LineReturns);
    p.setFont(ArtFont(10, false));
    p.setPen(Text);
    const qreal colWidth = (returns.width() - 16) / LineCount;
    for (int line = 0; line < LineCount; ++line) {
        const QRectF cell(returns.left() + 8 + line * colWidth, returns.top() + 20, colWidth, 16);
        p.drawText(
            cell, Qt::AlignCenter,
            QString("%1: %2").arg(line + 1).arg(Return(LinePayoffOverAllStops(strips, line, false), locale)));
    }

    // How the features work, in the player's words.
    const qreal textTop = returns.bottom() + 8;
    const QRectF text(14, textTop, width - 28, height - textTop - 8);
    const qreal step = text.height() / 4;
    painter.Paragraph(QRectF(text.left(), text.top(), text.width(), step), texts.DoublePayoffsTitle,
                      texts.DoublePayoffs.arg(ThreeWildsPerCoin));
    painter.Paragraph(QRectF(text.left(), text.top() + step, text.width(), step), texts.BonusPoolTitle,
                      texts.BonusPool.arg(PoolFeedPerWild).arg(FullGlobeRow));
    painter.Paragraph(QRectF(text.left(), text.top() + 2 * step, text.width(), step),
                      texts.FreeSpinsTitle,
                      texts.FreeSpins.arg(FullDollarRow).arg(FreeSpinsPerAward));
    painter.Paragraph(QRectF(text.left(), text.top() + 3 * step, text.width(), step),
                      texts.MysteryTitle,
                      texts.Mystery
                          .arg(MysteryPrizeTimesCoins.back())
                          .arg(MysteryPrizeTimesCoins[1])
                          .arg(MysteryPrizeTimesCoins.front()));
    return chart;
}

} // namespace zorva::bake
