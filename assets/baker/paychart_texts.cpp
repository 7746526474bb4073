#include "paychart_texts.h"

#include "art/program_art.h"

#include <stdexcept>
#include <vector>

namespace zorva::bake {

namespace {

const std::vector<TPaychartTexts>& PaychartLanguages() {
    static const std::vector<TPaychartTexts> languages{
        {
            "",
            "ZORVA SLOTS  PAYOFF CHART",
            "PAYS PER COIN",
            "FREE SPINS PAY PER COIN",
            "or WILD",
            "any mix",
            "Return per coin on every free-spin line: %1",
            "RETURN PER COIN OF EACH PAYLINE",
            "DOUBLE PAYOFFS:",
            "each WILD on a winning line doubles its pay: one WILD pays x2, two WILDs x4. "
            "Three WILDs pay %1 per coin.",
            "BONUS POOL:",
            "every WILD showing after a paid spin adds %1 credits to the pool. Each winning globe line "
            "takes one of the %2 globes; take the last one and the whole pool is yours.",
            "FREE SPINS:",
            "each winning dollar line takes one of the %1 dollars; take the last one for %2 FREE spins on "
            "the special wheels, paid by the table on the right.",
            "MYSTERY BONUS:",
            "a ? box on the centre wheel starts the chaser. Stop it to open a box worth %1, %2 or %3 "
            "times your coins per line.",
        },
        {
            "de",
            "ZORVA SLOTS  GEWINNPLAN",
            "GEWINN PRO MÜNZE",
            "FREISPIELE: GEWINN PRO MÜNZE",
            "oder WILD",
            "gemischt",
            "Mittlerer Gewinn pro Münze je Freispiel-Linie: %1",
            "MITTLERER GEWINN PRO MÜNZE JE GEWINNLINIE",
            "DOPPELTER GEWINN:",
            "Jedes WILD auf einer Gewinnlinie verdoppelt ihren Gewinn: Ein WILD zahlt x2, zwei WILDs x4. "
            "Drei WILDs zahlen %1 pro Münze.",
            "BONUSPOOL:",
            "Jedes WILD, das nach einer bezahlten Drehung zu sehen ist, bringt %1 Credits in den Pool. Jede "
            "Gewinnlinie aus Globen nimmt einen der %2 Globen; mit dem letzten gehört Ihnen der ganze Pool.",
            "FREISPIELE:",
            "Jede Gewinnlinie aus Dollars nimmt einen der %1 Dollars; der letzte bringt %2 FREISPIELE auf "
            "den Sonderwalzen, bezahlt nach der Tabelle rechts.",
            "MYSTERY-BONUS:",
            "Ein ?-Symbol auf der mittleren Walze startet das Lauflicht. Halten Sie es an: Das Kästchen, auf "
            "dem es steht, bringt das %1-, %2- oder %3-Fache Ihrer Münzen pro Linie.",
        },
    };
    return languages;
}

} // namespace

const TPaychartTexts& PaychartTexts(const QString& language) {
    for (const TPaychartTexts& texts : PaychartLanguages())
        if (language == QLatin1String(texts.Language))
            return texts;
    throw std::runtime_error("the payoff chart has no texts in the language \"" + language.toStdString() +
                             "\"");
}

QString PaychartFileName(const TPaychartTexts& texts) {
    const QString english = QString::fromLatin1(art::program::Paychart.FileName);
    if (*texts.Language == '\0')
        return english;
    return english.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') + QLatin1String(texts.Language) +
           QStringLiteral(".bmp");
}

} // namespace zorva::bake
