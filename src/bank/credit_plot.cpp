#include "bank/credit_plot.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"

namespace zorva {

namespace {

constexpr int LeftMargin = 70;
constexpr int TopMargin = 26;
constexpr int RightMargin = 12;
constexpr int BottomMargin = 36;
constexpr double MarkSize = 9;
constexpr int WantedTicks = 5;
constexpr double SmallestCreditRange = 100;
const QColor LineColour(31, 78, 156);
const QColor GridColour(222, 222, 222);

struct TLegendEntry {
    TCreditEvent Event;
    const char* Text;
};
constexpr TLegendEntry LegendEntries[] = {
    {TCreditEvent::Spin, QT_TRANSLATE_NOOP("zorva::TCreditPlot", "Paid spin")},
    {TCreditEvent::Borrow, QT_TRANSLATE_NOOP("zorva::TCreditPlot", "Borrowed")},
    {TCreditEvent::PayBack, QT_TRANSLATE_NOOP("zorva::TCreditPlot", "Paid back")},
    {TCreditEvent::NewGame, QT_TRANSLATE_NOOP("zorva::TCreditPlot", "New game")},
    {TCreditEvent::LoadedGame, QT_TRANSLATE_NOOP("zorva::TCreditPlot", "Game opened")},
};

// Steps of 1, 2 or 5 times a power of ten, whole numbers only, about WantedTicks of them.
double NiceStep(double range) {
    const double rough = std::max(range / WantedTicks, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double scaled = rough / power;
    const double factor = scaled < 1.5 ? 1 : scaled < 3 ? 2 : scaled < 7 ? 5 : 10;
    return factor * power;
}

void DrawMark(QPainter& painter, TCreditEvent event, QPointF at) {
    const double r = MarkSize / 2;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(MarkColour(event));
    switch (event) {
    case TCreditEvent::Spin: // only the latest spin is marked, with a dot
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(at, 3, 3);
        break;
    case TCreditEvent::Borrow:
        painter.drawPolygon(
            QPolygonF({at + QPointF(0, -r - 1), at + QPointF(r + 1, r), at + QPointF(-r - 1, r)}));
        break;
    case TCreditEvent::PayBack:
        painter.drawPolygon(
            QPolygonF({at + QPointF(0, r + 1), at + QPointF(r + 1, -r), at + QPointF(-r - 1, -r)}));
        break;
    case TCreditEvent::NewGame:
        painter.drawEllipse(at, r, r);
        break;
    case TCreditEvent::LoadedGame:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, MarkSize, MarkSize));
        break;
    }
}

} // namespace

QColor MarkColour(TCreditEvent event) {
    switch (event) {
    case TCreditEvent::Spin:
        return LineColour;
    case TCreditEvent::Borrow:
        return QColor(0, 170, 0);
    case TCreditEvent::PayBack:
        return QColor(255, 140, 0);
    case TCreditEvent::NewGame:
        return QColor(220, 0, 0);
    case TCreditEvent::LoadedGame:
        return QColor(150, 0, 200);
    }
    return LineColour;
}

std::vector<TCreditPoint> PlottedPoints(const TCreditHistory& history, int32_t currentCredits) {
    std::vector<TCreditPoint> points = history.Points();
    if (points.empty() || points.back().Credits != currentCredits) {
        points.push_back({history.SpinsSettled(), currentCredits, TCreditEvent::Spin});
    }
    return points;
}

TCreditPlot::TCreditPlot(const TCreditHistory& history, int32_t currentCredits, const QLocale& locale,
                         QWidget* parent)
    : QWidget(parent), points_(PlottedPoints(history, currentCredits)), locale_(locale),
      spinsPlayed_(history.SpinsSettled() > 0) {
    spinAxis_.High = static_cast<double>(std::max<int64_t>(history.SpinsSettled(), 1));
    spinAxis_.Step = NiceStep(spinAxis_.High);
    spinAxis_.High = std::ceil(spinAxis_.High / spinAxis_.Step) * spinAxis_.Step;

    const auto [lowest, highest] =
        std::minmax_element(points_.begin(), points_.end(), [](const TCreditPoint& a, const TCreditPoint& b) {
            return a.Credits < b.Credits;
        });
    // What the plot shows, in words, for a player who cannot see it.
    setAccessibleName(QCoreApplication::translate("Accessibility", "Credits over this run"));
    setAccessibleDescription(
        QCoreApplication::translate("Accessibility",
                                    "Started at %1 credits, now %2; lowest %3, highest %4; %5 paid spins.")
            .arg(locale.toString(points_.front().Credits), locale.toString(points_.back().Credits),
                 locale.toString(lowest->Credits), locale.toString(highest->Credits),
                 locale.toString(history.SpinsSettled())));
    double low = lowest->Credits;
    double high = highest->Credits;
    // A flat run still gets a readable scale around its credits.
    if (high - low < SmallestCreditRange) {
        const double widen = (SmallestCreditRange - (high - low)) / 2;
        low -= widen;
        high += widen;
    }
    creditAxis_.Step = NiceStep(high - low);
    creditAxis_.Low = std::floor(low / creditAxis_.Step) * creditAxis_.Step;
    creditAxis_.High = std::ceil(high / creditAxis_.Step) * creditAxis_.Step;
}

QRectF TCreditPlot::PlotArea() const {
    return QRectF(LeftMargin, TopMargin, width() - LeftMargin - RightMargin,
                  height() - TopMargin - BottomMargin);
}

QPointF TCreditPlot::Position(const TCreditPoint& point) const {
    const QRectF area = PlotArea();
    const double across = static_cast<double>(point.SpinNumber) / spinAxis_.High;
    const double up = (point.Credits - creditAxis_.Low) / (creditAxis_.High - creditAxis_.Low);
    return {area.left() + across * area.width(), area.bottom() - up * area.height()};
}

std::vector<QPointF> TCreditPlot::PointPositions() const {
    std::vector<QPointF> positions;
    positions.reserve(points_.size());
    for (const TCreditPoint& point : points_) {
        positions.push_back(Position(point));
    }
    return positions;
}

// A borrow and a pay-back at one spin lie a pixel apart on a scale of a million credits.
std::vector<QPointF> TCreditPlot::MarkPositions() const {
    std::vector<QPointF> marks = PointPositions();
    constexpr double Apart = MarkSize + 3;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (points_[i].Event == TCreditEvent::Spin)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            const bool covers = points_[j].Event != TCreditEvent::Spin &&
                                std::abs(marks[i].x() - marks[j].x()) < Apart &&
                                std::abs(marks[i].y() - marks[j].y()) < Apart;
            if (covers) {
                marks[i].rx() = marks[j].x() + Apart;
                j = static_cast<std::size_t>(-1); // look again from the first mark
            }
        }
    }
    return marks;
}

void TCreditPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawAxes(painter);
    DrawLine(painter);
    DrawLegend(painter);
}

void TCreditPlot::DrawAxes(QPainter& painter) const {
    const QRectF area = PlotArea();
    painter.fillRect(area, Qt::white);
    painter.setFont(GameFont(8));
    const QFontMetrics metrics(painter.font());

    for (double credits = creditAxis_.Low; credits <= creditAxis_.High + 0.5; credits += creditAxis_.Step) {
        const double y = Position({0, static_cast<int32_t>(credits), TCreditEvent::Spin}).y();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        const QString label = locale_.toString(static_cast<qlonglong>(credits));
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    for (double spin = 0; spin <= spinAxis_.High + 0.5; spin += spinAxis_.Step) {
        const double x = area.left() + spin / spinAxis_.High * area.width();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        const QString label = locale_.toString(static_cast<qlonglong>(spin));
        painter.drawText(QRectF(x - 40, area.bottom() + 3, 80, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), height() - metrics.height() - 1, area.width(), metrics.height()),
                     Qt::AlignHCenter, tr("Paid spins in this run of the game"));

    painter.setFont(GameFont(9, true));
    painter.drawText(QRectF(0, 0, width(), TopMargin - 6), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Credits over this run"));
    if (!spinsPlayed_) {
        painter.setFont(GameFont(9));
        painter.setPen(Qt::darkGray);
        painter.drawText(area.adjusted(0, 0, 0, -area.height() / 2), Qt::AlignCenter,
                         tr("No paid spins yet in this run."));
    }
}

void TCreditPlot::DrawLine(QPainter& painter) const {
    const std::vector<QPointF> positions = PointPositions();
    painter.setPen(QPen(LineColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(positions.data(), static_cast<int>(positions.size()));
    DrawMark(painter, TCreditEvent::Spin, positions.back());
    const std::vector<QPointF> marks = MarkPositions();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].Event != TCreditEvent::Spin) {
            DrawMark(painter, points_[i].Event, marks[i]);
        }
    }
}

void TCreditPlot::DrawLegend(QPainter& painter) const {
    constexpr int Swatch = 14;
    constexpr int Gap = 12;
    const auto legendWidth = [](const QFontMetrics& metrics) {
        int total = 0;
        for (const TLegendEntry& entry : LegendEntries) {
            total += Swatch + 4 + metrics.horizontalAdvance(tr(entry.Text)) + Gap;
        }
        return total;
    };
    // The legend shares its line with the title: a longer translation writes it smaller.
    const int titleWidth =
        QFontMetrics(GameFont(9, true), this).horizontalAdvance(tr("Credits over this run"));
    const int room = width() - RightMargin - titleWidth;
    double points = 8;
    while (points > 6 && legendWidth(QFontMetrics(GameFont(points), this)) > room) {
        points -= 0.5;
    }
    painter.setFont(GameFont(points));
    const QFontMetrics metrics(painter.font());
    const int total = legendWidth(metrics);
    int x = width() - RightMargin - total + Gap;
    const double middle = (TopMargin - 6) / 2.0;
    for (const TLegendEntry& entry : LegendEntries) {
        const QPointF centre(x + Swatch / 2.0, middle);
        if (entry.Event == TCreditEvent::Spin) {
            painter.setPen(QPen(LineColour, 1.5));
            painter.drawLine(centre - QPointF(Swatch / 2.0, 0), centre + QPointF(Swatch / 2.0, 0));
        } else {
            DrawMark(painter, entry.Event, centre);
        }
        painter.setPen(Qt::black);
        const QString text = tr(entry.Text);
        painter.drawText(QPointF(x + Swatch + 4, middle + metrics.ascent() / 2.0 - 1), text);
        x += Swatch + 4 + metrics.horizontalAdvance(text) + Gap;
    }
}

} // namespace zorva
