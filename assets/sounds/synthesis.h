#pragma once
#include <cstddef>
#include <vector>

namespace zorva::sounds {

inline constexpr int SampleRate = 44100;

// Samples of one mono channel, full scale at ±1.
using TSamples = std::vector<double>;

std::size_t SampleCount(double seconds);

// The overtone recipe of a voice: the amplitude of partial k is Partials[k - 1]; an
// Inharmonic ratio other than 0 adds a bell-like partial at that multiple of the pitch.
struct TTimbre {
    std::vector<double> Partials{1.0};
    double Inharmonic = 0.0;
    double InharmonicLevel = 0.0;
};

// One note: its pitch glides from StartHz to EndHz, it swells in over AttackSeconds and
// then dies away with time constant DecaySeconds (0 holds it level), and it closes with
// a ReleaseSeconds fade so that it ends on silence.
struct TNote {
    double StartHz = 440.0;
    double EndHz = 440.0;
    double Seconds = 0.1;
    double AttackSeconds = 0.005;
    double DecaySeconds = 0.0;
    double ReleaseSeconds = 0.01;
    double VibratoHz = 0.0;
    double VibratoDepth = 0.0; // fraction of the pitch
    TTimbre Timbre;
};

TSamples RenderNote(const TNote& note);

// Short filtered noise that dies away with the given time constant; the same every bake.
TSamples RenderNoiseBurst(double seconds, double decaySeconds, double brightness);

// Adds source into target from the given time on, scaled by gain; target grows if needed.
void MixAt(TSamples& target, const TSamples& source, double atSeconds, double gain = 1.0);

// Raised-cosine fades over the first and last samples; the first and last sample become 0.
void FadeEdges(TSamples& samples, double fadeInSeconds, double fadeOutSeconds);

// Removes the mean, so the wave carries no DC offset. The correction is shaped like one
// raised-cosine period over the whole wave, so a first and last sample of 0 stay 0 and a
// loop stays seamless.
void RemoveOffset(TSamples& samples);

// Scales the wave so its largest magnitude is peak (a fraction of full scale).
void Normalise(TSamples& samples, double peak);

double Peak(const TSamples& samples);

} // namespace zorva::sounds
