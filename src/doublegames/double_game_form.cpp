#include "doublegames/double_game_form.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "engine/credits.h"
#include "mainwindow/accessible_region.h"
#include "mainwindow/focus_mark.h"

namespace zorva {

TDoubleGameForm::TDoubleGameForm(TGameSession& session, TDoubleGameHost& host, int helpTopic, QWidget* parent)
    : TGameDialog(parent), Session(session), Host(host), Mark(new TFocusMark(this)), HelpTopic(helpTopic) {
    FollowFocus = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
        if ((from && from->window() == this) || (to && to->window() == this))
            FocusMoved();
    });
}

// The controls go after this, each handing the focus on as it goes; the ring follows no more.
TDoubleGameForm::~TDoubleGameForm() {
    disconnect(FollowFocus);
}

void TDoubleGameForm::FocusMoved() {
    ShowFocus();
    // Qt tells a screen reader of a widget's focus only after it has told the window of it.
    QTimer::singleShot(0, this, [this] { SendHeldNameChanges(); });
}

void TDoubleGameForm::ShowFocus() {
    const QRect place = FocusPlace();
    Mark->Surround(place, TFocusMark::RoomAround(place, FocusPlaces()));
}

QRect TDoubleGameForm::FocusPlace() const {
    const QWidget* focus = focusWidget();
    return focus != nullptr && focus != this && focus != Mark ? focus->geometry() : QRect();
}

std::vector<QRect> TDoubleGameForm::FocusPlaces() const {
    std::vector<QRect> places;
    for (const QWidget* control : Face()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != Mark && (control->focusPolicy() & Qt::TabFocus))
            places.push_back(control->geometry());
    return places;
}

void TDoubleGameForm::TakeStake() {
    Session.ReopenDoubleGame = false;
    StartWinnings = Session.SpinWinnings;
}

void TDoubleGameForm::CloseKeepingWinnings() {
    Session.ReopenDoubleGame = false;
    close();
}

void TDoubleGameForm::SwitchGame(bool pyramid) {
    Session.BonusGame = pyramid;
    if (Session.SpinWinnings > 0)
        Session.ReopenDoubleGame = true;
    close();
}

void TDoubleGameForm::ShowHelp() {
    Host.ShowHelp(HelpTopic, this);
}

void TDoubleGameForm::FormClose() {
    Session.DoubleOrNothingWon =
        SaturatingAdd(Session.DoubleOrNothingWon, SaturatingAdd(Session.SpinWinnings, -StartWinnings));
}

void TDoubleGameForm::done(int result) {
    if (MovesRunning > 0) {
        CloseRequested = true;
        return;
    }
    // OK, a switch, the close box and a close() from the program all end here, exactly once each.
    if (!Booked) {
        Booked = true;
        FormClose();
        // Orca stops speaking as this window goes: the machine below says the result once it is
        // active again. A loss was said as it happened, and a switch opens the other game.
        if (!Session.ReopenDoubleGame && Session.SpinWinnings > 0 && parentWidget() != nullptr)
            SayWhenActive(
                *parentWidget()->window(),
                QCoreApplication::translate("Accessibility", "You won %1.").arg(Session.SpinWinnings));
    }
    QDialog::done(result);
}

bool TDoubleGameForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !Greeted) {
        Greeted = true;
        Board.Say(
            QCoreApplication::translate("Accessibility", "Winnings at stake: %1.").arg(Session.SpinWinnings) +
            QLatin1Char(' ') + KeysHint());
    }
    return TGameDialog::event(event);
}

void TDoubleGameForm::SayTurn(const QString& shown, int32_t winningsBefore, int32_t winningsAfter,
                              bool lost) {
    if (lost)
        Board.Say(QCoreApplication::translate("Accessibility", "%1. You lost %2.")
                      .arg(shown, QString::number(winningsBefore)));
    else
        Board.Say(QCoreApplication::translate("Accessibility", "%1. Winnings: %2.")
                      .arg(shown, QString::number(winningsAfter)));
}

void TDoubleGameForm::NameChanged(QAccessibleInterface* control) {
    if (control->state().focused) {
        if (std::find(HeldNameChanges.begin(), HeldNameChanges.end(), control) == HeldNameChanges.end())
            HeldNameChanges.push_back(control);
        return;
    }
    SendNameChanged(control);
}

void TDoubleGameForm::SendHeldNameChanges() {
    std::vector<QAccessibleInterface*> held;
    held.swap(HeldNameChanges);
    for (QAccessibleInterface* control : held)
        NameChanged(control);
}

void TDoubleGameForm::keyPressEvent(QKeyEvent* event) {
    // Escape is no way out of the game: only OK, the switch and the close box end it.
    if (event->key() == Qt::Key_Escape)
        return;
    TGameDialog::keyPressEvent(event);
}

TDoubleGameForm::TMove::TMove(TDoubleGameForm& form) : Form(form) {
    ++Form.MovesRunning;
}

TDoubleGameForm::TMove::~TMove() {
    if (--Form.MovesRunning == 0 && Form.CloseRequested) {
        Form.CloseRequested = false;
        Form.close();
    }
}

std::optional<TArrow> ArrowOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
        return TArrow::Left;
    case Qt::Key_Right:
        return TArrow::Right;
    case Qt::Key_Up:
        return TArrow::Up;
    case Qt::Key_Down:
        return TArrow::Down;
    default:
        return std::nullopt;
    }
}

} // namespace zorva
