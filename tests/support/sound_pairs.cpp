#include "support/sound_pairs.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <map>
#include <string>

#include "platform/clock.h"

namespace zorva::testing {

namespace {

constexpr size_t PerMillisecond = TPrivateSoundServer::SampleRate / 1000;
// Long enough for two whole rounds of the chaser's 0.7 s loop, whenever its stream opens.
constexpr int LoopMilliseconds = 1600;

struct TFollower {
    const char* Name;
    TPlayMode Mode;
};

// Sounds the game plays right after a click: the refusal, a globe, a dollar-row refill (all
// synchronous, so the next click follows the moment they end) and a count-off tick.
constexpr TFollower Followers[] = {{"Zorva1.wav", TPlayMode::Synchronous},
                                   {"Zorva5.wav", TPlayMode::Synchronous},
                                   {"Zorva4.wav", TPlayMode::Synchronous},
                                   {"Zorva8.wav", TPlayMode::Asynchronous}};

void Pause(int milliseconds) {
    WaitUntil(TickCount() + static_cast<uint32_t>(milliseconds));
}

// The loop's whole rounds stand back to back; each run of them is one playing of the loop.
std::vector<std::pair<size_t, size_t>> LoopRuns(const std::vector<std::pair<size_t, size_t>>& rounds) {
    std::vector<std::pair<size_t, size_t>> runs; // start, end
    for (const auto& [start, end] : rounds) {
        if (!runs.empty() && runs.back().second == start)
            runs.back().second = end;
        else
            runs.emplace_back(start, end);
    }
    return runs;
}

} // namespace

TPairsHeard PlayPairs(TSoundPlayer& player, TPrivateSoundServer& server, const QString& programFolder, int pairs) {
    const QDir folder(programFolder);
    QFile clickFile(folder.filePath(QStringLiteral("Zorva0.wav")));
    clickFile.open(QIODevice::ReadOnly);
    const QByteArray click = clickFile.readAll();
    const QString chaser = folder.filePath(QStringLiteral("Zorva7.wav"));

    TPairsHeard heard;
    std::map<std::string, int> played;
    if (!server.StartRecording())
        return heard;
    Pause(300);
    for (int i = 0; i < pairs; ++i) {
        // Spread over 50 to 300 ms, the same for every run.
        const int gap = 50 + (i * 97) % 251;
        player.PlayFromMemory(click);
        ++heard.Clicks;
        Pause(gap);
        const TFollower& follower = Followers[static_cast<size_t>(i) % std::size(Followers)];
        player.PlayFile(folder.filePath(QString::fromLatin1(follower.Name)), follower.Mode);
        ++played[follower.Name];
        ++heard.Played;
        if (follower.Mode == TPlayMode::Asynchronous)
            Pause(gap);
        if (i % 10 == 9) {
            player.PlayFromMemory(click);
            ++heard.Clicks;
            Pause(gap);
            player.PlayFile(chaser, TPlayMode::Looping);
            ++heard.Loops;
            Pause(LoopMilliseconds + gap);
        }
    }
    player.PlayFromMemory(click);
    ++heard.Clicks;
    Pause(300);
    std::vector<int16_t> recording = server.StopRecording();
    // For a closer look at a run that lost something: the raw recording, mono s16le.
    if (const QByteArray keep = qgetenv("ZORVA_PAIRS_RECORDING"); !keep.isEmpty()) {
        QFile out(QString::fromLocal8Bit(keep));
        if (out.open(QIODevice::WriteOnly))
            out.write(reinterpret_cast<const char*>(recording.data()), static_cast<qint64>(recording.size() * 2));
    }

    int* silent = server.Kind() == TSoundServerKind::PipeWire ? &heard.SilentCycles : nullptr;
    for (const auto& [name, count] : played)
        heard.Heard += std::min<int>(count, static_cast<int>(FindSound(recording, WaveFileSamples(folder.filePath(QString::fromStdString(name))), silent).size()));
    const std::vector<int16_t> clickSamples = WaveFileSamples(folder.filePath(QStringLiteral("Zorva0.wav")));
    const std::vector<size_t> clicks = FindSound(recording, clickSamples, silent);
    heard.ClicksHeard = std::min<int>(heard.Clicks, static_cast<int>(clicks.size()));

    // A loop is held when it sounds without a break from its start to the click that ends it,
    // but for the moment the server takes to switch streams.
    const std::vector<int16_t> loop = WaveFileSamples(chaser);
    const auto rounds = LoopRuns(FindSoundSpans(recording, loop, silent));
    for (const auto& [start, end] : rounds) {
        const auto next = std::upper_bound(clicks.begin(), clicks.end(), start);
        if (end - start < 2 * loop.size() || next == clicks.end())
            continue;
        // The silence right before the click: a loop that died leaves one there.
        size_t quiet = *next;
        while (quiet >= end + 5 * PerMillisecond && Peak(recording, quiet - 5 * PerMillisecond, quiet) < 100)
            quiet -= 5 * PerMillisecond;
        const int gapMs = static_cast<int>((*next - quiet) / PerMillisecond);
        heard.LongestLoopGapMs = std::max(heard.LongestLoopGapMs, gapMs);
        if (gapMs <= 30)
            ++heard.LoopsHeld;
    }
    return heard;
}

} // namespace zorva::testing
