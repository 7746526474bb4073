#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(const QColor& colour) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What the viewer paints behind a block: its own background, its table cell's, its table's or the page's.
QColor BackgroundOf(const QTextBlock& block) {
    if (block.blockFormat().background().style() != Qt::NoBrush)
        return block.blockFormat().background().color();
    const QTextCursor cursor(block);
    if (QTextTable* table = cursor.currentTable()) {
        const QBrush cell = table->cellAt(cursor).format().background();
        if (cell.style() != Qt::NoBrush)
            return cell.color();
        if (table->format().background().style() != Qt::NoBrush)
            return table->format().background().color();
    }
    const QBrush page = block.document()->rootFrame()->frameFormat().background();
    return page.style() != Qt::NoBrush ? page.color() : QColor(Qt::white);
}

// A heading in the page's own pale yellow, meant for the banner's black, is lost on the cream page.
TEST(HelpHeadings, EveryHeadingStandsOutFromWhatIsBehindIt) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "help_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    const QDir help(QDir(QStringLiteral(ZORVA_PROGRAM_FOLDER)).filePath(QStringLiteral("help")));
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(pages.isEmpty()) << "no manual in " << help.path().toStdString();
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        QTextDocument document;
        // The style sheet is found beside the page, as the help viewer finds it.
        document.setMetaInformation(QTextDocument::DocumentUrl, QUrl::fromLocalFile(help.filePath(page)).toString());
        document.setHtml(QString::fromUtf8(file.readAll()));
        int headings = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0 || block.text().trimmed().isEmpty())
                continue;
            ++headings;
            const QColor text = block.begin().fragment().charFormat().foreground().color();
            const QColor behind = BackgroundOf(block);
            EXPECT_GE(Contrast(text, behind), 4.5)
                << page.toStdString() << ": \"" << block.text().toStdString() << "\" in " << text.name().toStdString()
                << " on " << behind.name().toStdString();
        }
        EXPECT_GT(headings, 0) << page.toStdString();
    }
}

} // namespace
