#include "bank/game_section.h"

#include <gtest/gtest.h>

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

TEST(GameSection, TheBetReadIsNeverBeyondEightLinesOfEightCoins) {
    const auto file = TProfileFile::Parse("[CurrentGame]\nLinesPlayed=9\nCoinsPerLine=2147483647\n"
                                          "[GameNo1]\nLinesPlayed=-1\nCoinsPerLine=-8\n");
    TGameSession session;
    ReadGameSection(file, session, 8, "01/01/00");
    EXPECT_EQ(session.LinesPlayed, 8);
    EXPECT_EQ(session.CoinsPerLine, 8);
    EXPECT_EQ(session.Bet(), 64);
    ReadGameSection(file, session, 0, "01/01/00");
    EXPECT_EQ(session.LinesPlayed, 0);
    EXPECT_EQ(session.CoinsPerLine, 0);
}

} // namespace
} // namespace zorva
