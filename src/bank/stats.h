#pragma once
#include <QLocale>
#include <vector>

#include "engine/session.h"
#include "platform/desktop.h"
#include "platform/game_dialog.h"

class QLabel;
class QPushButton;

namespace zorva {

class TCreditPlot;

// The statistics window: the running totals of the game in progress, the payoff percentage and a
// plot of the credits over this run. Returns when the window has closed.
void OpenStatistics(const TGameSession& session, TDesktop& desktop, QWidget* parent);

inline constexpr int StatisticsHelpTopic = 41009;

class TStatsForm : public TGameDialog {
    Q_OBJECT

  public:
    // Figures are written with the locale's thousands separator and decimal point.
    TStatsForm(const TGameSession& session, const QLocale& locale, TDesktop& desktop,
               QWidget* parent = nullptr);

    // Captions and values carry their design names ("Label11" …) as object names.
    QLabel* Label(const char* name) const;
    // Captions are read together with their figures, never on their own.
    bool IsCaption(const QObject* object) const;
    QPushButton* BitBtn1 = nullptr; // "OK": closes the window
    TCreditPlot* Plot = nullptr;

  protected:
    void ShowHelp() override;

  private:
    void FormCreate(const TGameSession& session);
    QLabel* Caption(const char* name, const QString& text, QPoint at, bool bold = false);
    QLabel* Value(const char* name, const QString& text, QPoint at, int width, bool bold);
    enum TFigure { Figure, PayoffPart };
    void ReadTogether(QLabel* caption, QLabel* value, TFigure figure = Figure);
    void KeepClear(QLabel* caption, const QLabel* value);

    QLocale locale_;
    TDesktop& desktop_;
    std::vector<const QObject*> captions_;
    std::vector<const QLabel*> values_; // in reading order, column by column
};

} // namespace zorva
