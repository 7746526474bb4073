#include "sounds/synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace zorva::sounds {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
// Partials above this are left out: they would fold back as harsh aliases.
constexpr double HighestPartialHz = 16000.0;

double TimbreSample(const TTimbre& timbre, double phase, double pitch) {
    double value = 0.0;
    for (std::size_t k = 0; k < timbre.Partials.size(); ++k) {
        const double harmonic = static_cast<double>(k + 1);
        if (pitch * harmonic < HighestPartialHz)
            value += timbre.Partials[k] * std::sin(harmonic * phase);
    }
    if (timbre.Inharmonic > 0.0 && pitch * timbre.Inharmonic < HighestPartialHz)
        value += timbre.InharmonicLevel * std::sin(timbre.Inharmonic * phase);
    return value;
}

double Envelope(const TNote& note, double t) {
    double level = 1.0;
    if (note.AttackSeconds > 0.0 && t < note.AttackSeconds)
        level = 0.5 - 0.5 * std::cos(std::numbers::pi * t / note.AttackSeconds);
    if (note.DecaySeconds > 0.0)
        level *= std::exp(-t / note.DecaySeconds);
    const double left = note.Seconds - t;
    if (note.ReleaseSeconds > 0.0 && left < note.ReleaseSeconds)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(left, 0.0) / note.ReleaseSeconds);
    return level;
}

} // namespace

std::size_t SampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}

TSamples RenderNote(const TNote& note) {
    const std::size_t count = SampleCount(note.Seconds);
    TSamples samples(count);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double progress = count > 1 ? static_cast<double>(i) / static_cast<double>(count - 1) : 0.0;
        // Glide in equal musical steps rather than equal hertz, as a voice slides.
        double pitch = note.StartHz * std::pow(note.EndHz / note.StartHz, progress);
        if (note.VibratoHz > 0.0)
            pitch *= 1.0 + note.VibratoDepth * std::sin(TwoPi * note.VibratoHz * t);
        samples[i] = Envelope(note, t) * TimbreSample(note.Timbre, phase, pitch);
        // The phase is never wrapped: the bell partial is no whole multiple of it, and
        // wrapping would jolt that partial once every cycle.
        phase += TwoPi * pitch / SampleRate;
    }
    return samples;
}

TSamples RenderNoiseBurst(double seconds, double decaySeconds, double brightness) {
    const std::size_t count = SampleCount(seconds);
    TSamples samples(count);
    uint32_t seed = 0x2545F491u;
    double smoothed = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double white = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        // A one-pole low-pass: brightness 1 keeps the hiss, lower values mellow it.
        smoothed += brightness * (white - smoothed);
        const double t = static_cast<double>(i) / SampleRate;
        samples[i] = smoothed * std::exp(-t / decaySeconds);
    }
    return samples;
}

void MixAt(TSamples& target, const TSamples& source, double atSeconds, double gain) {
    const std::size_t start = SampleCount(atSeconds);
    if (target.size() < start + source.size())
        target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[start + i] += gain * source[i];
}

void FadeEdges(TSamples& samples, double fadeInSeconds, double fadeOutSeconds) {
    if (samples.empty())
        return;
    const std::size_t last = samples.size() - 1;
    const std::size_t fadeIn = std::min(std::max<std::size_t>(SampleCount(fadeInSeconds), 1), last);
    const std::size_t fadeOut = std::min(std::max<std::size_t>(SampleCount(fadeOutSeconds), 1), last);
    for (std::size_t i = 0; i < fadeIn; ++i)
        samples[i] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(fadeIn));
    for (std::size_t i = 0; i < fadeOut; ++i)
        samples[last - i] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(fadeOut));
}

void RemoveOffset(TSamples& samples) {
    if (samples.empty())
        return;
    double sum = 0.0;
    for (double s : samples)
        sum += s;
    const double count = static_cast<double>(samples.size());
    const double mean = sum / count;
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] -= mean * (1.0 - std::cos(TwoPi * static_cast<double>(i) / count));
}

double Peak(const TSamples& samples) {
    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

void Normalise(TSamples& samples, double peak) {
    const double current = Peak(samples);
    if (current == 0.0)
        return;
    for (double& s : samples)
        s *= peak / current;
}

} // namespace zorva::sounds
