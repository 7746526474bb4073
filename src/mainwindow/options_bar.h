#pragma once
#include <QImage>
#include <QString>
#include <array>
#include <functional>

#include "engine/session.h"
#include "mainwindow/image_control.h"
#include "mainwindow/layout.h"

namespace zorva {

// The option buttons' tags: 0 to 6 are the left column from the bottom up, 7 to 13 the right one.
namespace option {
enum TTag : int {
    Help,
    PayMode,
    PayChart,
    Borrow,
    NewGame,
    Summary,
    AutoSpin,
    Exit,
    Sound,
    WebSite,
    Double,
    SaveGame,
    LoadGame,
    Stats,
};
} // namespace option

inline constexpr int OptionButtonCount = option::Stats + 1;

// The fourteen option buttons in two columns of seven beside the machine.
class TOptionsBar {
  public:
    TOptionsBar(QWidget* window, const TWindowLayout& layout, const QImage& options,
                const TGameSession& session, int pixelsPerInch);

    // Index = tag; each owns its copy of the blank button with its caption painted on.
    std::array<TImageControl*, OptionButtonCount> OptionButtons{};

    static QString Caption(int tag);
    static QString StartingHint(int tag);
    void SetHint(int tag, const QString& hint);
    QString Hint(int tag) const;

    // Each caption in the colour of its setting's state: white while auto spin runs, silver for
    // sound off, double-or-nothing off and instant payoff, black otherwise.
    void DrawOptionCaptions();
    QColor CaptionColour(int tag) const;

  private:
    QImage Template;
    const TGameSession& Session;
};

} // namespace zorva
