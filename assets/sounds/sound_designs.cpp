#include "sounds/sound_designs.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zorva::sounds {

const std::array<TSoundDesign, 11> SoundDesigns{{
    {SoundId::Click, "click", 0.018, 0.50, false},
    {SoundId::Refusal, "refusal", 0.34, 0.40, false},
    {SoundId::MysteryAward, "mystery award", 0.90, 0.60, false},
    {SoundId::Globe, "globe", 0.20, 0.50, false},
    {SoundId::Dollar, "dollar", 0.16, 0.50, false},
    {SoundId::Payoff, "payoff", 0.50, 0.60, false},
    {SoundId::Chaser, "chaser", 0.70, 0.35, true},
    {SoundId::CountOffTick, "count-off tick", 0.040, 0.35, false},
    {SoundId::Win, "win", 0.95, 0.70, false},
    {SoundId::Pool, "pool", 1.50, 0.70, false},
    {SoundId::Loss, "loss", 0.90, 0.45, false},
}};

namespace {

// Equal-tempered pitches used below.
constexpr double D3 = 146.83, G3 = 196.00, A3s = 233.08, B3 = 246.94, C4 = 261.63, C4s = 277.18, D4 = 293.66;
constexpr double G4 = 392.00, C5 = 523.25, E5 = 659.26, G5 = 783.99, B5 = 987.77, C6 = 1046.50, E6 = 1318.51;
constexpr double G6 = 1567.98, G6s = 1661.22, B6 = 1975.53, C7 = 2093.00, E7 = 2637.02;

const TTimbre Pure{{1.0}, 0.0, 0.0};
const TTimbre Bell{{1.0, 0.0, 0.25}, 2.76, 0.35};
const TTimbre Brass{{1.0, 0.7, 0.5, 0.35, 0.2, 0.12}, 0.0, 0.0};
const TTimbre MellowBrass{{1.0, 0.5, 0.3, 0.15}, 0.0, 0.0};
const TTimbre Buzz{{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.11}, 0.0, 0.0};

TNote Note(double hz, double seconds, const TTimbre& timbre, double attack, double decay, double release) {
    return TNote{hz, hz, seconds, attack, decay, release, 0.0, 0.0, timbre};
}

// A dry knock: a high partial dying within a few milliseconds over a breath of noise.
TSamples Click() {
    TSamples out;
    TNote knock = Note(1900.0, 0.018, TTimbre{{1.0}, 2.3, 0.5}, 0.0005, 0.004, 0.002);
    knock.EndHz = 1700.0;
    MixAt(out, RenderNote(knock), 0.0);
    MixAt(out, RenderNoiseBurst(0.006, 0.0012, 0.6), 0.0, 0.3);
    return out;
}

// A low two-step buzzer, "uh-uh": nobody takes it for a reward.
TSamples Refusal() {
    TSamples out;
    for (double detune : {1.0, 1.006}) {
        MixAt(out, RenderNote(Note(G3 * detune, 0.15, Buzz, 0.005, 0.0, 0.02)), 0.0, 0.5);
        TNote second = Note(D3 * detune, 0.19, Buzz, 0.005, 0.0, 0.06);
        second.EndHz = 140.0 * detune;
        MixAt(out, RenderNote(second), 0.15, 0.5);
    }
    return out;
}

// A rising run of bells that rings on: something is about to be revealed.
TSamples MysteryAward() {
    TSamples out;
    const double run[] = {C5, E5, G5, C6, E6, G6, C7};
    for (int i = 0; i < 7; ++i) {
        const double at = 0.07 * i;
        MixAt(out, RenderNote(Note(run[i], 0.90 - at, Bell, 0.003, 0.25, 0.08)), at, 0.35);
    }
    return out;
}

// A round "bloop" sliding up an octave, with a little ping on top.
TSamples Globe() {
    TSamples out;
    TNote bloop = Note(520.0, 0.20, TTimbre{{1.0, 0.25, 0.1}, 0.0, 0.0}, 0.004, 0.09, 0.03);
    bloop.EndHz = 1040.0;
    MixAt(out, RenderNote(bloop), 0.0);
    MixAt(out, RenderNote(Note(G6, 0.12, Bell, 0.002, 0.05, 0.03)), 0.08, 0.3);
    return out;
}

// A coin: two quick bright bell strokes, the second a fourth higher.
TSamples Dollar() {
    TSamples out;
    MixAt(out, RenderNote(Note(B5, 0.05, Bell, 0.002, 0.03, 0.01)), 0.0, 0.6);
    MixAt(out, RenderNote(Note(E6, 0.115, Bell, 0.002, 0.05, 0.03)), 0.045);
    return out;
}

// "Cha-ching": a brush of noise, then a bright major chord of bells.
TSamples Payoff() {
    TSamples out;
    MixAt(out, RenderNoiseBurst(0.05, 0.015, 0.8), 0.0, 0.5);
    for (double hz : {E6, G6s, B6})
        MixAt(out, RenderNote(Note(hz, 0.46, Bell, 0.003, 0.15, 0.06)), 0.04, 0.4);
    return out;
}

// A twinkling figure of four notes over a soft pulsing hum. Every steady partial makes a
// whole number of cycles in the loop and starts at phase zero, and each note dies out
// inside its quarter, so the last sample runs on into the first without a seam.
TSamples Chaser() {
    constexpr double loopSeconds = 0.70;
    constexpr double quarter = loopSeconds / 4;
    const std::size_t count = SampleCount(loopSeconds);
    TSamples out(count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double pulse = 0.75 + 0.25 * std::cos(2.0 * std::numbers::pi * t / quarter);
        const double hum =
            std::sin(2.0 * std::numbers::pi * 220.0 * t) + 0.6 * std::sin(2.0 * std::numbers::pi * 330.0 * t);
        out[i] = 0.25 * pulse * hum;
    }
    const double figure[] = {E6, B5, E6, G6};
    for (int i = 0; i < 4; ++i)
        MixAt(out, RenderNote(Note(figure[i], quarter - 0.01, Bell, 0.004, 0.05, 0.02)), quarter * i, 0.6);
    out.resize(count);
    return out;
}

// A tiny bright blip, gone long before the next step of the count.
TSamples CountOffTick() {
    TSamples out;
    MixAt(out, RenderNote(Note(E7, 0.04, TTimbre{{1.0, 0.2}, 0.0, 0.0}, 0.001, 0.008, 0.01)), 0.0);
    MixAt(out, RenderNote(Note(E6, 0.04, Pure, 0.001, 0.01, 0.01)), 0.0, 0.3);
    return out;
}

// A brass fanfare: up the major chord, then the chord held with a touch of vibrato.
TSamples Win() {
    TSamples out;
    const double steps[] = {C5, E5, G5};
    for (int i = 0; i < 3; ++i)
        MixAt(out, RenderNote(Note(steps[i], 0.12, Brass, 0.01, 0.0, 0.03)), 0.09 * i, 0.35);
    for (double hz : {E5, G5, C6}) {
        TNote held = Note(hz, 0.68, Brass, 0.02, 0.6, 0.15);
        held.VibratoHz = 5.5;
        held.VibratoDepth = 0.004;
        MixAt(out, RenderNote(held), 0.27, 0.3);
    }
    MixAt(out, RenderNote(Note(C7, 0.5, Bell, 0.002, 0.2, 0.1)), 0.27, 0.25);
    return out;
}

// The big one: a longer run up, a full held chord and a cascade of bells over it.
TSamples Pool() {
    TSamples out;
    const double run[] = {G4, C5, E5, G5, C6};
    for (int i = 0; i < 5; ++i)
        MixAt(out, RenderNote(Note(run[i], 0.11, Brass, 0.008, 0.0, 0.03)), 0.08 * i, 0.32);
    for (double hz : {C5, E5, G5, C6}) {
        TNote held = Note(hz, 1.0, Brass, 0.02, 0.9, 0.2);
        held.VibratoHz = 5.5;
        held.VibratoDepth = 0.004;
        MixAt(out, RenderNote(held), 0.48, 0.25);
    }
    const double cascade[] = {C7, G6, E6, C6, E6, G6, C7};
    for (int i = 0; i < 7; ++i)
        MixAt(out, RenderNote(Note(cascade[i], 0.3, Bell, 0.002, 0.12, 0.08)), 0.5 + 0.1 * i, 0.22);
    return out;
}

// The sad trombone: three falling steps and a long wobbling slide down.
TSamples Loss() {
    TSamples out;
    const double steps[] = {D4, C4s, C4};
    for (int i = 0; i < 3; ++i)
        MixAt(out, RenderNote(Note(steps[i], 0.17, MellowBrass, 0.015, 0.0, 0.04)), 0.18 * i, 0.5);
    TNote slide = Note(B3, 0.36, MellowBrass, 0.02, 0.0, 0.12);
    slide.EndHz = A3s;
    slide.VibratoHz = 6.0;
    slide.VibratoDepth = 0.02;
    MixAt(out, RenderNote(slide), 0.54, 0.5);
    return out;
}

TSamples Compose(SoundId id) {
    switch (id) {
    case SoundId::Click:
        return Click();
    case SoundId::Refusal:
        return Refusal();
    case SoundId::MysteryAward:
        return MysteryAward();
    case SoundId::Globe:
        return Globe();
    case SoundId::Dollar:
        return Dollar();
    case SoundId::Payoff:
        return Payoff();
    case SoundId::Chaser:
        return Chaser();
    case SoundId::CountOffTick:
        return CountOffTick();
    case SoundId::Win:
        return Win();
    case SoundId::Pool:
        return Pool();
    case SoundId::Loss:
        return Loss();
    }
    throw std::invalid_argument("no sound is designed under number " + std::to_string(static_cast<int>(id)));
}

} // namespace

TSamples Synthesise(const TSoundDesign& design) {
    TSamples samples = Compose(design.Id);
    samples.resize(SampleCount(design.Seconds), 0.0);
    if (!design.Loop)
        FadeEdges(samples, 0.002, 0.005);
    RemoveOffset(samples);
    Normalise(samples, design.Peak);
    return samples;
}

} // namespace zorva::sounds
