#pragma once
#include <string>

#include "platform/config_file.h"
#include "platform/messages.h"
#include "platform/screen_facts.h"

namespace zorva {

// What the game asks of the desktop it runs on: the screen, where the saved game lives, today's
// date, and the message boxes. The program is given the real one; tests give a fake, and both
// take the same way through every window.
class TDesktop {
  public:
    virtual ~TDesktop() = default;

    virtual TScreenFacts Screen() const = 0;
    virtual std::string SavedGameFilePath() const = 0;
    virtual TCalendarDate Today() const = 0;
    virtual std::string DateSeparator() const = 0;
    // A modal box; it returns when the player has answered, true for Yes to a question.
    virtual bool Message(TMessageKind kind, const std::string& text) = 0;

    void ShowError(const std::string& text) { Message(TMessageKind::Error, text); }
    void ShowInformation(const std::string& text) { Message(TMessageKind::Information, text); }
    bool AskYesNo(const std::string& text) { return Message(TMessageKind::Question, text); }
};

// The machine the game runs on: its primary screen, the user's configuration folder, the local
// date and the locale's date separator, and Qt's message boxes.
TDesktop& SystemDesktop();

// Another desktop as if its screen were the given one, for developer tools that lay the game out for
// any screen. With Boxes false a message goes to standard error and no box waits for a player.
class TDesktopOnScreen final : public TDesktop {
  public:
    TDesktopOnScreen(TDesktop& desktop, const TScreenFacts& screen, bool boxes = true)
        : Desktop(desktop), Facts(screen), Boxes(boxes) {}

    TScreenFacts Screen() const override { return Facts; }
    std::string SavedGameFilePath() const override { return Desktop.SavedGameFilePath(); }
    TCalendarDate Today() const override { return Desktop.Today(); }
    std::string DateSeparator() const override { return Desktop.DateSeparator(); }
    bool Message(TMessageKind kind, const std::string& text) override;

  private:
    TDesktop& Desktop;
    TScreenFacts Facts;
    bool Boxes;
};

} // namespace zorva
