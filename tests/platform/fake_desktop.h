#pragma once
#include <functional>
#include <string>

#include "platform/desktop.h"

namespace zorva::testing {

// A desktop of the test's making: a fixed screen and date, the saved game where XDG_CONFIG_HOME
// points (each test gives it a folder of its own), and a function in place of the boxes that sees
// each message and gives the player's answer.
class TFakeDesktop : public TDesktop {
  public:
    TScreenFacts Facts{1024, 768, 32, 96};
    TCalendarDate Date{1996, 12, 1};
    std::string Separator = "/";
    std::function<bool(TMessageKind kind, const std::string& text)> Answer =
        [](TMessageKind, const std::string&) { return false; };

    TScreenFacts Screen() const override { return Facts; }
    std::string SavedGameFilePath() const override { return zorva::SavedGameFilePath(); }
    TCalendarDate Today() const override { return Date; }
    std::string DateSeparator() const override { return Separator; }
    bool Message(TMessageKind kind, const std::string& text) override { return Answer(kind, text); }
};

} // namespace zorva::testing
