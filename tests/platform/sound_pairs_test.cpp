// Sounds in quick succession, played through the real module to private PulseAudio and PipeWire
// servers and recorded: a sound that follows another must be heard whole, sample for sample, and
// the chaser's loop must sound until the click that ends it. Each server runs in a process of its
// own (one test each), its address in that process's environment.
#include <QString>
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
    EXPECT_EQ(heard.Heard, heard.Played) << "sounds after a click heard whole; cycles the server missed: "
                                         << heard.MissedCycles;
    EXPECT_EQ(heard.Loops, 5);
    EXPECT_EQ(heard.LoopsHeld, heard.Loops) << "loops sounding until the next click; the longest silence before it "
                                            << heard.LongestLoopGapMs << " ms";
}

std::string ServerName(const ::testing::TestParamInfo<TSoundServerKind>& info) {
    return info.param == TSoundServerKind::PulseAudio ? "PulseAudio" : "PipeWire";
}

INSTANTIATE_TEST_SUITE_P(Servers, SoundPairsTest,
                         ::testing::Values(TSoundServerKind::PulseAudio, TSoundServerKind::PipeWire), ServerName);

} // namespace
} // namespace zorva
