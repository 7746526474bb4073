#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every language the build knows, from its one list of translations/zorva_<language>.ts files.
std::vector<std::string> Languages() {
    std::vector<std::string> languages;
    std::stringstream list(ZORVA_LANGUAGES);
    for (std::string language; std::getline(list, language, ',');)
        languages.push_back(language);
    return languages;
}

class Catalogue : public ::testing::TestWithParam<std::string> {};

// Guards against a catalogue that lags the sources: lupdate, run over the sources into a copy of
// it, finds no text left to translate and none that the sources no longer have.
TEST_P(Catalogue, LupdateFindsNothingUnfinishedOrObsolete) {
    const std::string file = "zorva_" + GetParam() + ".ts";
    const auto scratch = std::filesystem::temp_directory_path() / ("zorva-ts-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    const auto copy = scratch / file;
    std::filesystem::copy_file(std::filesystem::path(ZORVA_TRANSLATIONS_FOLDER) / file, copy);
    const std::string command = std::string(ZORVA_LUPDATE) + " -silent " + ZORVA_LUPDATE_OPTIONS + " '" +
                                ZORVA_SOURCE_FOLDER + "' -ts '" + copy.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string catalogue = ReadAll(copy);
    std::filesystem::remove_all(scratch);

    static const std::regex Message(R"(<message>\s*<source>([^<]*)[\s\S]*?</message>)");
    int messages = 0;
    for (auto it = std::sregex_iterator(catalogue.begin(), catalogue.end(), Message);
         it != std::sregex_iterator(); ++it) {
        ++messages;
        const std::string message = it->str();
        for (const char* state : {"type=\"unfinished\"", "type=\"obsolete\"", "type=\"vanished\""})
            EXPECT_EQ(message.find(state), std::string::npos) << state << ": " << (*it)[1].str();
    }
    EXPECT_GT(messages, 100) << "the catalogue holds the program's texts";
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Catalogue, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

} // namespace
