#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/help_viewer.h"

namespace zorva {
namespace {

// A wait that returns before its deadline turns the spin animation into a busy loop; a sound's wait
// that ends short of its length, even by a part of a millisecond, lets the next sound cut its end.
TEST(WaitUntil, NeverReturnsBeforeTheDeadline) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    for (const uint32_t length : {1u, 7u, 25u}) {
        const uint32_t deadline = TickCount() + length;
        WaitUntil(deadline);
        EXPECT_GE(static_cast<int32_t>(TickCount() - deadline), 0) << length;
        QElapsedTimer held;
        held.start();
        WaitAtLeastExcludingInput(static_cast<int>(length));
        EXPECT_GE(held.nsecsElapsed(), qint64{length} * 1'000'000) << length;
    }
    WaitUntil(TickCount() - 5); // a deadline already past returns at once
}

// F1 in a window must land on its own chapter, and a chapter not written yet on the contents
// rather than on an empty page.
TEST(HelpPage, TopicChapterOrTheContents) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile chapter(QDir(folder.path()).filePath("topic-41006.html"));
    ASSERT_TRUE(chapter.open(QIODevice::WriteOnly));
    chapter.close();
    SetHelpFolder(folder.path());
    EXPECT_EQ(HelpPage(41006).fileName(), "topic-41006.html");
    EXPECT_EQ(HelpPage(41008).fileName(), "index.html");
    EXPECT_EQ(HelpPage(0).fileName(), "index.html");
}

} // namespace
} // namespace zorva
