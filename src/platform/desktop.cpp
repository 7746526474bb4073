#include "platform/desktop.h"

#include <iostream>

#include "platform/browser.h"
#include "platform/help_viewer.h"

namespace zorva {

namespace {

class TSystemDesktop final : public TDesktop {
  public:
    TScreenFacts Screen() const override { return ReadScreenFacts(); }
    std::string SavedGameFilePath() const override { return zorva::SavedGameFilePath(); }
    TCalendarDate Today() const override { return zorva::Today(); }
    std::string DateSeparator() const override { return zorva::DateSeparator(); }
    bool Message(TMessageKind kind, const std::string& text) override { return ShowMessageBox(kind, text); }
    std::optional<std::string> AskText(const TTextRequest& request) override {
        return zorva::AskText(request);
    }
    void ShowHelp(int topic, QWidget* parent) override { ShowHelpTopic(topic, parent); }
    bool OpenInBrowser(const QUrl& page) override { return zorva::OpenInBrowser(page); }
};

} // namespace

TDesktop& SystemDesktop() {
    static TSystemDesktop desktop;
    return desktop;
}

bool TDesktopOnScreen::Message(TMessageKind kind, const std::string& text) {
    if (Boxes)
        return Desktop.Message(kind, text);
    std::cerr << text << '\n';
    return false;
}

} // namespace zorva
