#include "app/unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <utility>

#include "bank/game_section.h"
#include "bank/saved_game.h"
#include "mainwindow/spin_log.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/hint_style.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

// Milliseconds: the chaser's step, the Stop button's blink, the line flash, the free-spin count's blink.
constexpr std::array<int, TimerCount> TimerIntervals{350, 250, 400, 300};

} // namespace

TForm1::TForm1(const QString& programFolder, TSoundBackend& soundBackend, TClock& clock, TDesktop& desktop,
               const TGameSession* carried)
    : ProgramFolder(programFolder), Clock(clock), Desktop(desktop), Player(soundBackend),
      Sounds(Player, Session.Sound, programFolder) {
    FormCreate(carried);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const TGameSession* carried) {
    Accessibility = std::make_unique<TMachineAccessibility>(*this, Machine);
    SetHintPause(50);
    SetHelpFolder(ProgramFolder + QStringLiteral("help"));
    Screen = Desktop.Screen();
    SetStartupValues(Session);
    // The machine starts with its strips built, the initial stops and no box lit.
    Assemble(LoadArtworkTellingPlayer(ProgramFolder, Screen, Desktop), Screen, Session, Machine);
    Sounds.LoadClickSound();

    setWindowTitle(tr("Zorvania"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    PlaceWindow(OpensMaximised());
    Panel->Changed = [this](const QRect& rect) { update(rect); };
    Input = std::make_unique<TMachineInput>(Layout, Machine);
    Logo = new TImageControl(this, -1, Pictures.Logo);
    Logo->move(Layout.LogoRect.Left, Layout.LogoRect.Top);
    Logo->setAccessibleName(tr("About Zorva Slots"));
    Logo->Clicked = [this](int) { LogoClick(); };

    Options = std::make_unique<TOptionsBar>(this, Layout, Pictures.Options, Session, Screen.PixelsPerInch);
    for (TImageControl* button : Options->OptionButtons)
        button->Clicked = [this](int tag) { OptionsClick(tag); };
    CreateTimers();
    Accessibility->Attach({&Layout, Panel.get(), Options.get(), Logo, Artwork.MysteryArtwork.height() / 2,
                           [this](int x, int y) { FormMouseDown(x, y); },
                           [this](int key) { FormKeyDown(key); }});

    Session.LinesPlayed = 8;
    Session.CoinsPerLine = 1;
    NewGameReset(Session);
    SetStartupSettings(Session);
    if (carried != nullptr) {
        Session = *carried;
    } else {
        ReadGame(Desktop, Session, CurrentGameSlot);
        Session.CreditHistory.Begin(Session.Credits);
    }
    RepaintAll();
    Accessibility->MetersShown();
}

// The window is as wide as the screen less 10 pixels and as high as the work area leaves room
// for, centred at its top; the layout follows the screen's width, never the window's. A maximised
// window takes the size the window system gives it (a Wayland compositor ends the connection of a
// maximised window that insists on a size of its own), so only the unmaximised window fixes its size.
void TForm1::PlaceWindow(bool maximised) {
    const TSize size = NormalWindowSize(Layout, Screen.WorkWidth, Screen.WorkHeight);
    if (maximised)
        resize(size.Width, size.Height);
    else
        setFixedSize(size.Width, size.Height);
    const int workWidth = Screen.WorkWidth > 0 ? Screen.WorkWidth : Screen.Width;
    move(Screen.WorkLeft + (workWidth - size.Width) / 2, Screen.WorkTop);
}

void TForm1::ShowAsDesigned() {
    if (OpensMaximised())
        showMaximized();
    else
        show();
}

void TForm1::CreateTimers() {
    for (int i = 0; i < TimerCount; ++i) {
        auto* timer = new QTimer(this);
        timer->setInterval(TimerIntervals[i]);
        const auto id = static_cast<TimerId>(i);
        connect(timer, &QTimer::timeout, this, [this, id] { Handle([&] { Machine.OnTimer(id); }); });
        Timers[i] = timer;
    }
}

void TForm1::Handle(const std::function<void()>& work) {
    if (Closed)
        return;
    ++Depth;
    work();
    --Depth;
    if (Depth == 0 && CloseRequested)
        QTimer::singleShot(0, this, [this] { close(); });
}

void TForm1::FormClose() {
    Machine.Close();
    Player.Stop();
    WriteCurrentGame();
}

void TForm1::WriteCurrentGame() {
    WriteGame(Desktop, Session, CurrentGameSlot, CurrentGameName);
}

void TForm1::RequestClose() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (Closed) {
        event->accept();
        return;
    }
    // The engine is inside a wait: settle what is under way, then close from the outermost handler.
    Machine.Close();
    if (Depth > 0) {
        CloseRequested = true;
        for (int open = 0; open < 16 && QApplication::activeModalWidget() != nullptr; ++open)
            QApplication::activeModalWidget()->close();
        event->ignore();
        return;
    }
    // A chaser still waiting for Stop pays its box before the game is saved.
    if (Machine.TimerEnabled(TimerId::Timer1))
        Handle([&] { Machine.PressStop(); });
    for (QTimer* timer : Timers)
        timer->stop();
    FormClose();
    Closed = true;
    event->accept();
}

void TForm1::LogoClick() {
    Handle([&] {
        Desktop.ShowInformation(
            tr("%1 Version %2").arg(QLatin1String(ProductName), QLatin1String(VersionText)).toStdString());
    });
}

void TForm1::FormMouseDown(int x, int y) {
    Handle([&] { Input->FormMouseDown(x, y); });
}

void TForm1::FormKeyDown(int qtKey) {
    TKey key = TKey::Other;
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = TKey::Enter;
        break;
    case Qt::Key_Space:
        key = TKey::Space;
        break;
    case Qt::Key_L:
        key = TKey::L;
        break;
    case Qt::Key_K:
        key = TKey::K;
        break;
    case Qt::Key_C:
        key = TKey::C;
        break;
    case Qt::Key_X:
        key = TKey::X;
        break;
    case Qt::Key_F1:
        Desktop.ShowHelp(MainWindowHelpTopic, this);
        return;
    default:
        return;
    }
    Handle([&] { Input->FormKeyDown(key); });
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Clipped to one rectangle the copy is a plain blit; under the whole region's clip Qt copies
    // span by span and hands larger copies to its worker threads, which costs more than it saves.
    const QRect design = Panel->DesignRect();
    for (const QRect& rect : event->region()) {
        painter.setClipRect(rect);
        Panel->CopyTo(painter, rect & design);
        // A maximised window may be given more room than the design's: the rest is black.
        for (const QRect& beyond : QRegion(rect).subtracted(design))
            painter.fillRect(beyond, Qt::black);
    }
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    FormMouseDown(at.x(), at.y());
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (DisplayKey(*event))
        return;
    FormKeyDown(event->key());
}

void TForm1::RepaintAll() {
    Panel->FormPaint();
    DrawOptionCaptions();
}

void TForm1::Play(SoundId sound) {
    if (!Machine.Closing)
        Sounds.Play(sound);
}

uint32_t TForm1::TickCount() {
    return Clock.TickCount();
}

uint32_t TForm1::UtcMillisecondOfDay() {
    return Clock.UtcMillisecondOfDay();
}

void TForm1::HandleEvents(uint32_t deadline) {
    Clock.WaitUntil(deadline);
}

void TForm1::SetTimer(TimerId timer, bool enabled) {
    QTimer* t = Timers[static_cast<int>(timer)];
    if (enabled)
        t->start();
    else
        t->stop();
}

// The engine's notices come in English, marked for translation in the engine's context.
void TForm1::ShowInformation(const std::string& text) {
    Desktop.ShowInformation(QCoreApplication::translate(SummaryContext, text.c_str()).toStdString());
}

void TForm1::OpenDoubleGame(bool pyramid) {
    OpenDoubleGameWindow(Session, pyramid, *this, this);
}

// Saved after every spin, so a crash or a lost display costs at most the spin under way. A
// save that fails was reported; the next try is the one on closing.
void TForm1::SpinSettled() {
    qCDebug(SpinLog, "settled spin %d bet %d", Session.Spins, Session.Bet());
    AutoSave();
    Accessibility->Settled();
}

// The spin's own save came before the chaser stopped: without this one, a crash before the next
// spin would take the prize back.
void TForm1::PrizeSettled() {
    AutoSave();
    Accessibility->Settled();
}

void TForm1::AutoSave() {
    if (!AutoSaveFailed)
        AutoSaveFailed = !WriteGame(Desktop, Session, CurrentGameSlot, CurrentGameName);
}

} // namespace zorva
