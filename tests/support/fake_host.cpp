#include "support/fake_host.h"

#include <algorithm>
#include <cmath>

#include "engine/machine.h"
#include "sounds/sound_designs.h"

namespace zorva {

namespace {

constexpr std::array<uint32_t, TimerCount> TimerIntervals{350, 250, 400, 300};

const char* MeterName(TMeter meter) {
    switch (meter) {
    case TMeter::Credits:
        return "Credits";
    case TMeter::BonusPool:
        return "BonusPool";
    case TMeter::LinesPlayed:
        return "LinesPlayed";
    case TMeter::CoinsPerLine:
        return "CoinsPerLine";
    case TMeter::CoinsPlayed:
        return "CoinsPlayed";
    case TMeter::GlobeRow:
        return "GlobeRow";
    case TMeter::DollarRow:
        return "DollarRow";
    }
    return "?";
}

// The length of the baked wave, which is its design's length to the sample.
uint32_t SoundMilliseconds(SoundId sound) {
    for (const auto& design : sounds::SoundDesigns)
        if (design.Id == sound)
            return static_cast<uint32_t>(std::ceil(design.Seconds * 1000.0));
    return 0;
}

} // namespace

std::string SoundEntry(SoundId sound) {
    return "Play " + std::to_string(static_cast<int>(sound));
}

void TFakeHost::At(uint32_t at, std::function<void()> action) {
    Actions.push_back({at, std::move(action)});
}

std::vector<std::string> TFakeHost::Entries(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& entry : Log)
        if (entry.rfind(prefix, 0) == 0)
            found.push_back(entry);
    return found;
}

int TFakeHost::Count(const std::string& entry) const {
    return static_cast<int>(std::count(Log.begin(), Log.end(), entry));
}

void TFakeHost::DrawBlur(int wheel, int offset) {
    Draw([&] { return "Blur " + std::to_string(wheel) + " " + std::to_string(offset); });
}

void TFakeHost::DrawBounce(int wheel, int shift) {
    Draw([&] { return "Bounce " + std::to_string(wheel) + " " + std::to_string(shift); });
}

void TFakeHost::DrawMeter(TMeter meter) {
    std::string entry = std::string("Meter ") + MeterName(meter);
    if (Machine && meter == TMeter::Credits)
        entry += " " + std::to_string(Machine->Session.Credits);
    Log.push_back(entry);
}

void TFakeHost::DrawMysteryPrize(int box, bool chosen) {
    Draw([&] { return "Prize " + std::to_string(box) + (chosen ? " chosen" : ""); });
}

void TFakeHost::RepaintAll() {
    Log.push_back("RepaintAll");
    if (OnRepaintAll)
        OnRepaintAll();
}

void TFakeHost::SetTimer(TimerId timer, bool enabled) {
    const int t = static_cast<int>(timer);
    if (enabled && !Timers[t])
        TimerDue[t] = Now + TimerIntervals[t];
    Timers[t] = enabled;
}

void TFakeHost::OpenDoubleGame(bool pyramid) {
    Log.push_back(pyramid ? "Open Pyramid" : "Open Cards");
    if (Machine)
        Machine->Session.ReopenDoubleGame = false;
    if (DoubleGame)
        DoubleGame(pyramid);
}

void TFakeHost::Play(SoundId sound) {
    Log.push_back(SoundEntry(sound));
    // The window plays nothing, and so waits for nothing, with Sound off or once it is closing.
    if (SoundInfo(sound).Mode != SoundMode::Synchronous || (Machine && (!Machine->Session.Sound || Machine->Closing)))
        return;
    const uint32_t end = Now + SoundMilliseconds(sound);
    RunDue(end, false);
    Now = std::max(Now, end);
}

// Fires every timer tick and scripted action that falls due before the deadline, in order; while
// the window takes no input, actions wait for the next wait that does.
void TFakeHost::RunDue(uint32_t until, bool takesInput) {
    for (;;) {
        uint32_t next = until;
        int timer = -1;
        for (int t = 0; t < TimerCount; ++t)
            if (Timers[t] && TimerDue[t] <= next) {
                next = TimerDue[t];
                timer = t;
            }
        auto action = std::min_element(Actions.begin(), Actions.end(),
                                       [](const TAction& a, const TAction& b) { return a.At < b.At; });
        if (takesInput && action != Actions.end() && action->At <= next) {
            Now = std::max(Now, action->At);
            auto run = std::move(action->Run);
            Actions.erase(action);
            run();
            continue;
        }
        if (timer < 0)
            return;
        Now = std::max(Now, next);
        TimerDue[timer] = next + TimerIntervals[timer];
        if (Machine)
            Machine->OnTimer(static_cast<TimerId>(timer));
    }
}

void TFakeHost::HandleEvents(uint32_t deadline) {
    RunDue(deadline);
    Now = std::max(Now, deadline);
}

} // namespace zorva
