#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "doublegames/double_game.h"
#include "engine/host.h"
#include "engine/machine.h"
#include "mainwindow/accessible_machine.h"
#include "mainwindow/artwork_loader.h"
#include "mainwindow/input.h"
#include "mainwindow/layout.h"
#include "mainwindow/machine_face.h"
#include "mainwindow/options_bar.h"
#include "mainwindow/panel.h"
#include "mainwindow/sound_effects.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/screen_facts.h"
#include "platform/sound_player.h"
#include "platform/zoom.h"

class QKeyEvent;
class QTimer;

namespace zorva {

inline constexpr char ProductName[] = "Zorva Slots";
inline constexpr char VersionText[] = "1.1";
inline constexpr int MainWindowHelpTopic = 41004;

// The slot machine's window: it lays the machine out for the screen, paints it, takes the
// player's clicks and keys, runs the options bar, and is the engine's host.
class TForm1 : public QWidget, public THost, public TDoubleGameHost, public TMachineFace {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

  public:
    // soundBackend: the sound device, or a recording fake in tests; clock and desktop likewise.
    // carried: the game of the window this one replaces at another zoom, instead of the saved one.
    TForm1(const QString& programFolder, TSoundBackend& soundBackend, TClock& clock, TDesktop& desktop,
           const TGameSession* carried = nullptr);
    ~TForm1() override;

    TGameSession Session;
    TSlotMachine Machine{Session, *this};
    QString ProgramFolder;
    TScreenFacts Screen;
    std::unique_ptr<TOptionsBar> Options;
    std::unique_ptr<TMachineInput> Input;
    TImageControl* Logo = nullptr;
    // Last, so it goes first: its regions read the panel and the options bar.
    std::unique_ptr<TMachineAccessibility> Accessibility;

    void FormCreate(const TGameSession* carried = nullptr);
    void FormClose();
    void LogoClick();
    void OptionsClick(int tag);
    void FormMouseDown(int x, int y);
    void FormKeyDown(int qtKey);

    // Shows the window as designed: maximised on a screen of small system fonts (below 100 pixels
    // per inch), else at its fixed size.
    void ShowAsDesigned();
    // Full screen (F11), or back to the window as designed.
    void ShowFullScreen(bool on);
    // Ctrl+plus, Ctrl+minus and Ctrl+0 ask for another zoom, F11 switches full screen; whoever made
    // the window remakes it at the new zoom and keeps the player's choice.
    std::function<void(TZoomStep)> ZoomRequested;
    std::function<void(bool)> FullScreenSwitched;
    // Nothing is under way that closing the window would settle: no spin, count-off, open game
    // window or chaser waiting for Stop. Only then can the window be remade at another zoom.
    bool AtRest() const;

    // Asks the window to close as its close box does; mid-spin it closes once the spin has settled.
    void RequestClose();
    // The game in progress goes to "CurrentGame" now.
    void WriteCurrentGame();
    bool Busy() const { return Depth > 0; }

    // THost
    void DrawWheel(int wheel) override { Panel->DrawWheel(wheel); }
    void ClearWheel(int wheel) override { Panel->ClearWheel(wheel); }
    void DrawBlur(int wheel, int offset) override { Panel->DrawBlur(wheel, offset); }
    void CaptureBounce(int wheel) override { Panel->CaptureBounce(wheel); }
    void DrawBounce(int wheel, int shift) override { Panel->DrawBounce(wheel, shift); }
    void HatchLine(int lineIndex) override { Panel->HatchLine(lineIndex); }
    void DrawMeter(TMeter meter) override {
        Panel->DrawMeter(meter);
        Accessibility->MeterChanged(meter);
    }
    void DrawWinnings(bool show) override {
        Panel->DrawWinnings(show);
        Accessibility->WinningsDrawn(show);
    }
    void DrawMysteryBox(int box) override {
        Panel->DrawMysteryBox(box);
        Accessibility->MysteryBoxDrawn(box);
    }
    void DrawMysteryPrize(int box, bool chosen) override {
        Panel->DrawMysteryPrize(box, chosen);
        Accessibility->MysteryPrizeDrawn(box, chosen);
    }
    void DrawStopButton(bool dark) override { Panel->DrawStopButton(dark); }
    void DrawFreeSpinsCount(bool red) override { Panel->DrawFreeSpinsCount(red); }
    void DrawOptionCaptions() override {
        Options->DrawOptionCaptions();
        Accessibility->OptionsDrawn();
    }
    void ClearWinningsText() override { Panel->ClearWinningsText(); }
    void RepaintAll() override;
    void Play(SoundId sound) override;
    uint32_t TickCount() override;
    uint32_t UtcMillisecondOfDay() override;
    void HandleEvents(uint32_t deadline) override;
    void SetTimer(TimerId timer, bool enabled) override;
    void ShowInformation(const std::string& text) override;
    void OpenDoubleGame(bool pyramid) override;
    void SpinSettled() override;
    void PrizeSettled() override;
    void Announce(TAnnouncement what) override { Accessibility->Announce(what); }
    void BetRefused(TBetChange change) override { Accessibility->BetRefused(change); }

    // TDoubleGameHost
    void Pause(double seconds) override { Machine.Pause(seconds); }
    void ShowHelp(int topic, QWidget* window) override { Desktop.ShowHelp(topic, window); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    TClock& Clock;
    TDesktop& Desktop;
    TSoundPlayer Player;
    TSoundEffects Sounds;
    std::array<QTimer*, TimerCount> Timers{};
    // How many of the window's handlers are running, one inside another; the engine's waits
    // handle events, so a click or a close can arrive in the middle of a spin.
    int Depth = 0;
    bool CloseRequested = false;
    bool Closed = false;
    bool AutoSaveFailed = false;
    // Saves the game in progress; after a failure, which was reported, only closing tries again.
    void AutoSave();

    // Runs one handler's work, and closes the window once the outermost handler is done if a
    // close came in meanwhile.
    void Handle(const std::function<void()>& work);
    void CreateTimers();
    // Ctrl+plus, Ctrl+minus, Ctrl+0 and F11; true when the key was one of them.
    bool DisplayKey(const QKeyEvent& event);
    void PlaceWindow(bool maximised);
    bool OpensMaximised() const { return Screen.PixelsPerInch < 100; }
    void OpenWebPage();
};

} // namespace zorva
