#include "doublegames/pyramid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "art/builtin_art.h"
#include "doublegames/accessible_double_games.h"
#include "doublegames/bit_buttons.h"
#include "doublegames/form_style.h"
#include "platform/button_pictures.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

constexpr int ClientWidth = 592;
constexpr int ClientHeight = 384;
constexpr int Label1Width = 165;

struct TTextStyle {
    uint32_t Colour;
    int Points;
    bool Bold;
    bool Italic;
};

// How a turned square writes its symbol: prizes big and bold, losses plain black on the red.
TTextStyle StyleOf(const std::string& symbolText) {
    if (IsLose(symbolText))
        return {colour::Black, 14, false, false};
    if (symbolText == "Hint")
        return {colour::Blue, 14, false, true};
    if (symbolText == "Try Again")
        return {colour::White, 8, false, false};
    return {colour::Yellow, 24, true, false};
}

QFont FontOf(const TTextStyle& style) {
    QFont font = GameFontPixels(PointsToPixels(style.Points), style.Bold);
    font.setItalic(style.Italic);
    return font;
}

} // namespace

TDoubleForm::TDoubleForm(TGameSession& session, TDoubleGameHost& host, QWidget* parent)
    : TDoubleGameForm(session, host, HelpTopic, parent),
      BlueBox(ReadBuiltinPictureFor(art::pyramid::BlueBox.Path, devicePixelRatioF())
                  .convertToFormat(QImage::Format_RGB32)),
      Red(ReadBuiltinPictureFor(art::pyramid::Red.Path, devicePixelRatioF())
              .convertToFormat(QImage::Format_RGB32)) {
    InstallDoubleGameAccessibility();
    setWindowTitle(tr("Pyramid"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(GameFontPixels(13));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourValue(colour::Black));
    setPalette(palette);
    setAutoFillBackground(true);
    CreateControls();
    CentreOnScreen();
    FormCreate();
}

void TDoubleForm::CreateControls() {
    Label2 = new QLabel(tr("Winnings:"), this);
    Label2->setGeometry(4, 18, 117, 35);
    Label2->setFont(GameFontPixels(19));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetTextColour(Label2, colour::Red);
    Label1 = new QLabel(this);
    Label1->setGeometry(132, 14, Label1Width, 35);
    Label1->setFont(GameFontPixels(32));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(Label1, colour::Blue);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(24, 74, 185, 89);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetTextColour(Memo1, colour::White);

    BitBtn3 = MakeBitBtn(this, tr("&Help"), QuestionPicture(BitBtnPictureSize), QRect(16, 200, 129, 48));
    BitBtn2 = MakeBitBtn(this, tr("&Card Game"), CardGameButtonPicture(), QRect(16, 264, 129, 48));
    BitBtn1 = MakeBitBtn(this, tr("&OK"), TickPicture(BitBtnPictureSize), QRect(16, 326, 129, 48));
    BitBtn1->setDefault(true);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Memo1);
    setTabOrder(Memo1, BitBtn3);
    BitBtn1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void TDoubleForm::FormCreate() {
    Memo1->setPlainText(tr("Click a square and try to win a prize.  You can continue until you lose."));
    TakeStake();
    ShowWinnings();
    CreateSquares();
    Board.Shuffle(Host.UtcMillisecondOfDay());
    NumberSquares();
}

void TDoubleForm::CreateSquares() {
    for (int i = 0; i < SquareCount; ++i) {
        const TRect place = TPyramidBoard::SquareRect(i);
        auto* square = new TSquare(i, this);
        square->setGeometry(place.Left, place.Top, place.Width(), place.Height());
        square->ShowPicture(BlueBox);
        square->OnClick = [this](int tag) { BlueBoxClick(tag); };
        Squares[i] = square;
        // Tab goes on from the buttons through the squares by their numbers.
        setTabOrder(i == 0 ? static_cast<QWidget*>(BitBtn3) : Squares[i - 1], square);
    }
}

void TDoubleForm::NumberSquares() {
    setUpdatesEnabled(false);
    const QFont font = GameFontPixels(PointsToPixels(24), true);
    const QFontMetrics metrics(font);
    for (int i = 0; i < SquareCount; ++i) {
        TSquare& square = *Squares[i];
        square.ShowPicture(Board.Revealed[i] ? Red : BlueBox);
        const QString number = QString::number(i + 1);
        square.WriteText(number, font, ColourValue(colour::Yellow),
                         (SquareSize - metrics.horizontalAdvance(number)) / 2,
                         (SquareSize - metrics.height()) / 2);
    }
    setUpdatesEnabled(true);
}

void TDoubleForm::BlueBoxClick(int square) {
    if (!Board.CanTurn(square, Session.SpinWinnings))
        return;
    const TMove move(*this);
    Squares[square]->ShowPicture(Red);
    Board.Turn(square);
    QAccessibleInterface* turned = QAccessible::queryAccessibleInterface(Squares[square]);
    NameChanged(turned);
    const std::string& symbol = Board.SymbolText[square];
    const int32_t before = Session.SpinWinnings;
    Session.SpinWinnings = StakeAfter(symbol, Session.SpinWinnings);
    SayTurn(turned->text(QAccessible::Name), before, Session.SpinWinnings, IsLose(symbol));
    Host.Play(SoundOf(symbol));
    ShowWinnings();
    WriteSymbol(square);
    if (IsLose(symbol)) {
        Host.Pause(1.0);
        RevealAll();
    }
    if (const std::optional<std::string> hint = Board.HintOf(square))
        Host.ShowInformation(QCoreApplication::translate(PyramidTextContext, hint->c_str()).toStdString());
}

void TDoubleForm::WriteSymbol(int square) {
    const std::string& symbol = Board.SymbolText[square];
    const TTextStyle style = StyleOf(symbol);
    const QFont font = FontOf(style);
    const QFontMetrics metrics(font);
    const QString text = QCoreApplication::translate(PyramidTextContext, symbol.c_str());
    const int middle = SquareSize / 2;
    Squares[square]->WriteText(text, font, ColourValue(style.Colour),
                               middle - metrics.horizontalAdvance(text) / 2, middle - metrics.height() / 2);
}

void TDoubleForm::RevealAll() {
    for (int i = 0; i < SquareCount; ++i) {
        Squares[i]->ShowPicture(Red);
        const bool wasHidden = !Board.Revealed[i];
        Board.Revealed[i] = true;
        WriteSymbol(i);
        if (wasHidden)
            NameChanged(QAccessible::queryAccessibleInterface(Squares[i]));
    }
}

// The label widens for amounts of nine digits and more; the board stands below it, out of reach.
void TDoubleForm::ShowWinnings() {
    Label1->setText(QString::number(Session.SpinWinnings));
    Label1->resize(std::max(Label1Width, Label1->sizeHint().width()), Label1->height());
    // The bare number stands beside its label; a screen reader reads both together.
    Label1->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Winnings: %1").arg(Session.SpinWinnings));
}

QString TDoubleForm::KeysHint() const {
    return QCoreApplication::translate(
        "Accessibility", "Tab to the squares, move with the arrow keys, and press Space to turn one.");
}

void TDoubleForm::keyPressEvent(QKeyEvent* event) {
    const auto* square = dynamic_cast<const TSquare*>(focusWidget());
    const std::optional<TArrow> arrow = ArrowOf(*event);
    if (square == nullptr || !arrow || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        TDoubleGameForm::keyPressEvent(event);
        return;
    }
    if (const std::optional<int> to = TPyramidBoard::SquareToward(square->Tag, *arrow))
        Squares[*to]->setFocus(Qt::OtherFocusReason);
}

void TDoubleForm::BitBtn1Click() {
    CloseKeepingWinnings();
}

void TDoubleForm::BitBtn2Click() {
    SwitchGame(false);
}

void TDoubleForm::BitBtn3Click() {
    ShowHelp();
}

} // namespace zorva
