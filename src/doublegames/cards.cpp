#include "doublegames/cards.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "doublegames/accessible_double_games.h"
#include "doublegames/bit_buttons.h"
#include "doublegames/form_style.h"
#include "platform/button_pictures.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

// 640 × 440 once the classic sizeable frame and caption are added.
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 413;

QLabel* MakeLabel(QWidget* parent, const QRect& place, int pixelSize, uint32_t textColour) {
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setFont(GameFontPixels(pixelSize));
    SetTextColour(label, textColour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

constexpr std::array<const char*, JokerRank> RankNames{
    QT_TRANSLATE_NOOP("Accessibility", "Ace"),   QT_TRANSLATE_NOOP("Accessibility", "2"),
    QT_TRANSLATE_NOOP("Accessibility", "3"),     QT_TRANSLATE_NOOP("Accessibility", "4"),
    QT_TRANSLATE_NOOP("Accessibility", "5"),     QT_TRANSLATE_NOOP("Accessibility", "6"),
    QT_TRANSLATE_NOOP("Accessibility", "7"),     QT_TRANSLATE_NOOP("Accessibility", "8"),
    QT_TRANSLATE_NOOP("Accessibility", "9"),     QT_TRANSLATE_NOOP("Accessibility", "10"),
    QT_TRANSLATE_NOOP("Accessibility", "Jack"),  QT_TRANSLATE_NOOP("Accessibility", "Queen"),
    QT_TRANSLATE_NOOP("Accessibility", "King")};
constexpr std::array<const char*, 4> SuitNames{
    QT_TRANSLATE_NOOP("Accessibility", "clubs"), QT_TRANSLATE_NOOP("Accessibility", "hearts"),
    QT_TRANSLATE_NOOP("Accessibility", "diamonds"), QT_TRANSLATE_NOOP("Accessibility", "spades")};

// "card 9, face down" until it is turned, then its face.
QString CardName(int position, const CardRecord& card) {
    const int number = position + 1;
    if (!card.FaceUp)
        return QCoreApplication::translate("Accessibility", "card %1, face down").arg(number);
    if (card.Id > DeckSize - 1)
        return QCoreApplication::translate("Accessibility", "card %1, Joker").arg(number);
    return QCoreApplication::translate("Accessibility", "card %1, %2 of %3")
        .arg(number)
        .arg(QCoreApplication::translate("Accessibility", RankNames[card.Rank]))
        .arg(QCoreApplication::translate("Accessibility", SuitNames[card.Suit]));
}

} // namespace

TCardForm::TCardForm(TGameSession& session, TDoubleGameHost& host, QWidget* parent)
    : TDoubleGameForm(session, host, HelpTopic, parent) {
    InstallDoubleGameAccessibility();
    setWindowTitle(tr("Double or Nothing Card Game"));
    resize(ClientWidth, ClientHeight);
    setFont(GameFontPixels(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourValue(colour::Maroon));
    setPalette(palette);
    CreateControls();
    CentreOnScreen();
    FormCreate();
    CreateCardRegions();
    Canvas = NewDeviceImage(QSize(ClientWidth, ClientHeight), devicePixelRatioF());
    FormPaint();
}

void TCardForm::CreateControls() {
    Label2 = MakeLabel(this, QRect(12, 328, 605, 33), 11, colour::White);
    Label2->setWordWrap(true);
    Label2->setText(tr("A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 "
                       "Loses Half Your Winnings; and a 2-6 Loses All Your Winnings."));
    Label1 = MakeLabel(this, QRect(4, 382, 301, 35), 19, colour::Yellow);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    BitBtn1 = MakeBitBtn(this, tr("&OK"), TickPicture(BitBtnPictureSize), QRect(524, 366, 96, 42));
    BitBtn2 = MakeBitBtn(this, tr("&Help"), QuestionPicture(BitBtnPictureSize), QRect(312, 366, 96, 42));
    BitBtn3 = MakeBitBtn(this, tr("&Pyramid"), PyramidButtonPicture(), QRect(418, 366, 96, 42));
    BitBtn1->setDefault(true);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
    BitBtn1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void TCardForm::CreateCardRegions() {
    for (int p = 0; p < TableCards; ++p) {
        const TRect place = TCardGame::CardRect(p);
        TRegion card;
        card.Role = QAccessible::Button;
        card.Name = [this, p] { return CardName(p, Game.Deck[p]); };
        card.Place = [place] { return QRect(place.Left, place.Top, place.Width(), place.Height()); };
        card.Enabled = [this, p] { return Game.CanTurn(p); };
        card.Focused = [this, p] { return FocusedCard == p; };
        card.Press = [this, place] { FormMouseUp((place.Left + place.Right) / 2, (place.Top + place.Bottom) / 2); };
        CardRegions.Add(this, std::move(card));
    }
}

void TCardForm::FormCreate() {
    TakeStake();
    ShowWinnings();
    Game.GameOver = false;
    Game.ShuffleAndDeal(Host.UtcMillisecondOfDay());
}

void TCardForm::FormPaint() {
    QPainter painter(&Canvas);
    painter.fillRect(QRect(QPoint(), LogicalSize(Canvas)), ColourValue(colour::Maroon));
    for (int p = 0; p < TableCards; ++p)
        DrawCard(painter, p);
    update();
}

void TCardForm::DrawCard(QPainter& painter, int position) const {
    const CardRecord& card = Game.Deck[position];
    const TRect place = TCardGame::CardRect(position);
    if (!card.FaceUp)
        Painter.DrawCardBack(painter, place.Left, place.Top);
    else if (card.Id > DeckSize - 1)
        Painter.DrawJoker(painter, place.Left, place.Top);
    else
        Painter.DrawCardFace(painter, card, place.Left, place.Top);
}

void TCardForm::FormMouseUp(int x, int y) {
    const std::optional<int> position = TCardGame::TablePositionAt(x, y);
    if (!position)
        return;
    const TMove move(*this);
    if (Game.CanTurn(*position)) {
        const TCardEffect effect = Game.Turn(*position);
        {
            QPainter painter(&Canvas);
            DrawCard(painter, *position);
        }
        const TRect place = TCardGame::CardRect(*position);
        update(place.Left, place.Top, place.Width(), place.Height());

        SayCardChanged(*position);
        const int32_t after = StakeAfter(effect, Session.SpinWinnings);
        SayTurn(CardName(*position, Game.Deck[*position]), Session.SpinWinnings, after,
                effect == TCardEffect::LoseAll);

        Host.Play(SoundOf(effect));
        Session.SpinWinnings = after;
        if (effect == TCardEffect::LoseAll) {
            Game.Lose();
            Host.Pause(1.0);
            Game.RevealTable();
            FormPaint();
            for (int p = 0; p < TableCards; ++p)
                if (p != *position)
                    SayCardChanged(p);
        }
    }
    ShowWinnings();
}

void TCardForm::ShowWinnings() {
    Label1->setText(tr("Winnings: %1").arg(Session.SpinWinnings));
}

QString TCardForm::KeysHint() const {
    return QCoreApplication::translate(
        "Accessibility", "Tab to the cards, move with the arrow keys, and press Space to turn one.");
}

void TCardForm::BitBtn1Click() {
    CloseKeepingWinnings();
}

void TCardForm::BitBtn2Click() {
    ShowHelp();
}

void TCardForm::BitBtn3Click() {
    SwitchGame(true);
}

void TCardForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicturePart(painter, event->rect().topLeft(), Canvas, event->rect());
}

void TCardForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FormMouseUp(at.x(), at.y());
}

void TCardForm::resizeEvent(QResizeEvent* event) {
    // The frame is sizeable: a larger window shows more of the table's cloth.
    if (LogicalSize(Canvas) != size()) {
        Canvas = NewDeviceImage(size(), devicePixelRatioF());
        FormPaint();
    }
    TDoubleGameForm::resizeEvent(event);
}

} // namespace zorva
