#include <QAccessible>
#include <QKeyEvent>
#include <QPushButton>
#include <array>

#include "doublegames/cards.h"

namespace zorva {

namespace {

// Ring places: the table positions 0 to 23, then the buttons in their tab order.
constexpr int FirstButton = TableCards;

} // namespace

bool TCardForm::focusNextPrevChild(bool next) {
    const std::array<QPushButton*, 3> buttons{BitBtn1, BitBtn2, BitBtn3};
    std::vector<int> ring;
    for (int p = 0; p < TableCards; ++p)
        if (Game.CanTurn(p))
            ring.push_back(p);
    for (int b = 0; b < static_cast<int>(buttons.size()); ++b)
        ring.push_back(FirstButton + b);

    int here = FocusedCard;
    for (int b = 0; b < static_cast<int>(buttons.size()); ++b)
        if (focusWidget() == buttons[b])
            here = FirstButton + b;
    // The card in focus may have just been turned and left the ring: go on from where it lies.
    int to = next ? ring.front() : ring.back();
    for (const int place : ring) {
        if (next && place > here) {
            to = place;
            break;
        }
        if (!next && place < here)
            to = place;
    }
    if (to < FirstButton) {
        FocusCard(to);
    } else {
        FocusCard(-1);
        buttons[to - FirstButton]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void TCardForm::FocusCard(int position) {
    FocusedCard = position;
    if (position >= 0) {
        // The window itself holds the keyboard's focus while it is on a painted card.
        setFocus(Qt::TabFocusReason);
        QAccessibleEvent event(CardRegions.Items()[position], QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
    FocusMoved();
}

QRect TCardForm::FocusPlace() const {
    if (FocusedCard < 0)
        return TDoubleGameForm::FocusPlace();
    const TRect card = TCardGame::CardRect(FocusedCard);
    return {card.Left, card.Top, card.Width(), card.Height()};
}

std::vector<QRect> TCardForm::FocusPlaces() const {
    std::vector<QRect> places = TDoubleGameForm::FocusPlaces();
    for (int p = 0; p < TableCards; ++p) {
        const TRect card = TCardGame::CardRect(p);
        places.emplace_back(card.Left, card.Top, card.Width(), card.Height());
    }
    return places;
}

void TCardForm::SayCardChanged(int position) {
    NameChanged(CardRegions.Items()[position]);
}

void TCardForm::keyPressEvent(QKeyEvent* event) {
    if (FocusedCard < 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        TDoubleGameForm::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        const TRect place = TCardGame::CardRect(FocusedCard);
        FormMouseUp((place.Left + place.Right) / 2, (place.Top + place.Bottom) / 2);
        return;
    }
    const std::optional<TArrow> arrow = ArrowOf(*event);
    if (!arrow) {
        TDoubleGameForm::keyPressEvent(event);
        return;
    }
    if (const std::optional<int> to = Game.CardToward(FocusedCard, *arrow))
        FocusCard(*to);
}

// A click on a button takes the focus off the table; a box or the manual opening over the window
// leaves it where it was.
void TCardForm::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason &&
        focusWidget() != this)
        FocusCard(-1);
    TDoubleGameForm::focusOutEvent(event);
}

} // namespace zorva
