// Plays pairs of sounds in quick succession through the game's sound module to a private sound
// server of its own, PulseAudio or PipeWire, and counts those heard whole in the recording of
// the server's null sink.
// zorva-sound-pairs <program folder> <pulseaudio|pipewire> <pairs>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sound_module.h"
#include "support/sound_pairs.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 4 || (std::strcmp(argv[2], "pulseaudio") != 0 && std::strcmp(argv[2], "pipewire") != 0)) {
        std::fprintf(stderr, "usage: zorva-sound-pairs <program folder> <pulseaudio|pipewire> <pairs>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    using zorva::testing::TSoundServerKind;
    zorva::testing::TPrivateSoundServer server(std::strcmp(argv[2], "pipewire") == 0 ? TSoundServerKind::PipeWire
                                                                                     : TSoundServerKind::PulseAudio);
    if (!server.Failure().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.Failure()));
        return 1;
    }
    server.UseInThisProcess();
    zorva::TSoundModuleBackend backend(folder);
    zorva::TSoundPlayer player(backend);
    backend.Prepare();
    if (!backend.Loaded())
        return 1;
    const zorva::testing::TPairsHeard heard = zorva::testing::PlayPairs(player, server, folder, std::max(1, std::atoi(argv[3])));
    std::printf("server %s\n", argv[2]);
    std::printf("followers_heard_whole %d of %d\n", heard.Heard, heard.Played);
    std::printf("clicks_heard_whole %d of %d\n", heard.ClicksHeard, heard.Clicks);
    std::printf("loops_held %d of %d, longest gap before the next sound %d ms\n", heard.LoopsHeld, heard.Loops,
                heard.LongestLoopGapMs);
    std::printf("server_silent_cycles %d\n", heard.SilentCycles);
    return heard.Heard == heard.Played && heard.LoopsHeld == heard.Loops ? 0 : 1;
}
