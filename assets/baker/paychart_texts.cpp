#include "paychart_texts.h"

#include "art/program_art.h"
#include "bank/paychart_texts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <stdexcept>

namespace zorva::bake {

namespace {

// Every sentence with where it goes, so that English and each translation fill the same fields.
const std::pair<const char*, QString TPaychartTexts::*> Sentences[] = {
    {paychart::Title, &TPaychartTexts::Title},
    {paychart::PaysPerCoin, &TPaychartTexts::PaysPerCoin},
    {paychart::FreeSpinsPayPerCoin, &TPaychartTexts::FreeSpinsPayPerCoin},
    {paychart::OrWild, &TPaychartTexts::OrWild},
    {paychart::AnyMix, &TPaychartTexts::AnyMix},
    {paychart::FreeLineReturn, &TPaychartTexts::FreeLineReturn},
    {paychart::LineReturns, &TPaychartTexts::LineReturns},
    {paychart::DoublePayoffsTitle, &TPaychartTexts::DoublePayoffsTitle},
    {paychart::DoublePayoffs, &TPaychartTexts::DoublePayoffs},
    {paychart::BonusPoolTitle, &TPaychartTexts::BonusPoolTitle},
    {paychart::BonusPool, &TPaychartTexts::BonusPool},
    {paychart::FreeSpinsTitle, &TPaychartTexts::FreeSpinsTitle},
    {paychart::FreeSpins, &TPaychartTexts::FreeSpins},
    {paychart::MysteryTitle, &TPaychartTexts::MysteryTitle},
    {paychart::Mystery, &TPaychartTexts::Mystery},
};

// The finished translations of the chart's context in a Qt Linguist file, by source text.
QHash<QString, QString> ChartTranslations(const QString& translationFile) {
    QFile file(translationFile);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + translationFile.toStdString());
    QHash<QString, QString> found;
    QXmlStreamReader xml(&file);
    bool inChart = false;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"context") {
            inChart = false;
        } else if (xml.name() == u"name") {
            inChart = xml.readElementText() == QLatin1String(paychart::Context);
        } else if (inChart && xml.name() == u"source") {
            source = xml.readElementText();
        } else if (inChart && xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            if (finished && !text.isEmpty())
                found.insert(source, text);
        }
    }
    if (xml.hasError())
        throw std::runtime_error(translationFile.toStdString() + ": " + xml.errorString().toStdString());
    return found;
}

} // namespace

TPaychartTexts EnglishPaychartTexts() {
    TPaychartTexts texts;
    for (const auto& [english, field] : Sentences)
        texts.*field = QString::fromUtf8(english);
    return texts;
}

TPaychartTexts PaychartTexts(const QString& translationFile) {
    TPaychartTexts texts = EnglishPaychartTexts();
    texts.Language = QFileInfo(translationFile).completeBaseName().section(QLatin1Char('_'), 1);
    const QHash<QString, QString> translated = ChartTranslations(translationFile);
    for (const auto& [english, field] : Sentences)
        texts.*field = translated.value(QString::fromUtf8(english), texts.*field);
    return texts;
}

QString PaychartFileName(const TPaychartTexts& texts) {
    const QString english = QString::fromLatin1(art::program::Paychart.FileName);
    if (texts.Language.isEmpty())
        return english;
    return english.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') + texts.Language + QStringLiteral(".bmp");
}

} // namespace zorva::bake
