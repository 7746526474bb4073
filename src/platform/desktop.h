#pragma once
#include <QUrl>
#include <optional>
#include <string>

#include "platform/config_file.h"
#include "platform/messages.h"
#include "platform/screen_facts.h"
#include "platform/text_input.h"

class QWidget;

namespace zorva {

// What the game asks of the desktop it runs on: the screen, where the saved game lives, today's
// date, the message and text-input boxes, the manual and the browser. The program is given the real
// one; tests give a fake, and both take the same way through every window.
class TDesktop {
  public:
    virtual ~TDesktop() = default;

    virtual TScreenFacts Screen() const = 0;
    virtual std::string SavedGameFilePath() const = 0;
    virtual TCalendarDate Today() const = 0;
    virtual std::string DateSeparator() const = 0;
    // A modal box; it returns when the player has answered, true for Yes to a question.
    virtual bool Message(TMessageKind kind, const std::string& text) = 0;
    // The text-input box; nothing when the player cancels.
    virtual std::optional<std::string> AskText(const TTextRequest& request) = 0;
    // The manual at a topic's chapter (HelpContents for its contents), over the window asking.
    virtual void ShowHelp(int topic, QWidget* parent) = 0;
    // The page in the user's browser; false when none could be started.
    virtual bool OpenInBrowser(const QUrl& page) = 0;

    void ShowError(const std::string& text) { Message(TMessageKind::Error, text); }
    void ShowInformation(const std::string& text) { Message(TMessageKind::Information, text); }
    bool AskYesNo(const std::string& text) { return Message(TMessageKind::Question, text); }
};

inline constexpr int HelpContents = 0;

// The machine the game runs on: its primary screen, the user's configuration folder, the local
// date and the locale's date separator, Qt's boxes, the manual's viewer and the desktop's browser.
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
    std::optional<std::string> AskText(const TTextRequest& request) override {
        return Desktop.AskText(request);
    }
    void ShowHelp(int topic, QWidget* parent) override { Desktop.ShowHelp(topic, parent); }
    bool OpenInBrowser(const QUrl& page) override { return Desktop.OpenInBrowser(page); }

  private:
    TDesktop& Desktop;
    TScreenFacts Facts;
    bool Boxes;
};

} // namespace zorva
