#pragma once
#include <QCoreApplication>
#include <QImage>
#include <array>

#include "doublegames/double_game_form.h"
#include "doublegames/pyramid_rules.h"
#include "doublegames/pyramid_square.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zorva {

// The Pyramid: 15 numbered squares, each hiding a prize, a hint or a loss.
class TDoubleForm : public TDoubleGameForm {
    Q_DECLARE_TR_FUNCTIONS(TDoubleForm)

  public:
    static constexpr int HelpTopic = 41007;

    TDoubleForm(TGameSession& session, TDoubleGameHost& host, QWidget* parent = nullptr);

    void FormCreate();
    void NumberSquares();
    void BlueBoxClick(int square);
    void RevealAll();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    TPyramidBoard Board;
    std::array<TSquare*, SquareCount> Squares{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "&OK": keeps the winnings and closes
    QPushButton* BitBtn2 = nullptr; // "&Card Game": carries the winnings over into the card game
    QPushButton* BitBtn3 = nullptr; // "&Help": the Pyramid's chapter of the manual
    QImage BlueBox;                 // an untouched square
    QImage Red;                     // a turned square

  protected:
    QString KeysHint() const override;
    // The arrows move the focus from square to square.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void CreateSquares();
    void WriteSymbol(int square);
    void ShowWinnings();
};

} // namespace zorva
