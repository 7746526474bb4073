#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "sounds/sound_designs.h"

namespace zorva::sounds {
namespace {

struct TWave {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::vector<int16_t> Samples;

    double Milliseconds() const { return 1000.0 * static_cast<double>(Samples.size()) / SampleRate; }
};

uint32_t Read(const std::vector<uint8_t>& bytes, std::size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes.at(at + i);
    return value;
}

// Reads a plain PCM wave file as the game's player must: RIFF, a "fmt " chunk, a "data" chunk.
std::optional<TWave> ReadWave(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE" || Read(bytes, 4, 4) != bytes.size() - 8)
        return std::nullopt;
    TWave wave;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const std::size_t size = Read(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (Read(bytes, at + 8, 2) != 1)
                return std::nullopt;
            wave.Channels = static_cast<int>(Read(bytes, at + 10, 2));
            wave.SampleRate = static_cast<int>(Read(bytes, at + 12, 4));
            wave.BitsPerSample = static_cast<int>(Read(bytes, at + 22, 2));
        } else if (id == "data" && wave.BitsPerSample == 16) {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wave.Samples.push_back(static_cast<int16_t>(Read(bytes, at + 8 + i, 2)));
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

std::filesystem::path Baked(SoundId id) {
    return std::filesystem::path(ZORVA_PROGRAM_FOLDER) / SoundInfo(id).FileName;
}

double FullScale(int sample) {
    return sample / 32768.0;
}

const TSoundDesign* Design(SoundId id) {
    const auto design = std::find_if(SoundDesigns.begin(), SoundDesigns.end(),
                                     [id](const TSoundDesign& d) { return d.Id == id; });
    return design == SoundDesigns.end() ? nullptr : &*design;
}

int Number(SoundId id) {
    return static_cast<int>(id);
}

// Guards against a file the player cannot open, or one that runs longer or shorter than the
// game's pace was planned around.
TEST(BakedSounds, EveryFileIsPlainPcmOfItsDesignedLength) {
    for (const TSoundInfo& sound : AllSounds) {
        const TSoundDesign* design = Design(sound.Id);
        ASSERT_NE(design, nullptr) << sound.FileName << " has no design";
        const auto wave = ReadWave(Baked(sound.Id));
        ASSERT_TRUE(wave) << Baked(sound.Id) << " is missing or not a plain PCM wave";
        EXPECT_EQ(wave->Channels, 1) << sound.FileName;
        EXPECT_EQ(wave->SampleRate, SampleRate) << sound.FileName;
        EXPECT_EQ(wave->Samples.size(), SampleCount(design->Seconds)) << sound.FileName;
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(ZORVA_PROGRAM_FOLDER) / "Zorva3.wav"))
        << "the game has no sound number 3";
}

// Guards against sounds that overrun the moments they are played at: wheels stopping 25 ms
// apart, count-off steps 100 ms apart, six dollars or three globes refilled one by one.
TEST(BakedSounds, LengthsFitTheirMoments) {
    const auto milliseconds = [](SoundId id) { return ReadWave(Baked(id)).value().Milliseconds(); };
    EXPECT_LT(milliseconds(SoundId::Click), 25.0) << "click";
    EXPECT_LT(milliseconds(SoundId::CountOffTick), 100.0) << "count-off tick";
    EXPECT_LE(6 * milliseconds(SoundId::Dollar), 1200.0) << "six dollars";
    EXPECT_LE(3 * milliseconds(SoundId::Globe), 750.0) << "three globes";
    EXPECT_LE(milliseconds(SoundId::Refusal), 400.0) << "refusal";
    for (SoundId id : {SoundId::MysteryAward, SoundId::Payoff, SoundId::Win, SoundId::Pool})
        EXPECT_LE(milliseconds(id), 1500.0) << Number(id);
}

// Guards against clipping, painfully loud or inaudible sounds, and a DC offset that thumps
// the speaker at every start and stop.
TEST(BakedSounds, LevelsAreComfortableAndCentred) {
    for (const auto& design : SoundDesigns) {
        const TWave wave = ReadWave(Baked(design.Id)).value();
        int peak = 0;
        double sum = 0.0;
        for (int16_t s : wave.Samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            sum += s;
        }
        EXPECT_NEAR(FullScale(peak), design.Peak, 0.001) << Number(design.Id);
        EXPECT_LE(FullScale(peak), 0.71) << Number(design.Id) << " is louder than -3 dBFS";
        EXPECT_GE(FullScale(peak), 0.3) << Number(design.Id) << " is too quiet";
        EXPECT_LT(std::abs(FullScale(static_cast<int>(sum / wave.Samples.size()))), 0.001)
            << Number(design.Id) << " carries a DC offset";
    }
}

// Guards against clicks: a one-shot starts and ends on silence; the chaser's loop starts
// on a zero crossing and its last sample runs on into its first as smoothly as any two
// neighbours inside it.
TEST(BakedSounds, EdgesAreSilentAndTheLoopIsSeamless) {
    for (const auto& design : SoundDesigns) {
        const std::vector<int16_t> s = ReadWave(Baked(design.Id)).value().Samples;
        EXPECT_EQ(s.front(), 0) << Number(design.Id);
        if (!design.Loop) {
            EXPECT_EQ(s.back(), 0) << Number(design.Id);
            continue;
        }
        const auto bend = [&s](std::size_t i) {
            const std::size_t n = s.size();
            return std::abs(s[(i + 2) % n] - 2 * s[(i + 1) % n] + s[i % n]);
        };
        int largestInside = 0;
        for (std::size_t i = 0; i + 2 < s.size(); ++i)
            largestInside = std::max(largestInside, bend(i));
        EXPECT_LE(bend(s.size() - 2), largestInside) << "seam at the last sample";
        EXPECT_LE(bend(s.size() - 1), largestInside) << "seam at the first sample";
        EXPECT_LE(s.back(), 0)
            << "the wave must rise through zero into its first sample, as it did leaving it";
        EXPECT_GT(s[1], 0);
    }
}

} // namespace
} // namespace zorva::sounds
