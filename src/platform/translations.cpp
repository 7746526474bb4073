#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace zorva {

namespace {

struct TInstalled {
    std::unique_ptr<QTranslator> Program;
    std::unique_ptr<QTranslator> Qt;
    QString Language;
};

TInstalled& Installed() {
    static TInstalled installed;
    return installed;
}

std::unique_ptr<QTranslator> Loaded(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

void InstallTranslations(const QString& programFolder, const QLocale& locale) {
    TInstalled& installed = Installed();
    for (QTranslator* translator : {installed.Program.get(), installed.Qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    installed = {};
    QLocale::setDefault(locale);

    installed.Program =
        Loaded(locale, QStringLiteral("zorva"), QDir(programFolder).filePath(QStringLiteral("translations")));
    // Qt's buttons follow only a language the program speaks, so a box is never half translated.
    if (!installed.Program)
        return;
    installed.Language = installed.Program->language().section(QLatin1Char('_'), 0, 0);
    installed.Qt =
        Loaded(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString ProgramLanguage() {
    return Installed().Language;
}

QString FileInLanguage(const QString& folder, const QString& name) {
    const QDir dir(folder);
    const QString language = ProgramLanguage();
    const QString translated = dir.filePath(language + QLatin1Char('/') + name);
    if (!language.isEmpty() && QFileInfo::exists(translated))
        return translated;
    return dir.filePath(name);
}

} // namespace zorva
