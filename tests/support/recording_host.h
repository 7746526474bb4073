#pragma once
#include <functional>
#include <string>
#include <vector>

#include "doublegames/double_game.h"
#include "platform/help_viewer.h"

namespace zorva::testing {

// A double-or-nothing host that records each sound with the amount at stake when it plays, and each
// pause; neither takes any time. Scripted actions run in the middle of a sound or a pause.
class TRecordingHost : public TDoubleGameHost {
  public:
    explicit TRecordingHost(const TGameSession& session) : Session(session) {}

    std::vector<std::string> Log;
    std::vector<std::string> Messages;  // the boxes shown
    std::vector<std::string> HelpPages; // file names of the manual's pages opened
    uint32_t TimeOfDay = 1000;
    std::function<void(SoundId)> DuringSound;
    std::function<void()> DuringPause;

    void Play(SoundId sound) override {
        Log.push_back(std::string(SoundInfo(sound).FileName) + " at " + std::to_string(Session.SpinWinnings));
        if (DuringSound)
            DuringSound(sound);
    }
    void Pause(double seconds) override {
        Log.push_back("pause " + std::to_string(seconds).substr(0, 3));
        if (DuringPause)
            DuringPause();
    }
    uint32_t UtcMillisecondOfDay() override { return TimeOfDay; }
    void ShowInformation(const std::string& text) override { Messages.push_back("info: " + text); }
    void ShowHelp(int topic, QWidget*) override {
        HelpPages.push_back(HelpPage(topic).fileName().toStdString());
    }

  private:
    const TGameSession& Session;
};

} // namespace zorva::testing
