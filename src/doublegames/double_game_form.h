#pragma once
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

#include "doublegames/arrows.h"
#include "doublegames/double_game.h"
#include "platform/game_dialog.h"
#include "platform/spoken_notice.h"

class QAccessibleInterface;
class QKeyEvent;

namespace zorva {

class TFocusMark;

// What both double-or-nothing windows share: taking the stake, OK, the switch to the other game,
// and booking the window's own gain or loss however it closes.
class TDoubleGameForm : public TGameDialog {
  public:
    int32_t StartWinnings = 0;

    ~TDoubleGameForm() override;

  protected:
    TDoubleGameForm(TGameSession& session, TDoubleGameHost& host, int helpTopic, QWidget* parent);

    // On opening: no game follows unless a switch asks for one, and the amount now at stake is
    // what this window's gain or loss is measured against.
    void TakeStake();
    void CloseKeepingWinnings();
    // After a loss the switch only changes which game is offered next time.
    void SwitchGame(bool pyramid);
    void ShowHelp() override;
    void FormClose();

    void done(int result) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // For a screen reader, said once as the window first becomes active after the amount at stake:
    // how to play with the keys.
    virtual QString KeysHint() const = 0;
    // Speaks what a turn showed and the winnings after it, or the loss that ended the game.
    void SayTurn(const QString& shown, int32_t winningsBefore, int32_t winningsAfter, bool lost);
    // What a square or card reads has changed. Qt 6.4 sends a name change with the control in
    // place of its new name, which Orca cannot speak for the control in focus; SayTurn speaks the
    // turn instead, and the change is sent once the focus has left, so that Orca reads the new
    // name when the focus comes back.
    void NameChanged(QAccessibleInterface* control);

    // The cyan ring round whatever has the keyboard's focus: a control, or a place the window
    // paints itself. It follows the focus on its own; a window that moves a painted focus calls
    // FocusMoved.
    void FocusMoved();
    virtual QRect FocusPlace() const;
    // Every place the focus can go, so that the ring keeps clear of the neighbours.
    virtual std::vector<QRect> FocusPlaces() const;

    // Held while a move runs: a close that arrives meanwhile (during a sound or a pause) waits
    // until the move has finished, so that what the move wins or loses is booked with it.
    class TMove {
      public:
        explicit TMove(TDoubleGameForm& form);
        ~TMove();
        TMove(const TMove&) = delete;
        TMove& operator=(const TMove&) = delete;

      private:
        TDoubleGameForm& Form;
    };

    TGameSession& Session;
    TDoubleGameHost& Host;

  private:
    void ShowFocus();
    void SendHeldNameChanges();

    TNoticeBoard Board{*this};
    std::vector<QAccessibleInterface*> HeldNameChanges;
    bool Greeted = false;
    TFocusMark* Mark = nullptr;
    QMetaObject::Connection FollowFocus;
    int HelpTopic;
    int MovesRunning = 0;
    bool CloseRequested = false;
    bool Booked = false;
};

// The arrow key pressed, if it was one; the modifiers are the window's to judge.
std::optional<TArrow> ArrowOf(const QKeyEvent& event);

} // namespace zorva
