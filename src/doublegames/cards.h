#pragma once
#include <QCoreApplication>
#include <QImage>

#include "doublegames/card_painter.h"
#include "doublegames/cards_rules.h"
#include "doublegames/double_game_form.h"
#include "mainwindow/accessible_region.h"

class QLabel;
class QPushButton;

namespace zorva {

// The card game: 24 cards face down on a maroon table, turned one at a time.
class TCardForm : public TDoubleGameForm {
    Q_DECLARE_TR_FUNCTIONS(TCardForm)

  public:
    static constexpr int HelpTopic = 41006;

    TCardForm(TGameSession& session, TDoubleGameHost& host, QWidget* parent = nullptr);

    void FormCreate();
    // Lays the whole table onto the canvas.
    void FormPaint();
    void FormMouseUp(int x, int y);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    TCardGame Game;
    QImage Canvas; // the client area as the player sees it
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "&OK": keeps the winnings and closes
    QPushButton* BitBtn2 = nullptr; // "&Help": the card game's chapter of the manual
    QPushButton* BitBtn3 = nullptr; // "&Pyramid": carries the winnings over into the Pyramid
    // The painted cards as a screen reader reads and presses them, table position by position.
    TRegionSet CardRegions;
    // The card the keyboard's focus is on; -1 while a button has it.
    int FocusedCard = -1;

  protected:
    QString KeysHint() const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab and the arrows go round the cards that can still be turned and the buttons; Space and
    // Enter turn the focused card.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QRect FocusPlace() const override;
    std::vector<QRect> FocusPlaces() const override;

  private:
    void CreateControls();
    void DrawCard(QPainter& painter, int position) const;
    void ShowWinnings();
    void CreateCardRegions();
    void FocusCard(int position);
    void SayCardChanged(int position);

    TCardPainter Painter{devicePixelRatioF()};
};

} // namespace zorva
