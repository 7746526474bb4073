#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "bank/save.h"
#include "platform/help_viewer.h"
#include "saved_fields.h"
#include "temporary_config_home.h"

#include "support/qt_printers.h"

namespace zorva {
namespace {

class SlotDialogWindow : public TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        desktop_.Typed = [this](const TTextRequest& request) {
            proposals_.push_back(request.Proposed);
            return std::optional<std::string>(request.Proposed);
        };
        SetHelpFolder(QString::fromStdString(Home()));
        game_ = ExampleSession();
    }

    TGameSession game_;
    std::vector<std::string> proposals_;
};

// Guards the layout of the panels and what each shows: a misplaced or swapped label would show one
// slot's figures under another's name.
TEST_F(SlotDialogWindow, TheCaptionFollowsTheModeAndEachPanelShowsItsSlotAtItsPlace) {
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 2, "Friday night"));
    TLoadSave save(game_, TSlotDialogMode::Save, desktop_);
    EXPECT_EQ(save.windowTitle(), "Save a Game -- Select Game Slot");
    EXPECT_EQ(save.size(), QSize(616, 360));
    save.reject();
    TLoadSave open(game_, TSlotDialogMode::Open, desktop_);
    EXPECT_EQ(open.windowTitle(), "Open a Game -- Select Game Slot");

    EXPECT_EQ(open.Name[2]->text(), "Friday night");
    EXPECT_EQ(open.Game[2]->text(), "Zorva Slots");
    EXPECT_EQ(open.date[2]->text(), "12/01/96");
    EXPECT_EQ(open.credits[2]->text(), "1250 Credits");
    EXPECT_EQ(open.borrowed[2]->text(), "1100 Borrowed");
    EXPECT_EQ(open.Name[6]->text(), "GameNo7");
    EXPECT_EQ(open.credits[6]->text(), "1000 Credits");

    EXPECT_EQ(open.Name[2]->parentWidget()->geometry(), QRect(16, 160, 289, 65));
    EXPECT_EQ(open.Name[4]->parentWidget()->geometry(), QRect(312, 16, 289, 65));
    EXPECT_EQ(open.Name[7]->parentWidget()->geometry(), QRect(312, 232, 289, 65));
    EXPECT_EQ(open.Name[2]->geometry(), QRect(8, 8, 233, 20));
    EXPECT_EQ(open.Game[2]->geometry(), QRect(8, 28, 129, 13));
    EXPECT_EQ(open.date[2]->geometry(), QRect(168, 28, 57, 13));
    EXPECT_TRUE(open.date[2]->alignment() & Qt::AlignRight);
    EXPECT_EQ(open.credits[2]->geometry(), QRect(8, 48, 105, 13));
    EXPECT_EQ(open.borrowed[2]->geometry(), QRect(112, 48, 113, 13));
    EXPECT_TRUE(open.borrowed[2]->alignment() & Qt::AlignRight);
    EXPECT_EQ(open.SlotButtons[2]->geometry(), QRect(232, 16, 49, 37));
    EXPECT_EQ(open.SlotButtons[2]->property("tag").toInt(), 3);
    EXPECT_EQ(open.CancelBtn->geometry(), QRect(508, 316, 97, 37));
    EXPECT_EQ(open.HelpBtn->geometry(), QRect(8, 316, 97, 37));
    open.reject();
}

// Guards against a way of closing that skips the closing read and leaves the last slot's game behind.
TEST_F(SlotDialogWindow, CancelEscapeAndTheCloseBoxEachBringTheGameInProgressBack) {
    const std::vector<std::pair<const char*, std::function<void(TLoadSave&)>>> ways{
        {"Cancel", [](TLoadSave& d) { QTest::mouseClick(d.CancelBtn, Qt::LeftButton); }},
        {"Escape", [](TLoadSave& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](TLoadSave& d) { d.close(); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        TLoadSave dialog(game_, TSlotDialogMode::Open, desktop_);
        dialog.show();
        game_.Credits = 3; // what a stray change while the dialog is open would leave
        close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(game_.Credits, 1250);
        EXPECT_EQ(game_.GameName, "CurrentGame");
    }
}

// Guards the hand-over from the panel's name field to the name box, and the slot the button saves.
TEST_F(SlotDialogWindow, ASlotButtonSavesUnderTheNameTypedIntoItsPanelAndCloses) {
    TLoadSave dialog(game_, TSlotDialogMode::Save, desktop_);
    dialog.show();
    dialog.Name[5]->clear();
    QTest::keyClicks(dialog.Name[5], "Typed name");
    QTest::mouseClick(dialog.SlotButtons[5], Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(proposals_, std::vector<std::string>{"Typed name"});
    TGameSession saved;
    ReadGame(desktop_, saved, 5);
    EXPECT_EQ(saved.GameName, "Typed name");
    EXPECT_EQ(saved.Credits, 1250);
}

// Guards against a name typed in Open mode renaming anything or being saved somewhere.
TEST_F(SlotDialogWindow, ANameTypedIntoAPanelInOpenModeHasNoEffect) {
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 0, "Friday night"));
    TLoadSave dialog(game_, TSlotDialogMode::Open, desktop_);
    dialog.show();
    QTest::keyClicks(dialog.Name[0], " and more");
    QTest::mouseClick(dialog.SlotButtons[0], Qt::LeftButton);

    EXPECT_TRUE(proposals_.empty());
    TGameSession slot;
    ReadGame(desktop_, slot, 0);
    EXPECT_EQ(slot.GameName, "Friday night");
    EXPECT_EQ(game_.GameName, "CurrentGame");
    EXPECT_EQ(ReadBytes(FilePath()).find("and more"), std::string::npos);
}

// Guards the help topic of the dialog, from its button and from F1, and that help leaves it open.
TEST_F(SlotDialogWindow, HelpAndF1OpenTheChapterOnSavedGames) {
    TLoadSave dialog(game_, TSlotDialogMode::Save, desktop_);
    dialog.show();
    QTest::mouseClick(dialog.HelpBtn, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(desktop_.HelpPages, (std::vector<std::string>{"index.html", "index.html"}))
        << "no chapter in this test folder, so the viewer falls back to the contents";
    SetHelpFolder(QStringLiteral(ZORVA_HELP_FOLDER));
    QTest::keyClick(dialog.Name[3], Qt::Key_F1);
    EXPECT_EQ(desktop_.HelpPages.back(), "topic-41008.html") << "F1 reaches the dialog from a name field too";
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
}

// Guards against slot buttons that still save or open after the file refused the opening write.
TEST_F(SlotDialogWindow, WithoutTheOpeningWriteThePanelsAreBlankAndCannotBeChosen) {
    WriteBytes(Home() + "/plain", "x");
    setenv("XDG_CONFIG_HOME", (Home() + "/plain/config").c_str(), 1);
    TLoadSave dialog(game_, TSlotDialogMode::Open, desktop_);
    ASSERT_EQ(messages_.size(), 1u);
    for (int i = 0; i < SlotPanelCount; ++i) {
        EXPECT_FALSE(dialog.SlotButtons[i]->isEnabled());
        EXPECT_TRUE(dialog.Name[i]->text().isEmpty());
        EXPECT_TRUE(dialog.credits[i]->text().isEmpty());
    }
    dialog.reject();
    EXPECT_EQ(SavedFields(game_), SavedFields(ExampleSession()));
}

} // namespace
} // namespace zorva
