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
std::vector<std::pair<size_t, size_t>> LoopRuns(const std::vector<size_t>& rounds, size_t length) {
    std::vector<std::pair<size_t, size_t>> runs; // start, end
    for (const size_t at : rounds) {
        if (!runs.empty() && runs.back().second == at)
            runs.back().second = at + length;
        else
            runs.emplace_back(at, at + length);
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
    if (server.Kind() == TSoundServerKind::PipeWire)
        heard.MissedCycles = CloseMissedCycles(recording);

    for (const auto& [name, count] : played)
        heard.Heard += std::min<int>(count, static_cast<int>(FindSound(recording, WaveFileSamples(folder.filePath(QString::fromStdString(name)))).size()));
    const std::vector<int16_t> clickSamples = WaveFileSamples(folder.filePath(QStringLiteral("Zorva0.wav")));
    const std::vector<size_t> clicks = FindSound(recording, clickSamples);
    heard.ClicksHeard = std::min<int>(heard.Clicks, static_cast<int>(clicks.size()));

    // A loop is held when it sounds without a break from its start to the click that ends it,
    // but for the moment the server takes to switch streams.
    const std::vector<int16_t> loop = WaveFileSamples(chaser);
    const auto rounds = LoopRuns(FindSound(recording, loop), loop.size());
    for (const auto& [start, end] : rounds) {
        const auto next = std::upper_bound(clicks.begin(), clicks.end(), start);
        if (end - start < 2 * loop.size() || next == clicks.end())
            continue;
        size_t quiet = *next;
        for (size_t at = end; at + 5 * PerMillisecond <= *next; at += 5 * PerMillisecond) {
            if (Peak(recording, at, at + 5 * PerMillisecond) < 100) {
                quiet = at;
                break;
            }
        }
        const int gapMs = static_cast<int>((*next - quiet) / PerMillisecond);
        heard.LongestLoopGapMs = std::max(heard.LongestLoopGapMs, gapMs);
        if (gapMs <= 30)
            ++heard.LoopsHeld;
    }
    return heard;
}

} // namespace zorva::testing
