#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "platform/text_input.h"

namespace zorva {
namespace {

// Answers the real box once it is up, after checking what it offers the player.
void AnswerTheBox(bool confirm, QString* caption, QString* selected, int* maxLength) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *caption = box->windowTitle();
        auto* field = box->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        *selected = field->selectedText();
        *maxLength = field->maxLength();
        field->setText(QStringLiteral("Late night"));
        confirm ? box->accept() : box->reject();
    });
}

// Guards the text-input box itself: the proposal wholly selected, so typing replaces it, the limit
// of 255 characters, and Cancel telling "no name" apart from an empty one.
TEST(TextInputBox, OffersTheProposalAllSelectedAndTellsConfirmFromCancel) {
    QString caption;
    QString selected;
    int maxLength = 0;
    AnswerTheBox(true, &caption, &selected, &maxLength);
    EXPECT_EQ(AskText({"Name for this saved game?", "", "GameNo3", 255}),
              std::optional<std::string>("Late night"));
    EXPECT_EQ(caption, "Name for this saved game?");
    EXPECT_EQ(selected, "GameNo3");
    EXPECT_EQ(maxLength, 255);

    AnswerTheBox(false, &caption, &selected, &maxLength);
    EXPECT_EQ(AskText({"Name for this saved game?", "", "GameNo3", 255}), std::nullopt);
}

} // namespace
} // namespace zorva
