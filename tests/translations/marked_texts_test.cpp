#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The source with its comments blanked out (line breaks kept, for line numbers) and its strings whole.
std::string WithoutComments(const std::string& source) {
    std::string out;
    out.reserve(source.size());
    for (size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '"' || c == '\'') {
            const size_t start = i;
            for (++i; i < source.size() && source[i] != c; ++i)
                if (source[i] == '\\')
                    ++i;
            out.append(source, start, i - start + 1);
        } else if (source.compare(i, 2, "//") == 0) {
            while (i < source.size() && source[i] != '\n')
                ++i;
            out += '\n';
        } else if (source.compare(i, 2, "/*") == 0) {
            for (i += 2; i < source.size() && source.compare(i, 2, "*/") != 0; ++i)
                if (source[i] == '\n')
                    out += '\n';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// From an opening parenthesis to its partner, strings skipped; the position after it.
size_t PastClosing(const std::string& text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i)
                if (text[i] == '\\')
                    ++i;
        } else if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')' && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

// The text with every call that marks a string for translation taken out.
std::string WithoutMarkedTexts(std::string text) {
    static const std::regex Marker(R"(\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|ZORVA_TEXT)\s*\()");
    std::smatch match;
    while (std::regex_search(text, match, Marker)) {
        const size_t start = static_cast<size_t>(match.position(0));
        const size_t open = start + static_cast<size_t>(match.length(0)) - 1;
        text.erase(start, PastClosing(text, open) - start);
    }
    return text;
}

// Quoted texts with a letter in them, handed unmarked to a call that puts text on the screen: a
// caption, label, button, hint, accessible name, message box or painted text. "line N: call" each.
std::vector<std::string> UnmarkedScreenTexts(const std::string& source) {
    static const std::regex ScreenCall(
        R"(\b(setText|setWindowTitle|setToolTip|setAccessibleName|setAccessibleDescription|setPlainText|)"
        R"(setLabelText|setPlaceholderText|drawText|ShowError|ShowInformation|AskYesNo|AskText|SetHint|)"
        R"(QLabel|QPushButton|QRadioButton|QCheckBox|QGroupBox|MakeBitBtn|KindButton|addItem)\s*\()");
    static const std::regex LetteredString(R"("([^"\\]|\\.)*[A-Za-z]([^"\\]|\\.)*")");
    const std::string text = WithoutComments(source);
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), ScreenCall); it != std::sregex_iterator();
         ++it) {
        const size_t start = static_cast<size_t>(it->position(0));
        const size_t open = start + static_cast<size_t>(it->length(0)) - 1;
        const std::string arguments = WithoutMarkedTexts(text.substr(open, PastClosing(text, open) - open));
        if (std::regex_search(arguments, LetteredString)) {
            const auto line =
                std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(start), '\n') + 1;
            found.push_back("line " + std::to_string(line) + ": " + (*it)[1].str());
        }
    }
    return found;
}

// Guards the scan itself: a planted unmarked text is found, in any of the ways one reaches the
// screen, and marked ones, comments and texts without letters pass.
TEST(MarkedTexts, TheScanFindsAPlantedUnmarkedTextAndPassesMarkedOnes) {
    EXPECT_EQ(UnmarkedScreenTexts("label->setText(\"Foo\");"), std::vector<std::string>{"line 1: setText"});
    EXPECT_EQ(UnmarkedScreenTexts("x;\nnew QLabel(QStringLiteral(\"Mode:\"), this);").size(), 1u);
    EXPECT_EQ(UnmarkedScreenTexts("desktop.ShowError(std::string(\"Unable to write to \")\n + name);").size(),
              1u);
    EXPECT_EQ(UnmarkedScreenTexts("p.drawText(r, 0, tr(\"Paid spin\") + QStringLiteral(\" more\"));").size(),
              1u);
    EXPECT_TRUE(UnmarkedScreenTexts("label->setText(tr(\"Foo\"));").empty());
    EXPECT_TRUE(
        UnmarkedScreenTexts("b->setToolTip(QCoreApplication::translate(\"T\", \"A \" \"b\"));").empty());
    EXPECT_TRUE(UnmarkedScreenTexts("l->setText(QStringLiteral(\"%1\").arg(tr(\"x: %1\").arg(n)));").empty());
    EXPECT_TRUE(UnmarkedScreenTexts("// setText(\"Foo\")\nl->setText(QString::number(5));").empty());
}

// Guards against a text reaching the player in English whatever the language: every source file
// of the program passes the scan.
TEST(MarkedTexts, EveryTextTheProgramShowsIsMarkedForTranslation) {
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ZORVA_SOURCE_FOLDER)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::stringstream source;
        source << in.rdbuf();
        for (const std::string& place : UnmarkedScreenTexts(source.str()))
            ADD_FAILURE() << entry.path().string() << " " << place
                          << " shows a text not marked for translation";
    }
    EXPECT_GT(files, 50);
}

} // namespace
