#pragma once
#include <array>

#include "bank/save_rules.h"
#include "engine/session.h"
#include "platform/game_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorva {

// The save/load slot dialog: eight slot panels side by side. In Save mode a slot button stores the
// game in progress in its slot under a name the player confirms; in Open mode it makes the slot the
// game in progress. Returns when the dialog has closed.
void OpenSlotDialog(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop, QWidget* parent);

inline constexpr int SlotDialogHelpTopic = 41008;

class TLoadSave : public TGameDialog {
    Q_OBJECT

  public:
    TLoadSave(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop, QWidget* parent = nullptr);

    // The controls of panels 1 to 8 at index 0 to 7; the slot buttons carry the panel number as tag.
    std::array<QLineEdit*, SlotPanelCount> Name{};
    std::array<QLabel*, SlotPanelCount> Game{};
    std::array<QLabel*, SlotPanelCount> date{};
    std::array<QLabel*, SlotPanelCount> credits{};
    std::array<QLabel*, SlotPanelCount> borrowed{};
    std::array<QPushButton*, SlotPanelCount>
        SlotButtons{};                // OKBtn, BitBtn1 … BitBtn7: save into or open the slot
    QPushButton* CancelBtn = nullptr; // "&Cancel": closes without saving or opening
    QPushButton* HelpBtn = nullptr;   // "&Help": the slot dialog's chapter of the manual

    // Every way of closing ends here, so the game in progress is read back exactly once.
    void done(int result) override;

  protected:
    void ShowHelp() override;

  private:
    void FormCreate();
    void BuildPanel(int panel);
    void FillPanel(int panel, const TSlotPanel& slot);
    void BitBtn7Click(int tag);
    void FormClose();

    TDesktop& desktop_;
    TSlotDialogRules rules_;
    bool closed_ = false;
};

} // namespace zorva
