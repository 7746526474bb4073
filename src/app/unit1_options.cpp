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
        case 0:
            Desktop.ShowHelp(HelpContents, this);
            break;
        case 1:
            Session.PayMode = !Session.PayMode;
            Options->SetHint(1,
                             Session.PayMode ? "Paymode is Count Off Credits" : "Paymode is Instant Payoff");
            Options->DrawOptionCaptions();
            break;
        case 2:
            OpenPaychart(ProgramFolder, Desktop, this);
            break;
        case 3:
            OpenBorrowDialog(Session, Desktop, this);
            RepaintAll();
            WriteCurrentGame();
            break;
        case 4:
            if (Desktop.AskYesNo("Start a New Game?")) {
                Machine.NewGame();
                WriteCurrentGame();
            }
            break;
        case 5:
            Desktop.ShowInformation(Session.LastSpinSummary.empty()
                                        ? "You must spin before viewing a summary of the last spin."
                                        : ForDisplay(Session.LastSpinSummary));
            break;
        case 6:
            Session.AutoSpin = !Session.AutoSpin;
            Options->SetHint(6, Session.AutoSpin ? "Auto Spin Mode: On" : "Auto Spin Mode: Off");
            Options->DrawOptionCaptions();
            if (Session.AutoSpin && !Session.Spinning)
                Machine.RequestSpin();
            break;
        case 7:
            if (Desktop.AskYesNo("Are you sure you want to exit the game?"))
                RequestClose();
            break;
        case 8:
            Session.Sound = !Session.Sound;
            Options->SetHint(8, Session.Sound ? "Sound is On" : "Sound is Off");
            Options->DrawOptionCaptions();
            Sounds.SoundSettingChanged();
            break;
        case 9:
            OpenWebPage();
            break;
        case 10:
            Session.Double = !Session.Double;
            Options->SetHint(10, Session.Double ? "Double or Nothing Game is On"
                                                : "Double or Nothing Game is Off");
            Options->DrawOptionCaptions();
            break;
        case 11:
            OpenSlotDialog(Session, TSlotDialogMode::Save, Desktop, this);
            break;
        case 12:
            OpenSlotDialog(Session, TSlotDialogMode::Open, Desktop, this);
            RepaintAll();
            break;
        case 13:
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
