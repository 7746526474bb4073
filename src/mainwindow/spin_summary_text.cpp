#include "mainwindow/spin_summary_text.h"

#include <QCoreApplication>

namespace zorva {

QString TranslatedSummary(const TSpinSummary& summary) {
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
    return text;
}

} // namespace zorva
