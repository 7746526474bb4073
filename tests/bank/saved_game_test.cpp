#include "bank/saved_game.h"

#include <filesystem>
#include <random>
#include <unistd.h>

#include "bank/game_section.h"
#include "file_size_limit.h"
#include "saved_fields.h"
#include "temporary_config_home.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string DataFolder = ZORVA_TEST_DATA;

class SavedGame : public TemporaryConfigHome {
  protected:
    TGameSession ReadSlot(int slot) {
        TGameSession session;
        ReadGame(desktop_, session, slot);
        return session;
    }

    void PlaceFile(const std::string& bytes) { WriteBytes(FilePath(), bytes); }

    // Whatever else is in the folder beside the saved-game file: a temporary file left behind.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) {
            if (entry.path().filename() != "Zorva.ini") {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    void ExpectOneWriteError() {
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].first, TMessageKind::Error);
        EXPECT_EQ(messages_[0].second, "Unable to write to Zorva.ini");
    }
};

// Guards the file format itself: a save must look exactly as the game has always written it.
TEST_F(SavedGame, TheExampleSectionIsWrittenByteForByteAndReadBackIntoTheSameRecord) {
    ASSERT_FALSE(fs::exists(Folder())) << "the folder is made by the first write";

    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 1, "Friday night"));

    EXPECT_EQ(ReadBytes(FilePath()), ReadBytes(DataFolder + "/example.ini"));
    EXPECT_EQ(SavedFields(ReadSlot(1)), SavedFields(ExampleSession()));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SavedGame, TheDateIsWrittenWithTheLocaleSeparator) {
    desktop_.Separator = ".";
    desktop_.Date = TCalendarDate{2007, 3, 9};
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

    EXPECT_NE(ReadBytes(FilePath()).find("\nGameDate=03.09.07\n"), std::string::npos);
    EXPECT_EQ(ReadSlot(8).GameDate, "03.09.07");
}

// Guards the text of the file: whatever line end the file uses (LF, CRLF or a lone CR) every line
// keeps it when the game rewrites the file, and a long name comes back cut at its 30th character,
// never in the middle of a character's bytes. A negative total survives the round trip.
TEST_F(SavedGame, ARewriteKeepsTheFilesLineEndAndANameIsCutAtItsThirtiethCharacter) {
    // 28 characters, then "é" and "ü" (two bytes each) as the 29th and 30th, then more.
    const std::string name = "A night at the Zorva casino "
                             "\xC3\xA9\xC3\xBC"
                             " and more";
    const std::string cut = name.substr(0, 28 + 4);
    TGameSession session = ExampleSession();
    session.DoubleOrNothingWon = -2147483647 - 1;
    for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
        const std::string before = "[GameNo5]" + lineEnd + "GameName=old" + lineEnd + "Mine=kept" + lineEnd;
        PlaceFile(before);

        ASSERT_TRUE(WriteGame(desktop_, session, 4, name));
        ASSERT_TRUE(WriteGame(desktop_, session, 8, "CurrentGame"));

        const std::string text = ReadBytes(FilePath());
        EXPECT_NE(text.find(lineEnd + "GameName=" + name + lineEnd), std::string::npos) << "stored whole";
        EXPECT_NE(text.find(lineEnd + "Mine=kept" + lineEnd), std::string::npos);
        EXPECT_NE(text.find(lineEnd + "[CurrentGame]" + lineEnd), std::string::npos);
        std::size_t lines = 0;
        for (std::size_t at = text.find(lineEnd); at != std::string::npos; at = text.find(lineEnd, at + 1))
            ++lines;
        EXPECT_EQ(lines, 2u * 23u + 2u) << "two sections of 22 keys, one blank line between, one foreign key";
        const TGameSession read = ReadSlot(4);
        EXPECT_EQ(read.GameName, cut);
        EXPECT_EQ(read.DoubleOrNothingWon, -2147483647 - 1);
    }
}

// A first start has no file at all: the game must begin with the file's defaults, Dollars 3 among them.
TEST_F(SavedGame, AMissingFileSectionOrKeyGivesTheDefaults) {
    TGameSession session = ExampleSession();
    session.FreeSpinsLeft = 2;
    session.SpinWinnings = 75;
    ReadGame(desktop_, session, 2);

    TGameSession defaults;
    defaults.GameName = "GameNo3";
    defaults.GameDate = "12/01/96";
    defaults.Dollars = 3;
    EXPECT_EQ(SavedFields(session), SavedFields(defaults));
    EXPECT_EQ(session.FreeSpinsLeft, 2) << "values that are never saved stay";
    EXPECT_EQ(session.SpinWinnings, 75);
    EXPECT_FALSE(fs::exists(FilePath())) << "reading creates nothing";

    PlaceFile("[GameNo1]\nCredits=5\n[CurrentGame]\nCredits=40\nSpins=9\n");
    defaults.GameName = "CurrentGame";
    defaults.Credits = 40;
    defaults.Spins = 9;
    EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(defaults)) << "a section with missing keys";
    defaults.GameName = "GameNo8";
    defaults.Credits = 1000;
    defaults.Spins = 0;
    EXPECT_EQ(SavedFields(ReadSlot(7)), SavedFields(defaults)) << "a missing section";
    EXPECT_TRUE(messages_.empty()) << "nothing is reported";
}

TEST_F(SavedGame, AHandEditedFileIsReadByTheIntegerRulesWithEveryValueKeptInRange) {
    PlaceFile(ReadBytes(DataFolder + "/hand_edited.ini"));

    const TGameSession read = ReadSlot(8);

    EXPECT_EQ(read.GameName, "CurrentGame");
    EXPECT_EQ(read.Credits, 31) << "0x1F, in blanks and under a key of another case";
    EXPECT_EQ(read.Dollars, 6) << "$1F is 31, more than the row of 6 holds";
    EXPECT_EQ(read.Globes, 3) << "12abc gives the default";
    EXPECT_EQ(read.BonusPool, 100) << "an empty value gives the default";
    EXPECT_TRUE(read.Sound) << "2 is true";
    EXPECT_TRUE(read.Double) << "yes gives the default, true";
    EXPECT_FALSE(read.PayMode);
    EXPECT_EQ(read.CoinsPerLine, 8) << "12 coins a line would bet more than 64";
    EXPECT_EQ(read.LinesPlayed, 0) << "-3 lines";
    EXPECT_EQ(ReadSlot(0).GameName, "Morning") << "the last line needs no line break";
    EXPECT_FALSE(ReadSlot(0).BonusGame);
}

// A save must change its own keys and nothing else the player keeps in the file.
TEST_F(SavedGame, ARewriteKeepsKeyOrderSpellingLineEndsAndForeignLines) {
    PlaceFile(ReadBytes(DataFolder + "/hand_edited.ini"));

    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

    const std::string expected =
        "; my games\r\n[Options]\r\nTheme = dark\r\n\r\n[currentgame]\r\n"
        "CREDITS=1250\r\ncoinsperline=2\r\nlinesplayed=8\r\nDollars=4\r\nGlobes=1\r\n"
        "BonusPool=163\r\nSound=1\r\nDouble=1\r\nPayMode=1\r\nFavourite=cherries\r\n"
        "GameName=CurrentGame\r\nGameDate=12/01/96\r\nBorrowed=1100\r\nSpins=212\r\n"
        "BonusPoolWon=0\r\nDoubleOrNothingWon=-40\r\nBonusRollWon=85\r\n"
        "NumberOfBonusRolls=3\r\nGotBonusCount=0\r\nMysteryBonus=50\r\nTotalBets=2960\r\n"
        "AutoSave=1\r\nBonusGame=0\r\n\r\n[GameNo1]\r\nGameName=Morning\r\nBonusGame=0\r\n";
    EXPECT_EQ(ReadBytes(FilePath()), expected);
    TGameSession saved = ExampleSession();
    saved.GameName = "CurrentGame";
    EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(saved));
}

TEST_F(SavedGame, SavingOneSlotLeavesTheOthersAndAppendsNewSectionsInTurn) {
    for (int slot = 0; slot <= 8; ++slot) {
        TGameSession session = ExampleSession();
        session.Credits = 100 + slot;
        ASSERT_TRUE(WriteGame(desktop_, session, slot, "Game " + std::to_string(slot)));
    }
    const std::string before = ReadBytes(FilePath());
    EXPECT_LT(before.find("[GameNo1]\n"), before.find("\n\n[GameNo2]\n"));
    EXPECT_LT(before.find("[GameNo8]\n"), before.find("\n\n[CurrentGame]\n"));

    TGameSession changed = ExampleSession();
    changed.Credits = 7;
    ASSERT_TRUE(WriteGame(desktop_, changed, 3, "Changed"));

    for (int slot = 0; slot <= 8; ++slot) {
        const TGameSession read = ReadSlot(slot);
        EXPECT_EQ(read.Credits, slot == 3 ? 7 : 100 + slot) << "slot " << slot;
        EXPECT_EQ(read.GameName, slot == 3 ? "Changed" : "Game " + std::to_string(slot));
    }
    EXPECT_EQ(ReadBytes(FilePath()).size(), before.size() - 2 + 1) << "only two values changed";
}

TEST_F(SavedGame, DuplicateSectionsAndKeysReadTheFirstAndTheSaveChangesTheFirst) {
    PlaceFile(ReadBytes(DataFolder + "/duplicates.ini"));

    TGameSession read = ReadSlot(8);
    EXPECT_EQ(read.Credits, 500);
    EXPECT_EQ(read.Spins, 7) << "a header without its bracket starts no section";
    EXPECT_EQ(read.Borrowed, 1000) << "a second section of the same name is never read";

    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

    const std::string file = ReadBytes(FilePath());
    EXPECT_EQ(file.find("Credits=1250\nCredits=600\n"), file.find("[CurrentGame]\n") + 14);
    EXPECT_EQ(ReadSlot(8).Credits, 1250);
    EXPECT_EQ(ReadSlot(2).GameName, "Third");
}

// Garbage must never crash the game or keep a later save from reading back exactly.
TEST_F(SavedGame, DamagedFilesReadAsDefaultsWhereUnreadableAndAreRewrittenCleanly) {
    std::vector<std::string> damaged{ReadBytes(DataFolder + "/binary_garbage.ini"),
                                     "[CurrentGame]\nGameName=" + std::string(1 << 20, 'n') +
                                         "\nCredits=" + std::string(1 << 20, '7') + "\nSpins=12"};
    std::mt19937 generator(11);
    for (int i = 0; i < 100; ++i) {
        const std::string alphabet = "[]=\r\n \t$x0123456789abcdefCurrentGameNoSpinsCredits\x00\xff"s;
        std::string bytes(generator() % 400, ' ');
        for (char& c : bytes) {
            c = alphabet[generator() % alphabet.size()];
        }
        damaged.push_back(bytes);
    }

    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE("damaged file " + std::to_string(i));
        PlaceFile(damaged[i]);
        const TGameSession before = ReadSlot(8);
        const TGameSession otherBefore = ReadSlot(5);
        EXPECT_LE(before.GameName.size(), 30u * 4);
        EXPECT_LE(before.Bet(), 64);

        ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

        TGameSession saved = ExampleSession();
        saved.GameName = "CurrentGame";
        EXPECT_EQ(SavedFields(ReadSlot(8)), SavedFields(saved));
        EXPECT_EQ(SavedFields(ReadSlot(5)), SavedFields(otherBefore)) << "another section is untouched";
    }

    PlaceFile(damaged[0]);
    EXPECT_EQ(ReadSlot(8).Credits, 77) << "a readable key amid garbage still counts";
    PlaceFile(damaged[1]);
    const TGameSession longLines = ReadSlot(8);
    EXPECT_EQ(longLines.GameName, std::string(30, 'n'));
    EXPECT_EQ(longLines.Credits, 1000) << "2047 digits do not fit";
    EXPECT_EQ(longLines.Spins, 12);
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));
    EXPECT_LT(ReadBytes(FilePath()).size(), 1000u) << "the long lines are replaced by the save";
}

TEST_F(SavedGame, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile) {
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));
    const std::string old = ReadBytes(FilePath());
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool folderStopsUs = ::access(Folder().c_str(), W_OK) != 0;
    if (folderStopsUs) {
        TGameSession changed = ExampleSession();
        changed.Credits = 1;
        EXPECT_FALSE(WriteGame(desktop_, changed, 8, "CurrentGame"));
    }
    fs::permissions(Folder(), fs::perms::owner_all);
    if (!folderStopsUs) {
        GTEST_SKIP() << "a read-only folder does not stop this user (root); the refusals below do";
    }
    EXPECT_EQ(ReadBytes(FilePath()), old);
    EXPECT_TRUE(Leftovers().empty());
    ExpectOneWriteError();
}

// A full disk, made with a file-size limit, which stops root as well.
TEST_F(SavedGame, AFullDiskRefusesTheSaveAndKeepsTheOldFile) {
    ASSERT_TRUE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));
    const std::string old = ReadBytes(FilePath());
    TGameSession changed = ExampleSession();
    changed.Credits = 1;

    const bool written =
        testing::WithFileSizeLimit(100, [&] { return WriteGame(desktop_, changed, 8, "CurrentGame"); });

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(FilePath()), old);
    EXPECT_TRUE(Leftovers().empty());
    ExpectOneWriteError();
}

TEST_F(SavedGame, AFolderInPlaceOfTheFileRefusesTheSave) {
    fs::create_directories(FilePath());

    EXPECT_FALSE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

    EXPECT_TRUE(fs::is_directory(FilePath()));
    EXPECT_TRUE(Leftovers().empty());
    ExpectOneWriteError();
    EXPECT_EQ(ReadSlot(8).Credits, 1000) << "and reading it gives the defaults";
}

TEST_F(SavedGame, AConfigurationFolderUnderARegularFileRefusesTheSave) {
    WriteBytes(Home() + "/plain", "not a folder");
    setenv("XDG_CONFIG_HOME", (Home() + "/plain/config").c_str(), 1);

    EXPECT_FALSE(WriteGame(desktop_, ExampleSession(), 8, "CurrentGame"));

    EXPECT_EQ(ReadBytes(Home() + "/plain"), "not a folder");
    ExpectOneWriteError();
}

} // namespace
} // namespace zorva
