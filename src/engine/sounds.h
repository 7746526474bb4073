#pragma once
#include <array>
#include <string_view>

namespace zorva {

// Each sound's value is the number in its file name, "Zorva<n>.wav".
enum class SoundId {
    Click = 0,
    Refusal = 1,
    MysteryAward = 2,
    Globe = 4,
    Dollar = 5,
    Payoff = 6,
    Chaser = 7,
    CountOffTick = 8,
    Win = 9,
    Pool = 10,
    Loss = 11,
};

enum class SoundMode {
    Synchronous,  // the caller waits until the sound has ended
    Asynchronous, // starts and returns at once
    Looping,      // repeats until another sound starts
    FromMemory,   // asynchronous, played from the bytes read at start-up
};

struct TSoundInfo {
    SoundId Id;
    std::string_view FileName;
    SoundMode Mode;
};

inline constexpr std::array<TSoundInfo, 11> AllSounds{{
    {SoundId::Click, "Zorva0.wav", SoundMode::FromMemory},
    {SoundId::Refusal, "Zorva1.wav", SoundMode::Synchronous},
    {SoundId::MysteryAward, "Zorva2.wav", SoundMode::Synchronous},
    {SoundId::Globe, "Zorva4.wav", SoundMode::Synchronous},
    {SoundId::Dollar, "Zorva5.wav", SoundMode::Synchronous},
    {SoundId::Payoff, "Zorva6.wav", SoundMode::Synchronous},
    {SoundId::Chaser, "Zorva7.wav", SoundMode::Looping},
    {SoundId::CountOffTick, "Zorva8.wav", SoundMode::Asynchronous},
    {SoundId::Win, "Zorva9.wav", SoundMode::Synchronous},
    {SoundId::Pool, "Zorva10.wav", SoundMode::Synchronous},
    {SoundId::Loss, "Zorva11.wav", SoundMode::Asynchronous},
}};

constexpr const TSoundInfo& SoundInfo(SoundId id) {
    for (const auto& info : AllSounds)
        if (info.Id == id)
            return info;
    return AllSounds[0];
}

} // namespace zorva
