#include <QDir>
#include <QUrl>

#include "app/unit1.h"
#include "bank/borrow.h"
#include "bank/payoffs.h"
#include "bank/save.h"
#include "bank/stats.h"

namespace zorva {

namespace {

// Summaries end their lines the Windows way; a message box wants plain line feeds.
std::string ForDisplay(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

} // namespace

void TForm1::OptionsClick(int tag) {
    Handle([&] {
        switch (tag) {
        case option::Help:
            Desktop.ShowHelp(HelpContents, this);
            break;
        case option::PayMode:
            Session.PayMode = !Session.PayMode;
            Options->SetHint(option::PayMode,
                             Session.PayMode ? "Paymode is Count Off Credits" : "Paymode is Instant Payoff");
            Options->DrawOptionCaptions();
            break;
        case option::PayChart:
            OpenPaychart(ProgramFolder, Desktop, this);
            break;
        case option::Borrow:
            OpenBorrowDialog(Session, Desktop, this);
            RepaintAll();
            WriteCurrentGame();
            break;
        case option::NewGame:
            if (Desktop.AskYesNo("Start a New Game?")) {
                Machine.NewGame();
                WriteCurrentGame();
            }
            break;
        case option::Summary:
            Desktop.ShowInformation(Session.LastSpinSummary.empty()
                                        ? "You must spin before viewing a summary of the last spin."
                                        : ForDisplay(Session.LastSpinSummary));
            break;
        case option::AutoSpin:
            Session.AutoSpin = !Session.AutoSpin;
            Options->SetHint(option::AutoSpin,
                             Session.AutoSpin ? "Auto Spin Mode: On" : "Auto Spin Mode: Off");
            Options->DrawOptionCaptions();
            if (Session.AutoSpin && !Session.Spinning)
                Machine.RequestSpin();
            break;
        case option::Exit:
            if (Desktop.AskYesNo("Are you sure you want to exit the game?"))
                RequestClose();
            break;
        case option::Sound:
            Session.Sound = !Session.Sound;
            Options->SetHint(option::Sound, Session.Sound ? "Sound is On" : "Sound is Off");
            Options->DrawOptionCaptions();
            Sounds.SoundSettingChanged();
            break;
        case option::WebSite:
            OpenWebPage();
            break;
        case option::Double:
            Session.Double = !Session.Double;
            Options->SetHint(option::Double, Session.Double ? "Double or Nothing Game is On"
                                                            : "Double or Nothing Game is Off");
            Options->DrawOptionCaptions();
            break;
        case option::SaveGame:
            OpenSlotDialog(Session, TSlotDialogMode::Save, Desktop, this);
            break;
        case option::LoadGame:
            OpenSlotDialog(Session, TSlotDialogMode::Open, Desktop, this);
            RepaintAll();
            break;
        case option::Stats:
            OpenStatistics(Session, Desktop, this);
            break;
        default:
            break;
        }
    });
}

// The game's own page, which travels with the program, in the user's browser.
void TForm1::OpenWebPage() {
    const QUrl page = QUrl::fromLocalFile(QDir(ProgramFolder).filePath(QStringLiteral("www/index.html")));
    if (Desktop.OpenInBrowser(page))
        return;
    Desktop.ShowError("Could not find a web browser on your system!");
    Desktop.ShowInformation(
        "Do visit the Zorva Slots home page some time: open www/index.html in the game's "
        "folder with any web browser. It has the news, the manual and how to report a problem.");
}

} // namespace zorva
