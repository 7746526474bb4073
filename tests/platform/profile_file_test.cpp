#include "platform/profile_file.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

using namespace std::string_literals;

TEST(ProfileFile, NamesMatchWithoutRegardToCaseAndBlanksAroundThemDoNotCount) {
    const auto file = TProfileFile::Parse("[ Alpha ]\n  KeY  =  some value \t\n[beta]\nk=\n");
    EXPECT_EQ(file.GetString("alpha", "key"), "some value");
    EXPECT_EQ(file.GetString("ALPHA", "KEY"), "some value");
    EXPECT_EQ(file.GetString("Beta", "K"), "") << "an empty value is there, and empty";
    EXPECT_EQ(file.GetString("beta", "key"), std::nullopt);
    EXPECT_EQ(file.GetString("gamma", "k"), std::nullopt);
    EXPECT_EQ(file.GetString("alpha", "k"), std::nullopt) << "keys belong to their own section";
}

TEST(ProfileFile, AReplacedKeyKeepsItsLineAndANewKeyEndsItsSection) {
    auto file = TProfileFile::Parse("; comment\n[One]\nb = 1\nA=2\n\n\n[Two]\nx=3\n");
    file.SetString("one", "a", "20");
    file.SetString("ONE", "c", "30");
    file.SetString("two", "y", "4");
    EXPECT_EQ(file.Serialise(), "; comment\n[One]\nb = 1\nA=20\nc=30\n\n\n[Two]\nx=3\ny=4\n");
}

TEST(ProfileFile, ANewSectionGoesToTheEndOfTheFile) {
    TProfileFile file;
    file.SetString("First", "a", "1");
    file.SetString("Second", "b", "2");
    file.SetString("First", "c", "3");
    EXPECT_EQ(file.Serialise(), "[First]\na=1\nc=3\n\n[Second]\nb=2\n");

    auto ending = TProfileFile::Parse("[First]\na=1\n\n");
    ending.SetString("Second", "b", "2");
    EXPECT_EQ(ending.Serialise(), "[First]\na=1\n\n[Second]\nb=2\n") << "no second blank line";
}

TEST(ProfileFile, TheFirstOfDuplicateSectionsAndKeysCounts) {
    auto file = TProfileFile::Parse("[S]\nk=1\nk=2\n[s]\nk=3\nm=4\n");
    EXPECT_EQ(file.GetString("S", "k"), "1");
    EXPECT_EQ(file.GetString("S", "m"), std::nullopt);
    file.SetString("s", "K", "9");
    file.SetString("s", "m", "5");
    EXPECT_EQ(file.Serialise(), "[S]\nk=9\nk=2\nm=5\n[s]\nk=3\nm=4\n");
}

TEST(ProfileFile, AValueIsTakenUpTo2047Characters) {
    const std::string longValue(5000, 'v');
    auto file = TProfileFile::Parse("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(file.GetString("S", "k"), std::string(2047, 'v'));
    file.SetString("S", "k", longValue);
    EXPECT_EQ(file.Serialise(), "[S]\nk=" + longValue + "\n") << "written whole";
}

TEST(ProfileFile, LineEndsOfEveryKindAreReadAndTheFirstOneIsKept) {
    const auto crlf = TProfileFile::Parse("[S]\r\na=1\r\nb=2");
    EXPECT_EQ(crlf.GetString("S", "a"), "1");
    EXPECT_EQ(crlf.GetString("S", "b"), "2") << "the last line needs no line end";
    EXPECT_EQ(crlf.Serialise(), "[S]\r\na=1\r\nb=2\r\n");

    const auto mixed = TProfileFile::Parse("[S]\na=1\r\nb=2\rc=3\n");
    EXPECT_EQ(mixed.GetString("S", "a"), "1");
    EXPECT_EQ(mixed.GetString("S", "b"), "2");
    EXPECT_EQ(mixed.GetString("S", "c"), "3");
    EXPECT_EQ(mixed.Serialise(), "[S]\na=1\nb=2\nc=3\n");
}

// A name typed by the player must never be able to plant keys or sections of its own.
TEST(ProfileFile, LineBreaksInAValueCannotStartLinesOfTheirOwn) {
    TProfileFile file;
    file.SetString("S", "name", "evil\r\n[S]\nCredits=999999");
    EXPECT_EQ(file.Serialise(), "[S]\nname=evil  [S] Credits=999999\n");
    EXPECT_EQ(TProfileFile::Parse(file.Serialise()).GetString("S", "Credits"), std::nullopt);
}

TEST(ProfileFile, AnythingTheProgramDoesNotWriteIsKeptAsItWas) {
    const std::string text = "\xEF\xBB\xBF; notes\n  indented = x\nno equals sign\n[broken header\n"
                             "[S] trailing\n\t\n\xff\xfe\x00 binary\n=empty key\nkey only=\n"s;
    auto file = TProfileFile::Parse(text);
    EXPECT_EQ(file.Serialise(), text);
    EXPECT_EQ(file.GetString("S", "key only"), "") << "text after a header's bracket is ignored";
    EXPECT_EQ(file.GetString("broken header", "key only"), std::nullopt);
    file.SetString("S", "new", "1");
    EXPECT_EQ(file.Serialise(), "\xEF\xBB\xBF; notes\n  indented = x\nno equals sign\n[broken header\n"
                                "[S] trailing\n\t\n\xff\xfe\x00 binary\n=empty key\nkey only=\nnew=1\n"s);
}

TEST(ProfileFile, AnEmptyFileIsEmptyAndStaysSo) {
    EXPECT_EQ(TProfileFile::Parse("").Serialise(), "");
    EXPECT_EQ(TProfileFile::Parse("\n\n").Serialise(), "\n\n");
    EXPECT_EQ(TProfileFile::Parse("").GetString("", ""), std::nullopt);
}

} // namespace
} // namespace zorva
