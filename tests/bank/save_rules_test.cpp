#include "bank/save_rules.h"

#include <filesystem>

#include "bank/game_section.h"
#include "saved_fields.h"
#include "temporary_config_home.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

class SlotDialogRules : public TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        desktop_.Typed = [this](const TTextRequest& request) {
            requests_.push_back(request);
            return answer_;
        };
        game_ = ExampleSession();
        game_.SpinWinnings = 77;
        game_.CreditHistory.AddSpin(game_.Credits);
    }

    TGameSession ReadSlot(int slot) {
        TGameSession session;
        ReadGame(desktop_, session, slot);
        return session;
    }

    // The example game as "CurrentGame" holds it once written today.
    static TGameSession AsCurrentGame(TGameSession game) {
        game.GameName = "CurrentGame";
        game.GameDate = "12/01/96";
        return game;
    }

    TGameSession game_;
    std::optional<std::string> answer_;
    std::vector<TTextRequest> requests_;
};

// Guards against a dialog that leaves another slot's figures in the game, or forgets to save it first.
TEST_F(SlotDialogRules, CancellingInEitherModeLeavesTheGameAsItWasAndCurrentGameHoldsItDatedToday) {
    TGameSession other = ExampleSession();
    other.Credits = 5;
    ASSERT_TRUE(WriteGame(desktop_, other, 4, "Other"));
    for (const TSlotDialogMode mode : {TSlotDialogMode::Save, TSlotDialogMode::Open}) {
        SCOPED_TRACE(mode == TSlotDialogMode::Save ? "save" : "open");
        game_.GameDate = "01/01/90";
        TSlotDialogRules rules(game_, mode, desktop_);
        rules.Start();
        EXPECT_EQ(rules.Panels()[4].Credits, 5);
        EXPECT_EQ(game_.Credits, 1250) << "the panels are read beside the game, not into it";
        rules.Finish();

        EXPECT_EQ(SavedFields(game_), SavedFields(AsCurrentGame(ExampleSession())));
        EXPECT_EQ(game_.SpinWinnings, 77) << "values the file does not hold stay";
        EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(AsCurrentGame(ExampleSession())));
        EXPECT_EQ(game_.CreditHistory.Points().size(), 1u) << "nothing was opened";
    }
    EXPECT_TRUE(messages_.empty());
}

// Guards against an empty slot opening as anything but a fresh game, or being written by the open.
// The last panel, where an off-by-one bound would drop the choice.
TEST_F(SlotDialogRules, OpeningAnEmptySlotGivesTheNewFileDefaultsAndLeavesThatSlotEmptyInTheFile) {
    TSlotDialogRules rules(game_, TSlotDialogMode::Open, desktop_);
    rules.Start();
    EXPECT_EQ(rules.Panels()[7].Name, "GameNo8");
    EXPECT_EQ(rules.Panels()[7].Date, "12/01/96");
    EXPECT_EQ(rules.Panels()[7].Credits, 1000);
    EXPECT_EQ(rules.Panels()[7].Borrowed, 1000);
    rules.Choose(8, "typed but ignored");
    rules.Finish();

    TGameSession fresh;
    ReadGame(desktop_, fresh, 7);
    fresh.GameName = "CurrentGame";
    EXPECT_EQ(SavedFields(game_), SavedFields(fresh));
    EXPECT_EQ(game_.Dollars, 3);
    EXPECT_EQ(game_.Credits, 1000);
    EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(fresh));
    EXPECT_EQ(ReadBytes(FilePath()).find("[GameNo8]"), std::string::npos);
    EXPECT_TRUE(requests_.empty()) << "opening asks for no name";

    ASSERT_EQ(game_.CreditHistory.Points().size(), 2u);
    EXPECT_EQ(game_.CreditHistory.Points().back().Event, TCreditEvent::LoadedGame);
    EXPECT_EQ(game_.CreditHistory.Points().back().Credits, 1000);
}

// Guards against the name box losing its proposal, the name being cut in the file, or the wrong
// game (the last slot read) being saved.
TEST_F(SlotDialogRules, SavingThroughPanel3StoresTheNameWholeAndShowsItCutTo30OnReopening) {
    const std::string name = "A very long name for a lucky Friday run";
    ASSERT_EQ(name.size(), 39u);
    answer_ = name + "!";
    TGameSession other = ExampleSession();
    other.Credits = 5;
    ASSERT_TRUE(WriteGame(desktop_, other, 7, "Last slot read"));

    TSlotDialogRules rules(game_, TSlotDialogMode::Save, desktop_);
    rules.Start();
    rules.Choose(3, "Proposed in the panel");
    rules.Finish();

    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(requests_[0].Caption, "Name for this saved game?");
    EXPECT_EQ(requests_[0].Prompt, "");
    EXPECT_EQ(requests_[0].Proposed, "Proposed in the panel");
    EXPECT_EQ(requests_[0].MaxLength, 255);
    EXPECT_NE(ReadBytes(FilePath()).find("[GameNo3]\nGameName=" + name + "!\n"), std::string::npos);

    TSlotDialogRules reopened(game_, TSlotDialogMode::Open, desktop_);
    reopened.Start();
    EXPECT_EQ(reopened.Panels()[2].Name, name.substr(0, 30));
    EXPECT_EQ(reopened.Panels()[2].Date, "12/01/96");
    EXPECT_EQ(reopened.Panels()[2].Credits, 1250);
    EXPECT_EQ(reopened.Panels()[2].Borrowed, 1100);
    reopened.Finish();
    EXPECT_EQ(SavedFields(game_), SavedFields(AsCurrentGame(ExampleSession())));
}

// Guards against a cancelled name box saving anyway, under an empty or the proposed name.
TEST_F(SlotDialogRules, ACancelledNameBoxSavesNothing) {
    TSlotDialogRules rules(game_, TSlotDialogMode::Save, desktop_);
    rules.Start();
    const std::string afterOpening = ReadBytes(FilePath());
    rules.Choose(2, "GameNo2");
    rules.Finish();

    EXPECT_EQ(requests_.size(), 1u);
    EXPECT_EQ(ReadBytes(FilePath()), afterOpening);
    EXPECT_EQ(SavedFields(game_), SavedFields(AsCurrentGame(ExampleSession())));
}

// Guards against the closing read wiping the game when the file can be neither written nor read:
// the folder of the file has become a regular file.
TEST_F(SlotDialogRules, ARefusedOpeningWriteReportsOnceKeepsTheOldFileWholeAndLeavesTheGameAsItIs) {
    TGameSession old = ExampleSession();
    old.Credits = 1;
    ASSERT_TRUE(WriteGame(desktop_, old, 8, "CurrentGame"));
    const std::string oldFile = ReadBytes(FilePath());
    fs::rename(Folder(), Home() + "/moved");
    WriteBytes(Folder(), "a regular file");

    for (const TSlotDialogMode mode : {TSlotDialogMode::Save, TSlotDialogMode::Open}) {
        TSlotDialogRules rules(game_, mode, desktop_);
        rules.Start();
        EXPECT_FALSE(rules.HasPanels());
        rules.Choose(1, "nothing to choose");
        rules.Finish();
    }

    EXPECT_EQ(SavedFields(game_), SavedFields(ExampleSession())) << "the game in progress stays playable";
    ASSERT_EQ(messages_.size(), 2u) << "one report for each opening";
    EXPECT_EQ(messages_[0], std::make_pair(TMessageKind::Error, std::string("Unable to write to Zorva.ini")));
    EXPECT_TRUE(requests_.empty());
    fs::remove(Folder());
    fs::rename(Home() + "/moved", Folder());
    EXPECT_EQ(ReadBytes(FilePath()), oldFile);
}

// Guards against a save refused after the opening write bringing back the defaults of an unreadable
// file instead of the game in progress.
TEST_F(SlotDialogRules, ASaveRefusedHalfWayKeepsTheGameInProgress) {
    TSlotDialogRules rules(game_, TSlotDialogMode::Save, desktop_);
    rules.Start();
    ASSERT_TRUE(rules.HasPanels());
    desktop_.Typed = [this](const TTextRequest&) {
        fs::rename(Folder(), Home() + "/moved");
        WriteBytes(Folder(), "a regular file");
        return std::optional<std::string>("Late night");
    };
    rules.Choose(1, "GameNo1");
    rules.Finish();

    EXPECT_EQ(SavedFields(game_), SavedFields(AsCurrentGame(ExampleSession())));
    ASSERT_EQ(messages_.size(), 1u);
    fs::remove(Folder());
    fs::rename(Home() + "/moved", Folder());
    EXPECT_EQ(ReadBytes(FilePath()).find("Late night"), std::string::npos);
    EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(AsCurrentGame(ExampleSession())));
}

} // namespace
} // namespace zorva
