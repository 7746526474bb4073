#include "platform/help_text.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/spoken_notices.h"

namespace zorva {
namespace {

void WritePage(const QString& path, const QString& title, const QString& body) {
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>%2</body></html>")
                   .arg(title, body)
                   .toUtf8());
}

// Guards against the manual read as one label that the arrows leave silent: a page is a read-only
// document named by its title, with a caret the arrows move over the lines as the page lays them
// out; Tab speaks each link it reaches, and a new page speaks its title.
TEST(HelpText, APageIsADocumentReadLineByLine) {
    QTemporaryDir folder;
    const QString paragraph =
        QStringLiteral("Fifteen green squares are stacked as a pyramid, and behind every "
                       "square lies one symbol, shuffled anew each time the window opens.");
    WritePage(folder.filePath("odds.html"), "The odds",
              "<p>" + paragraph +
                  "</p><p><a href=\"rules.html\">Rules</a> <a href=\"odds.html\">Odds</a></p>");
    WritePage(folder.filePath("rules.html"), "The rules", "<p>Turn a square.</p>");
    QWidget window;
    auto* text = new THelpText(&window);
    text->resize(200, 400);
    text->setSource(QUrl::fromLocalFile(folder.filePath("odds.html")));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(text);
    EXPECT_EQ(page->role(), QAccessible::Document);
    EXPECT_EQ(page->text(QAccessible::Name), "The odds");
    EXPECT_TRUE(page->state().readOnly);
    QAccessibleTextInterface* lines = page->textInterface();
    ASSERT_NE(lines, nullptr);
    int start = 0;
    int end = 0;
    EXPECT_EQ(lines->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "The odds");
    QStringList wrapped;
    for (QString line = lines->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
         !line.isEmpty() && !line.startsWith("Rules");
         line = lines->textAfterOffset(start, QAccessible::LineBoundary, &start, &end))
        wrapped << line;
    EXPECT_GT(wrapped.size(), 2) << "the paragraph is read a screen line at a time";
    EXPECT_EQ(wrapped.join(' ').simplified(), paragraph);

    text->setFocus();
    testing::TSpokenNotices notices;
    QTest::keyClick(text, Qt::Key_Down);
    lines->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(lines->cursorPosition(), start) << "Down moves the caret to the next line";
    // What one turn of the event loop says is one notice: each key gets its turn.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}) {
        QTest::keyClick(text, key);
        QCoreApplication::processEvents();
    }
    text->setSource(QUrl::fromLocalFile(folder.filePath("rules.html")));
    QCoreApplication::processEvents();
    EXPECT_EQ(notices.Spoken, QStringList({"Link: Rules", "Link: Odds", "The odds", "The rules"}));
    EXPECT_EQ(page->text(QAccessible::Name), "The rules");
}

} // namespace
} // namespace zorva
