// Sounds in quick succession, played through the real module to private PulseAudio and PipeWire
// servers and recorded: a sound that follows another must be heard whole, sample for sample, and
// the chaser's loop must sound until the click that ends it. Each server runs in a process of its
// own (one test each), its address in that process's environment.
#include <QString>
#include <cmath>
#include <string>
#include <gtest/gtest.h>

#include "platform/sound_module.h"
#include "platform/sound_player.h"
#include "support/sound_pairs.h"

namespace zorva {
namespace {

using testing::TPrivateSoundServer;
using testing::TSoundServerKind;

class SoundPairsTest : public ::testing::TestWithParam<TSoundServerKind> {};

// Guards against a sound being cut short by the one before it: a close of the old stream, the old
// sound running on into the new one, a synchronous wait that ends before the sound has been
// heard, a stream that ran dry and was drained, a loop that dies after its first buffer.
TEST_P(SoundPairsTest, EverySoundIsHeardWholeUntilTheNextStarts) {
    TPrivateSoundServer server(GetParam());
    ASSERT_TRUE(server.Failure().isEmpty()) << server.Failure().toStdString();
    server.UseInThisProcess();
    const QString folder = QStringLiteral(ZORVA_TEST_PROGRAM_FOLDER);
    TSoundModuleBackend backend(folder);
    TSoundPlayer player(backend);
    backend.Prepare();
    ASSERT_TRUE(backend.Loaded());

    const testing::TPairsHeard heard = testing::PlayPairs(player, server, folder, 50);
    EXPECT_EQ(heard.Played, 50);
    EXPECT_EQ(heard.Heard, heard.Played) << "sounds after a click heard whole; the server's own silent cycles: "
                                         << heard.SilentCycles;
    EXPECT_EQ(heard.Loops, 5);
    EXPECT_EQ(heard.LoopsHeld, heard.Loops) << "loops sounding until the next click; the longest silence before it "
                                            << heard.LongestLoopGapMs << " ms";
}

// Guards the pairs test against taking a player's fault for the server's: only whole cycles of
// exact silence, after which the sound goes on on time or whole cycles late, are forgiven.
TEST(SoundSearch, ForgivesOnlyThePipeWireGraphsOwnSilentCycles) {
    std::vector<int16_t> sound(6000);
    for (size_t i = 0; i < sound.size(); ++i)
        sound[i] = static_cast<int16_t>(8000 * std::sin(static_cast<double>(i) * 0.07) + 3000 * std::sin(static_cast<double>(i) * 0.011));
    const auto heardAs = [&](size_t silenceAt, size_t silence, size_t skipped) {
        std::vector<int16_t> recording(500, 0);
        recording.insert(recording.end(), sound.begin(), sound.begin() + static_cast<std::ptrdiff_t>(silenceAt));
        recording.insert(recording.end(), silence, 0);
        recording.insert(recording.end(), sound.begin() + static_cast<std::ptrdiff_t>(silenceAt + skipped), sound.end());
        recording.insert(recording.end(), 500, 0);
        return recording;
    };
    struct TCase {
        const char* What;
        size_t Silence, Skipped;
        int Found, Cycles;
    };
    for (const TCase& c : {TCase{"whole", 0, 0, 1, 0}, TCase{"a cycle played silent, on time after it", 1024, 1024, 1, 1},
                           TCase{"a cycle late", 1024, 0, 1, 1}, TCase{"two cycles silent, one of them late", 2048, 1024, 1, 2},
                           TCase{"silence that is no whole cycle", 700, 700, 0, 0},
                           TCase{"a cycle's silence, then not where the sound would be", 1024, 500, 0, 0}}) {
        int cycles = 0;
        EXPECT_EQ(testing::FindSound(heardAs(2500, c.Silence, c.Skipped), sound, &cycles).size(), static_cast<size_t>(c.Found)) << c.What;
        EXPECT_EQ(cycles, c.Cycles) << c.What;
        if (c.Silence > 0) {
            EXPECT_TRUE(testing::FindSound(heardAs(2500, c.Silence, c.Skipped), sound).empty()) << c.What << ", on PulseAudio";
        }
    }
}

std::string ServerName(const ::testing::TestParamInfo<TSoundServerKind>& info) {
    return info.param == TSoundServerKind::PulseAudio ? "PulseAudio" : "PipeWire";
}

INSTANTIATE_TEST_SUITE_P(Servers, SoundPairsTest,
                         ::testing::Values(TSoundServerKind::PulseAudio, TSoundServerKind::PipeWire), ServerName);

} // namespace
} // namespace zorva
