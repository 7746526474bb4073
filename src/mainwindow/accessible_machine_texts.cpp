// What the machine's window reads out: each meter as a person would say it, the wheels by their
// symbols' names, the Mystery Bonus, and the announcements of what has just happened.
#include <QCoreApplication>
#include <QStringList>

#include "mainwindow/accessible_machine.h"
#include "mainwindow/spin_summary_text.h"

namespace zorva {

namespace {

constexpr std::array<const char*, SymbolCount> SymbolNames{
    QT_TRANSLATE_NOOP("Accessibility", "Wild"),    QT_TRANSLATE_NOOP("Accessibility", "Seven"),
    QT_TRANSLATE_NOOP("Accessibility", "Globe"),   QT_TRANSLATE_NOOP("Accessibility", "Diamond"),
    QT_TRANSLATE_NOOP("Accessibility", "Bell"),    QT_TRANSLATE_NOOP("Accessibility", "Dollar"),
    QT_TRANSLATE_NOOP("Accessibility", "Cherries"), QT_TRANSLATE_NOOP("Accessibility", "Planet"),
    QT_TRANSLATE_NOOP("Accessibility", "Comet"),   QT_TRANSLATE_NOOP("Accessibility", "Moon"),
    QT_TRANSLATE_NOOP("Accessibility", "Mystery"), QT_TRANSLATE_NOOP("Accessibility", "Blank"),
};

QString SymbolName(uint8_t code) {
    return code < SymbolCount ? QCoreApplication::translate("Accessibility", SymbolNames[code]) : QString();
}

// The summary's lines as spoken sentences: each ends in a full stop so that speech pauses there.
QStringList SummarySentences(const TSpinSummary& summary) {
    QStringList sentences;
    for (QString line : TranslatedSummary(summary).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (!line.endsWith(QLatin1Char('.')))
            line += QLatin1Char('.');
        sentences << line;
    }
    return sentences;
}

} // namespace

QString TMachineAccessibility::MeterText(TMeter meter) const {
    switch (meter) {
    case TMeter::Credits:
        return QCoreApplication::translate("Accessibility", "Credits: %1").arg(Session.Credits);
    case TMeter::BonusPool:
    case TMeter::GlobeRow:
        return QCoreApplication::translate("Accessibility", "Bonus Pool: %1 credits; globes still needed: %2")
            .arg(Session.BonusPool)
            .arg(std::max(Session.Globes, 0));
    case TMeter::DollarRow:
        return QCoreApplication::translate("Accessibility", "Win 3 FREE Spins: dollars still needed: %1")
            .arg(std::max(Session.Dollars, 0));
    case TMeter::LinesPlayed:
        return QCoreApplication::translate("Accessibility", "Lines Played: %1").arg(Session.LinesPlayed);
    case TMeter::CoinsPerLine:
        return QCoreApplication::translate("Accessibility", "Coins per Line: %1").arg(Session.CoinsPerLine);
    case TMeter::CoinsPlayed:
        return QCoreApplication::translate("Accessibility", "Coins Played: %1").arg(Session.Bet());
    }
    return {};
}

// While the wheels run their result is already drawn but not yet shown; the tree keeps it too.
QString TMachineAccessibility::WheelsText() const {
    if (Session.Spinning && SpinNumber() != SettledSpin)
        return QCoreApplication::translate("Accessibility", "Wheels: spinning");
    std::array<QString, WheelCount> names;
    for (int w = 0; w < WheelCount; ++w)
        names[w] = SymbolName(Machine.SymbolAt(w));
    return QCoreApplication::translate("Accessibility",
                                       "Wheels: top row %1, %2, %3; middle row %4, %5, %6; bottom row %7, %8, %9")
        .arg(names[0], names[1], names[2], names[3], names[4], names[5], names[6], names[7], names[8]);
}

QString TMachineAccessibility::MysteryText() const {
    if (Machine.TimerEnabled(TimerId::Timer1))
        return QCoreApplication::translate("Accessibility",
                                           "Mystery Bonus: the chaser is on box %1; press Stop to take its prize")
            .arg(Machine.MysteryPick + 1);
    if (ChosenBox >= 0) {
        QStringList prizes;
        for (int box = 0; box < MysteryBoxCount; ++box)
            prizes << QString::number(Machine.MysteryPrizes[box]);
        return QCoreApplication::translate("Accessibility", "Mystery Bonus: box %1 won %2 credits; the boxes held %3")
            .arg(ChosenBox + 1)
            .arg(Machine.MysteryPrizes[ChosenBox])
            .arg(prizes.join(QStringLiteral(", ")));
    }
    return QCoreApplication::translate("Accessibility",
                                       "Mystery Bonus: eight boxes; a Mystery symbol on the centre wheel starts the chaser");
}

QString TMachineAccessibility::AnnouncementText(TAnnouncement what) {
    switch (what) {
    case TAnnouncement::SpinOutcome: {
        QStringList parts;
        if (Machine.FreeSpinMode)
            parts << QCoreApplication::translate("Accessibility", "Free spin.");
        parts << SummarySentences(Session.LastSpinSummary);
        if (Session.SpinWinnings > 0)
            parts << QCoreApplication::translate("Accessibility", "Winnings: %1.").arg(Session.SpinWinnings);
        if (!Machine.FreeSpinMode && Session.FreeSpinsLeft > 0)
            parts << QCoreApplication::translate("Accessibility", "Won %1 free spins.").arg(Session.FreeSpinsLeft);
        return parts.join(QLatin1Char(' '));
    }
    case TAnnouncement::CountOffEnded:
        return QCoreApplication::translate("Accessibility", "Count-off finished. Credits: %1.").arg(Session.Credits);
    case TAnnouncement::FreeSpinsStarted:
        return QCoreApplication::translate("Accessibility", "Free spins start: %1 free spins.")
            .arg(Session.FreeSpinsLeft);
    case TAnnouncement::FreeSpinsEnded:
        return QCoreApplication::translate("Accessibility", "Free spins are over. They paid %1 credits.")
            .arg(Session.Credits - CreditsAtFreeSpins);
    case TAnnouncement::MysteryChaserStarted:
        return QCoreApplication::translate(
            "Accessibility", "Mystery Bonus! The chaser is running: press Stop to take the prize of the lit box.");
    case TAnnouncement::MysteryAwarded:
        return QCoreApplication::translate("Accessibility", "Won %1 credit bonus.").arg(Session.SpinWinnings);
    }
    return {};
}

QString TMachineAccessibility::CreditsText() const {
    return QCoreApplication::translate("Accessibility", "Credits: %1.").arg(Session.Credits);
}

// The buzz of a refused change, in words: a bet the credits cannot cover is refused in the words
// of the spin's own refusal.
QString TMachineAccessibility::RefusalText(TBetChange change) const {
    if (Session.Spinning)
        return QCoreApplication::translate("Accessibility", "The bet cannot change during a spin.");
    const bool lines = change == TBetChange::LinesUp || change == TBetChange::LinesDown;
    const bool up = change == TBetChange::LinesUp || change == TBetChange::CoinsUp;
    const int32_t value = lines ? Session.LinesPlayed : Session.CoinsPerLine;
    const QString meter = MeterText(lines ? TMeter::LinesPlayed : TMeter::CoinsPerLine);
    if (!up)
        return QCoreApplication::translate("Accessibility", "%1, the least.").arg(meter);
    if (value >= MostPerBet)
        return QCoreApplication::translate("Accessibility", "%1, the most.").arg(meter);
    return QCoreApplication::translate("TSlotMachine", "You do not have enough credits for that bet,");
}

} // namespace zorva
