#pragma once
#include <QString>

namespace zorva::bake {

// Every sentence of the payoff chart in one language. %1, %2 … are filled from the engine's tables.
struct TPaychartTexts {
    QString Language; // empty for the source English, else the language code of the file name
    QString Title;
    QString PaysPerCoin;
    QString FreeSpinsPayPerCoin;
    QString OrWild;
    QString AnyMix;
    QString FreeLineReturn; // %1: the return
    QString LineReturns;
    QString DoublePayoffsTitle;
    QString DoublePayoffs; // %1: three wilds per coin
    QString BonusPoolTitle;
    QString BonusPool; // %1: credits per wild, %2: globes in the row
    QString FreeSpinsTitle;
    QString FreeSpins; // %1: dollars in the row, %2: free spins per award
    QString MysteryTitle;
    QString Mystery; // %1, %2, %3: the prizes, smallest first
};

// The English texts.
TPaychartTexts EnglishPaychartTexts();

// The texts of the language of a translations/zorva_<language>.ts file, read from it; a sentence it
// has not translated yet stays English. Throws when the file cannot be read.
TPaychartTexts PaychartTexts(const QString& translationFile);

// Where the chart of a language is stored: Paychart.bmp for English, Paychart.<language>.bmp otherwise.
QString PaychartFileName(const TPaychartTexts& texts);

} // namespace zorva::bake
