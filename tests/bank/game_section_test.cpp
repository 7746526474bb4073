#include "bank/game_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "saved_fields.h"

namespace zorva {
namespace {

TEST(GameSection, SlotsNameTheirSections) {
    EXPECT_EQ(SectionName(0), "GameNo1");
    EXPECT_EQ(SectionName(7), "GameNo8");
    EXPECT_EQ(SectionName(8), "CurrentGame");
}

TEST(GameSection, TheDateIsMonthDayAndTwoDigitYear) {
    EXPECT_EQ(FormatGameDate(1996, 12, 1, "/"), "12/01/96");
    EXPECT_EQ(FormatGameDate(2007, 3, 9, "."), "03.09.07");
    EXPECT_EQ(FormatGameDate(2100, 1, 31, "-"), "01-31-00");
}

// Each row is a text a hand-edited file may hold and what it must read as, the default being 55.
TEST(GameSection, IntegersFollowTheFileRulesAndFallBackToTheDefault) {
    const std::vector<std::pair<std::string, int32_t>> cases{
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"  42", 42},
        {"+7", 7},
        {"-40", -40},
        {"-$10", -16},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"-$80000000", -2147483647 - 1},
        {"12abc", 55},
        {"", 55},
        {"yes", 55},
        {"0x", 55},
        {"$", 55},
        {"-", 55},
        {"- 5", 55},
        {"1 2", 55},
        {"2147483648", 55},
        {"-2147483649", 55},
        {"$80000000", 55},
        {"0x1G", 55},
        {"1.5", 55},
        {"99999999999999999999", 55},
        {"-0x10", 55},
        {"$-1", 55},
        {std::string(2047, '0') + "9", 9},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseSavedInteger(text, 55), expected) << '"' << text << '"';
    }
}

TEST(GameSection, NamesAndDatesAreCutByCharactersNotBytes) {
    EXPECT_EQ(FirstCharacters("short", 30), "short");
    EXPECT_EQ(FirstCharacters(std::string(40, 'x'), 30), std::string(30, 'x'));
    EXPECT_EQ(FirstCharacters("Zürich Zürich Zürich Zürich Zürich", 30), "Zürich Zürich Zürich Zürich Zü");
    EXPECT_EQ(FirstCharacters("\xff\xfe\x80" + std::string(40, 'a'), 5), "\xff\xfe\x80"
                                                                         "aa");
}

TEST(GameSection, BooleansAreIntegersAndAnythingButZeroIsTrue) {
    const auto file =
        TProfileFile::Parse("[GameNo1]\nSound=2\nDouble=0\nPayMode=-1\nAutoSave=no\nBonusGame=0x0\n");
    TGameSession session;
    ReadGameSection(file, session, 0, "01/01/00");
    EXPECT_TRUE(session.Sound);
    EXPECT_FALSE(session.Double);
    EXPECT_TRUE(session.PayMode);
    EXPECT_TRUE(session.AutoSave) << "no is no integer: the default";
    EXPECT_FALSE(session.BonusGame);
}

TEST(GameSection, SectionAndKeyNamesMatchWithoutRegardToCase) {
    auto file = TProfileFile::Parse("[gAmEnO2]\nCREDITS=5\nlinesplayed=3\n");
    TGameSession session;
    ReadGameSection(file, session, 1, "01/01/00");
    EXPECT_EQ(session.Credits, 5);
    EXPECT_EQ(session.LinesPlayed, 3);

    WriteGameSection(file, ExampleSession(), 1, "Friday night", "12/01/96");
    const std::string text = file.Serialise();
    EXPECT_TRUE(text.starts_with("[gAmEnO2]\nCREDITS=1250\nlinesplayed=8\nGameName=Friday night\n")) << text;
    EXPECT_EQ(text.find("[GameNo2]"), std::string::npos) << "no second section";
}

// A hand-edited value the game can never reach (Globes=-2147483648, say) would start the engine where
// its rules never go and overflow the next count; every key reads as the nearest value the game can
// leave between spins, and every value it can leave reads back as it stands.
TEST(GameSection, EveryValueReadIsTheNearestTheGameCanLeaveBetweenSpins) {
    constexpr int32_t Least = std::numeric_limits<int32_t>::min();
    constexpr int32_t Most = std::numeric_limits<int32_t>::max();
    struct TRange {
        std::string Key;
        int32_t TGameSession::*Field;
        int32_t Lowest;
        int32_t Highest;
    };
    const std::vector<TRange> ranges{
        {"Credits", &TGameSession::Credits, 0, Most},
        {"Borrowed", &TGameSession::Borrowed, 0, Most},
        {"Dollars", &TGameSession::Dollars, 1, 6},
        {"Globes", &TGameSession::Globes, 1, 3},
        {"BonusPool", &TGameSession::BonusPool, 0, Most},
        {"Spins", &TGameSession::Spins, 0, Most},
        {"LinesPlayed", &TGameSession::LinesPlayed, 0, 8},
        {"CoinsPerLine", &TGameSession::CoinsPerLine, 0, 8},
        {"BonusPoolWon", &TGameSession::BonusPoolWon, Least, Most},
        {"DoubleOrNothingWon", &TGameSession::DoubleOrNothingWon, Least, Most},
        {"BonusRollWon", &TGameSession::BonusRollWon, Least, Most},
        {"NumberOfBonusRolls", &TGameSession::NumberOfBonusRolls, 0, Most},
        {"GotBonusCount", &TGameSession::GotBonusCount, 0, Most},
        {"MysteryBonus", &TGameSession::MysteryBonus, Least, Most},
        {"TotalBets", &TGameSession::TotalBets, 0, Most},
    };
    const auto readAs = [](const std::string& key, int32_t stored, int32_t TGameSession::*field) {
        TGameSession session;
        ReadGameSection(TProfileFile::Parse("[CurrentGame]\n" + key + "=" + std::to_string(stored) + "\n"),
                        session, CurrentGameSlot, "01/01/00");
        return session.*field;
    };
    for (const TRange& range : ranges) {
        EXPECT_EQ(readAs(range.Key, Least, range.Field), range.Lowest)
            << range.Key << " at the 32-bit minimum";
        EXPECT_EQ(readAs(range.Key, Most, range.Field), range.Highest)
            << range.Key << " at the 32-bit maximum";
        if (range.Lowest > Least) {
            EXPECT_EQ(readAs(range.Key, range.Lowest - 1, range.Field), range.Lowest)
                << range.Key << " just below";
        }
        if (range.Highest < Most) {
            EXPECT_EQ(readAs(range.Key, range.Highest + 1, range.Field), range.Highest)
                << range.Key << " just above";
        }
        for (const int32_t valid :
             {range.Lowest, range.Highest, std::clamp(2, range.Lowest, range.Highest)}) {
            EXPECT_EQ(readAs(range.Key, valid, range.Field), valid) << range.Key << " may hold " << valid;
        }
    }
}

// The example as the game writes it, and the extremes a long game can reach, change nothing.
TEST(GameSection, ASectionTheGameWroteReadsBackUnchanged) {
    TGameSession extremes = ExampleSession();
    extremes.Credits = 0;
    extremes.Dollars = 6;
    extremes.Globes = 3;
    extremes.DoubleOrNothingWon = std::numeric_limits<int32_t>::min();
    extremes.TotalBets = std::numeric_limits<int32_t>::max();
    for (const TGameSession& saved : {ExampleSession(), extremes}) {
        TProfileFile file;
        WriteGameSection(file, saved, 3, saved.GameName, saved.GameDate);
        TGameSession read;
        ReadGameSection(TProfileFile::Parse(file.Serialise()), read, 3, "01/01/00");
        EXPECT_EQ(SavedFields(read), SavedFields(saved));
    }
}

} // namespace
} // namespace zorva
