#include <QDir>
#include <QUrl>

#include "app/unit1.h"
#include "bank/borrow.h"
#include "bank/payoffs.h"
#include "bank/save.h"
#include "bank/stats.h"
#include "platform/translations.h"

namespace zorva {

namespace {

// The last spin's summary in the player's language, each line on its own in the message box.
std::string SummaryForDisplay(const TSpinSummary& summary) {
    QString text;
    for (const TSummaryLine& line : summary) {
        if (line.Break == TSummaryBreak::Before)
            text += QLatin1Char('\n');
        text += QCoreApplication::translate(SummaryContext, line.Pattern)
                    .replace(QLatin1String("%1"), QString::number(line.First))
                    .replace(QLatin1String("%2"), QString::number(line.Second));
        if (line.Break == TSummaryBreak::After)
            text += QLatin1Char('\n');
    }
    return text.left(static_cast<int>(MaxSummaryLength)).toStdString();
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
            Options->SetHint(1, Session.PayMode ? tr("Paymode is Count Off Credits")
                                                : tr("Paymode is Instant Payoff"));
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
            if (Desktop.AskYesNo(tr("Start a New Game?").toStdString())) {
                Machine.NewGame();
                WriteCurrentGame();
            }
            break;
        case 5:
            Desktop.ShowInformation(
                Session.LastSpinSummary.empty()
                    ? tr("You must spin before viewing a summary of the last spin.").toStdString()
                    : SummaryForDisplay(Session.LastSpinSummary));
            break;
        case 6:
            Session.AutoSpin = !Session.AutoSpin;
            Options->SetHint(6, Session.AutoSpin ? tr("Auto Spin Mode: On") : tr("Auto Spin Mode: Off"));
            Options->DrawOptionCaptions();
            if (Session.AutoSpin && !Session.Spinning)
                Machine.RequestSpin();
            break;
        case 7:
            if (Desktop.AskYesNo(tr("Are you sure you want to exit the game?").toStdString()))
                RequestClose();
            break;
        case 8:
            Session.Sound = !Session.Sound;
            Options->SetHint(8, Session.Sound ? tr("Sound is On") : tr("Sound is Off"));
            Options->DrawOptionCaptions();
            Sounds.SoundSettingChanged();
            break;
        case 9:
            OpenWebPage();
            break;
        case 10:
            Session.Double = !Session.Double;
            Options->SetHint(10, Session.Double ? tr("Double or Nothing Game is On")
                                                : tr("Double or Nothing Game is Off"));
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
