#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "platform/dialog_placement.h"
#include "platform/messages.h"
#include "platform/own_title_bar.h"

namespace zorva {
namespace {

struct TBoxSeen {
    QSize Size;
    QPoint Text;
    bool Frameless = false;
    bool Fixed = false;
};

TBoxSeen ShowAndMeasureABox() {
    TBoxSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.Size = box->size();
        seen.Frameless = box->windowFlags() & Qt::FramelessWindowHint;
        seen.Fixed = box->minimumSize() == box->maximumSize();
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (label->text().startsWith(QLatin1String("You cannot")))
                seen.Text = label->mapTo(box, QPoint());
        box->accept();
    });
    ShowMessageBox(TMessageKind::Information, "You cannot borrow more than 10000 credits.");
    return seen;
}

// Where the game draws the title bars (GNOME, Weston), a message box laid out by Qt grows by its
// bar and border and keeps its text below them, as the bar would otherwise cover the first line.
TEST(OwnTitleBar, AMessageBoxGrowsByItsBarAndKeepsItsTextBelowIt) {
    const TBoxSeen plain = ShowAndMeasureABox();
    ChooseTitleBarsForTesting(true);
    const TBoxSeen framed = ShowAndMeasureABox();
    ChooseTitleBarsForTesting(std::nullopt);

    const QMargins margins = OwnFrameMargins();
    EXPECT_FALSE(plain.Frameless);
    EXPECT_TRUE(framed.Frameless);
    EXPECT_TRUE(framed.Fixed);
    EXPECT_EQ(framed.Size, plain.Size.grownBy(margins));
    EXPECT_EQ(framed.Text, plain.Text + QPoint(margins.left(), margins.top()));
}

} // namespace
} // namespace zorva
