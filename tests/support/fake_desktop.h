#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/help_viewer.h"

namespace zorva::testing {

// A desktop of the test's making: a fixed screen and date, the saved game where XDG_CONFIG_HOME
// points (each test gives it a folder of its own), functions in place of the boxes that see each
// message or request and give the player's answer, and the manual's pages and the browser's
// recorded instead of opened.
class TFakeDesktop : public TDesktop {
  public:
    TScreenFacts Facts{1024, 768, 32, 96};
    TCalendarDate Date{1996, 12, 1};
    std::string Separator = "/";
    std::function<bool(TMessageKind kind, const std::string& text)> Answer =
        [](TMessageKind, const std::string&) { return false; };

    std::function<std::optional<std::string>(const TTextRequest& request)> Typed = [](const TTextRequest&) {
        return std::nullopt;
    };
    std::vector<std::string> HelpPages; // file names of the pages the manual would open
    std::vector<QUrl> BrowsedPages;
    bool BrowserWorks = true;

    TScreenFacts Screen() const override { return Facts; }
    std::string SavedGameFilePath() const override { return zorva::SavedGameFilePath(); }
    TCalendarDate Today() const override { return Date; }
    std::string DateSeparator() const override { return Separator; }
    bool Message(TMessageKind kind, const std::string& text) override { return Answer(kind, text); }
    std::optional<std::string> AskText(const TTextRequest& request) override { return Typed(request); }
    void ShowHelp(int topic, QWidget*) override {
        HelpPages.push_back(HelpPage(topic).fileName().toStdString());
    }
    bool OpenInBrowser(const QUrl& page) override {
        BrowsedPages.push_back(page);
        return BrowserWorks;
    }
};

} // namespace zorva::testing
