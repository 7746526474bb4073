#pragma once
#include <QString>

namespace zorva::bake {

// Every sentence of the payoff chart in one language. %1, %2 … are filled from the engine's tables.
struct TPaychartTexts {
    const char* Language; // "" for the source English, else the language code of the file name
    const char* Title;
    const char* PaysPerCoin;
    const char* FreeSpinsPayPerCoin;
    const char* OrWild;
    const char* AnyMix;
    const char* FreeLineReturn; // %1: the return
    const char* LineReturns;
    const char* DoublePayoffsTitle;
    const char* DoublePayoffs; // %1: three wilds per coin
    const char* BonusPoolTitle;
    const char* BonusPool; // %1: credits per wild, %2: globes in the row
    const char* FreeSpinsTitle;
    const char* FreeSpins; // %1: dollars in the row, %2: free spins per award
    const char* MysteryTitle;
    const char* Mystery; // %1, %2, %3: the prizes, smallest first
};

// The texts of one language ("" for English); throws when the table has none. A new language is one
// more entry in the table and one more name in the build's list of picture languages.
const TPaychartTexts& PaychartTexts(const QString& language);

// Where the chart of a language is stored: Paychart.bmp for English, Paychart.<language>.bmp otherwise.
QString PaychartFileName(const TPaychartTexts& texts);

} // namespace zorva::bake
