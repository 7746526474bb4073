#pragma once
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "engine/credit_history.h"

namespace zorva {

// The points the plot draws: the history, then the credits as they stand now when a move since the
// last point (a mystery bonus paid after the spin settled, a game read at start-up) changed them.
std::vector<TCreditPoint> PlottedPoints(const TCreditHistory& history, int32_t currentCredits);

// A small line plot of the credits over this run: paid spins across, credits up, the player's own
// moves marked, with axes, labels and a legend of the marks.
class TCreditPlot : public QWidget {
    Q_OBJECT

  public:
    TCreditPlot(const TCreditHistory& history, int32_t currentCredits, const QLocale& locale,
                QWidget* parent = nullptr);

    const std::vector<TCreditPoint>& Points() const { return points_; }
    // Where each point lies in the widget, in the order of Points().
    std::vector<QPointF> PointPositions() const;
    // Where each mark of the player's moves is drawn, in the order of Points() (spins get their own
    // point): a mark that would cover an earlier one stands beside it instead.
    std::vector<QPointF> MarkPositions() const;
    QRectF PlotArea() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct TAxis {
        double Low = 0;
        double High = 1;
        double Step = 1;
    };

    QPointF Position(const TCreditPoint& point) const;
    void DrawAxes(QPainter& painter) const;
    void DrawLine(QPainter& painter) const;
    void DrawLegend(QPainter& painter) const;

    std::vector<TCreditPoint> points_;
    QLocale locale_;
    bool spinsPlayed_;
    TAxis spinAxis_;
    TAxis creditAxis_;
};

// The colour and shape of each kind of mark, shared by the plot and its legend.
QColor MarkColour(TCreditEvent event);

} // namespace zorva
