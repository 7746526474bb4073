#pragma once
#include <QApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/config_file.h"
#include "platform/help_viewer.h"
#include "support/fake_desktop.h"
#include "support/fake_sound_backend.h"

namespace zorva {

// Virtual time for the window: every wait handles the events already queued and then jumps to
// its deadline, so a whole spin takes microseconds; scripted actions run at their moment.
class TVirtualClock : public TClock {
  public:
    uint32_t Now = 1000;
    uint32_t TimeOfDay = 12345;
    uint32_t Waits = 0;

    void At(uint32_t at, std::function<void()> action) { Actions.push_back({at, std::move(action)}); }

    uint32_t TickCount() override { return Now; }
    uint32_t UtcMillisecondOfDay() override { return TimeOfDay; }
    void WaitUntil(uint32_t deadline) override {
        ++Waits;
        QCoreApplication::processEvents();
        if (static_cast<int32_t>(deadline - Now) > 0)
            Now = deadline;
        for (size_t i = 0; i < Actions.size(); ++i) {
            if (static_cast<int32_t>(Now - Actions[i].At) >= 0) {
                auto run = std::move(Actions[i].Run);
                Actions.erase(Actions.begin() + static_cast<std::ptrdiff_t>(i));
                run();
                return;
            }
        }
    }

  private:
    struct TAction {
        uint32_t At;
        std::function<void()> Run;
    };
    std::vector<TAction> Actions;
};

struct TMessage {
    TMessageKind Kind;
    std::string Text;
};

// A main window on an injected screen, in a configuration folder of its own, with every box,
// help page and browser request recorded instead of shown.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Home.isValid());
        setenv("XDG_CONFIG_HOME", Home.path().toLocal8Bit().constData(), 1);
        Desktop.Date = TCalendarDate{2026, 12, 8};
        Desktop.Answer = [this](TMessageKind kind, const std::string& text) {
            Messages.push_back({kind, text});
            return Answer;
        };
    }

    void TearDown() override { Form.reset(); }

    TForm1& Open(int width, int height, int ppi = 96, int depth = 32) {
        Desktop.Facts = TScreenFacts{width, height, depth, ppi};
        Form = std::make_unique<TForm1>(QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER "/"), Sound, Clock, Desktop);
        return *Form;
    }

    std::string SavedFile() const;

    // Once the next modal window is up, notes its caption and presses its button of that caption
    // (closes it when there is no such button); thenOk presses OK in the window after it. Real
    // time, not virtual: the window runs an event loop of its own.
    void PressInNextWindow(const QString& caption, std::vector<std::string>& seen, bool thenOk = false);
    // Runs act on the next modal window to come up that is not called notCalled.
    static void WhenWindowUp(std::function<void(QWidget*)> act, const std::string& notCalled = {},
                             int tries = 2000);
    static void Press(QWidget* window, const QString& captionOrName);
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : Messages)
            texts.push_back(m.Text);
        return texts;
    }

    QTemporaryDir Home;
    TVirtualClock Clock;
    testing::TFakeSoundBackend Sound;
    testing::TFakeDesktop Desktop;
    std::unique_ptr<TForm1> Form;
    std::vector<TMessage> Messages;
    bool Answer = false;
};

} // namespace zorva
