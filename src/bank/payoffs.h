#pragma once
#include <QString>

#include "platform/desktop.h"
#include "platform/game_dialog.h"

class QLabel;

namespace zorva {

// The payoff chart: the picture "Paychart.bmp" from the program folder in a window fitted to it.
// Returns when the window has closed.
void OpenPaychart(const QString& programFolder, TDesktop& desktop, QWidget* parent);

inline constexpr int PaychartHelpTopic = 41010;

class TPaychart : public TGameDialog {
    Q_OBJECT

  public:
    TPaychart(const QString& programFolder, TDesktop& desktop, QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;

  protected:
    void ShowHelp() override;

  private:
    void FormCreate(const QString& programFolder);

    TDesktop& desktop_;
};

} // namespace zorva
