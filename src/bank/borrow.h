#pragma once
#include <array>

#include "bank/borrow_rules.h"
#include "engine/session.h"
#include "mainwindow/draw_number.h"
#include "platform/desktop.h"
#include "platform/game_dialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace zorva {

// The bank: borrows credits or pays them back in amounts of 1000, 100, 10 and 1. Every press
// changes the session at once. Returns when the dialog has closed.
void OpenBorrowDialog(TGameSession& session, TDesktop& desktop, QWidget* parent);

inline constexpr int BorrowHelpTopic = 41003;
inline constexpr int PayBackHelpTopic = 41005;

class TBorrowC : public TGameDialog {
    Q_OBJECT

  public:
    TBorrowC(TGameSession& session, TDesktop& desktop, QWidget* parent = nullptr);

    std::array<QPushButton*, ChipAmounts.size()>
        AmountButtons{}; // BitBtn1 … BitBtn4, tags 0 to 3: borrow or pay back that many credits
    QLabel* Label1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // "Borrow Credits"
    QRadioButton* RadioButton2 = nullptr; // "Pay Back Credits"
    QPushButton* OKBtn = nullptr;         // "&OK": closes the dialog
    QPushButton* BitBtn7 = nullptr;       // "&Help": explains borrowing or paying back in a box

    TBankMode Mode() const;
    int HelpTopic() const;

  protected:
    void PaintFace(QPainter& canvas) override;
    void ShowHelp() override;

  private:
    void FormPaint(QPainter& canvas);
    void BitBtn1Click(int tag);
    void BitBtn7Click();

    TGameSession& session_;
    TDesktop& desktop_;
    TDigitStrips digits_;
};

} // namespace zorva
