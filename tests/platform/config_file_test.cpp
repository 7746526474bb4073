#include "platform/config_file.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

#include "file_size_limit.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

constexpr TTemporaryFile BothWays[] = {TTemporaryFile::UnnamedWhereSupported, TTemporaryFile::NamedFile};

// Puts an environment variable back as it was, set or not.
class ScopedVariable {
  public:
    explicit ScopedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) {
            saved_ = value;
        }
    }
    ~ScopedVariable() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(ConfigFile, TheSavedGameFileIsInTheUsersConfigurationFolder) {
    ScopedVariable xdg("XDG_CONFIG_HOME");
    ScopedVariable home("HOME");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.path().toStdString();

    setenv("XDG_CONFIG_HOME", (path + "/xdg").c_str(), 1);
    EXPECT_EQ(SavedGameFilePath(), path + "/xdg/zorva/Zorva.ini");

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", path.c_str(), 1);
    EXPECT_EQ(SavedGameFilePath(), path + "/.config/zorva/Zorva.ini");
}

// Both ways: an unnamed temporary file where the file system has them, QSaveFile's named one elsewhere.
TEST(ConfigFile, AReplacementCreatesTheFolderChangesTheWholeFileAndLeavesNothingElse) {
    for (const TTemporaryFile way : BothWays) {
        SCOPED_TRACE(way == TTemporaryFile::NamedFile ? "named temporary file" : "unnamed temporary file");
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string path = folder.path().toStdString() + "/a/b/file.ini";

        EXPECT_EQ(ReadWholeFile(path).State, TFileState::Missing);
        ASSERT_TRUE(ReplaceFileAtomically(path, std::string("first\0with a zero", 17), way));
        const TFileContents first = ReadWholeFile(path);
        EXPECT_EQ(first.State, TFileState::Read);
        EXPECT_EQ(first.Text, std::string("first\0with a zero", 17));
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        ASSERT_TRUE(ReplaceFileAtomically(path, "second", way));
        EXPECT_EQ(ReadWholeFile(path).Text, "second");
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
            << "the file keeps its permissions";
        EXPECT_EQ(
            std::distance(fs::directory_iterator(fs::path(path).parent_path()), fs::directory_iterator()), 1)
            << "no temporary file is left";

        const std::string linked = folder.path().toStdString() + "/linked.ini";
        fs::create_symlink(path, linked);
        ASSERT_TRUE(ReplaceFileAtomically(linked, "third", way));
        EXPECT_TRUE(fs::is_symlink(linked)) << "a link is followed, not replaced";
        EXPECT_EQ(ReadWholeFile(path).Text, "third");
    }
}

TEST(ConfigFile, AFolderWhereTheFileShouldBeCanNeitherBeReadNorReplaced) {
    for (const TTemporaryFile way : BothWays) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string path = folder.path().toStdString() + "/file.ini";
        fs::create_directory(path);

        EXPECT_EQ(ReadWholeFile(path).State, TFileState::Unreadable);
        EXPECT_FALSE(ReplaceFileAtomically(path, "text", way));
        EXPECT_TRUE(fs::is_directory(path));
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder.path().toStdString()), fs::directory_iterator()), 1)
            << "no temporary file is left";
    }
}

TEST(ConfigFile, TheDateSeparatorComesFromTheLocaleAndIsASlashWhereItHasNone) {
    EXPECT_EQ(DateSeparatorOf("en_US"), "/");
    EXPECT_EQ(DateSeparatorOf("de_DE"), ".");
    EXPECT_EQ(DateSeparatorOf("nl_NL"), "-");
    EXPECT_EQ(DateSeparatorOf("C"), "/") << "the C locale writes its dates with a month name";
}

// A full disk, made with a file-size limit, which stops root as well.
TEST(ConfigFile, AFullDiskRefusesTheReplacementAndKeepsTheOldFile) {
    for (const TTemporaryFile way : BothWays) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string path = folder.path().toStdString() + "/file.ini";
        ASSERT_TRUE(ReplaceFileAtomically(path, "old", way));

        EXPECT_FALSE(testing::WithFileSizeLimit(
            100, [&] { return ReplaceFileAtomically(path, std::string(200, 'x'), way); }));
        EXPECT_EQ(ReadWholeFile(path).Text, "old");
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder.path().toStdString()), fs::directory_iterator()), 1)
            << "no temporary file is left";
    }
}

} // namespace
} // namespace zorva
