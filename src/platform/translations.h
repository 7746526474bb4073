#pragma once
#include <QLocale>
#include <QString>

namespace zorva {

// Puts the program's texts, and Qt's own for its standard buttons, into the language of the locale:
// the program's from <program folder>/translations/zorva_<lang>.qm, Qt's from Qt's translations
// folder. Numbers take the locale's forms too. Replaces whatever an earlier call installed; without a
// translation for any of the locale's languages the English source texts stay.
void InstallTranslations(const QString& programFolder, const QLocale& locale = QLocale::system());

// The language of the program's texts now: "de" and the like, empty for the English source texts.
QString ProgramLanguage();

// A file of the program folder in the program's language: <folder>/<language>/<name> when that
// exists, else <folder>/<name>.
QString FileInLanguage(const QString& folder, const QString& name);

} // namespace zorva
