#include <QDir>
#include <QUrl>

#include "app/unit1.h"
#include "bank/borrow.h"
#include "bank/payoffs.h"
#include "bank/save.h"
#include "bank/stats.h"
#include "mainwindow/spin_summary_text.h"
#include "platform/translations.h"

namespace zorva {

namespace {

// The last spin's summary as the message box shows it, cut at its longest.
std::string SummaryForDisplay(const TSpinSummary& summary) {
    return TranslatedSummary(summary).left(static_cast<int>(MaxSummaryLength)).toStdString();
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
            Options->SetHint(option::PayMode, Session.PayMode ? tr("Paymode is Count Off Credits")
                                                              : tr("Paymode is Instant Payoff"));
            DrawOptionCaptions();
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
            if (Desktop.AskYesNo(tr("Start a New Game?").toStdString())) {
                Machine.NewGame();
                WriteCurrentGame();
            }
            break;
        case option::Summary:
            Desktop.ShowInformation(
                Session.LastSpinSummary.empty()
                    ? tr("You must spin before viewing a summary of the last spin.").toStdString()
                    : SummaryForDisplay(Session.LastSpinSummary));
            break;
        case option::AutoSpin:
            Session.AutoSpin = !Session.AutoSpin;
            Options->SetHint(option::AutoSpin,
                             Session.AutoSpin ? tr("Auto Spin Mode: On") : tr("Auto Spin Mode: Off"));
            DrawOptionCaptions();
            if (Session.AutoSpin && !Session.Spinning)
                Machine.RequestSpin();
            break;
        case option::Exit:
            if (Desktop.AskYesNo(tr("Are you sure you want to exit the game?").toStdString()))
                RequestClose();
            break;
        case option::Sound:
            Session.Sound = !Session.Sound;
            Options->SetHint(option::Sound, Session.Sound ? tr("Sound is On") : tr("Sound is Off"));
            DrawOptionCaptions();
            Sounds.SoundSettingChanged();
            break;
        case option::WebSite:
            OpenWebPage();
            break;
        case option::Double:
            Session.Double = !Session.Double;
            Options->SetHint(option::Double, Session.Double ? tr("Double or Nothing Game is On")
                                                            : tr("Double or Nothing Game is Off"));
            DrawOptionCaptions();
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
    const QUrl page = QUrl::fromLocalFile(
        FileInLanguage(QDir(ProgramFolder).filePath(QStringLiteral("www")), QStringLiteral("index.html")));
    if (Desktop.OpenInBrowser(page))
        return;
    Desktop.ShowError(tr("Could not find a web browser on your system!").toStdString());
    Desktop.ShowInformation(
        tr("Do visit the Zorva Slots home page some time: open www/index.html in the game's "
           "folder with any web browser. It has the news, the manual and how to report a problem.")
            .toStdString());
}

} // namespace zorva
