#pragma once
#include <cstdint>
#include <string>

#include "engine/session.h"
#include "engine/sounds.h"

class QWidget;

namespace zorva {

// What a double-or-nothing window needs of the program around it.
class TDoubleGameHost {
  public:
    virtual ~TDoubleGameHost() = default;
    virtual void Play(SoundId sound) = 0;       // in the sound's own mode; silent and instant with sound off
    virtual void Pause(double seconds) = 0;     // keeps the window alive meanwhile (nested event loop)
    virtual uint32_t UtcMillisecondOfDay() = 0; // seeds the deal
    virtual void ShowInformation(const std::string& text) = 0; // a hint's box; returns when answered
    virtual void ShowHelp(int topic, QWidget* window) = 0;     // the game's chapter of the manual
};

// Opens the Pyramid (pyramid true) or the card game modally over parent; returns when it has closed.
void OpenDoubleGameWindow(TGameSession& session, bool pyramid, TDoubleGameHost& host, QWidget* parent);

} // namespace zorva
