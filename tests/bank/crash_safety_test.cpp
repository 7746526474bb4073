#include <QFileInfo>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "bank/game_section.h"
#include "bank/saved_game.h"
#include "crash_versions.h"
#include "saved_fields.h"
#include "temporary_config_home.h"

namespace zorva {
namespace {

// The child's whole life: save the game in progress one version further, again and again.
[[noreturn]] void SaveVersionsUntilKilled(int ready) {
    if (write(ready, "s", 1) != 1) {
        _exit(2);
    }
    close(ready);
    TGameSession session;
    for (;;) {
        ReadGame(session, CurrentGameSlot);
        if (!WriteGame(CrashVersion(session.Spins + 1), CurrentGameSlot, CurrentGameName)) {
            _exit(1);
        }
    }
}

class CrashSafety : public TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        SetTodayForTesting(CrashDate);
        // Warm Qt's paths and locale up once, not in every child.
        TGameSession warm;
        ReadGame(warm, CurrentGameSlot);
    }

    // In memory where there is such a folder: a kill cannot undo what the kernel already holds, so the
    // disk adds nothing to the test but the time of a thousand flushes.
    QString ParentFolder() const override {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                  : TemporaryConfigHome::ParentFolder();
    }

    // Forks a writer and returns once it has begun to save. A fork rather than a new program keeps a
    // thousand starts quick: loading the Qt libraries alone takes tens of milliseconds.
    static pid_t StartWriter() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return -1;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            SaveVersionsUntilKilled(pipeEnds[1]);
        }
        close(pipeEnds[1]);
        char started = 0;
        const bool running = read(pipeEnds[0], &started, 1) == 1;
        close(pipeEnds[0]);
        return running ? child : -1;
    }

    static int32_t KillAfter(pid_t writer, std::chrono::microseconds delay) {
        std::this_thread::sleep_for(delay);
        kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? 0 : -1;
    }
};

// A save interrupted at any instant, by a crash or a power cut, must leave a whole file behind.
TEST_F(CrashSafety, AWriterKilledAtRandomMomentsLeavesTheOldOrTheNewFileWhole) {
    const std::string seed = CrashSeedFile();
    WriteBytes(FilePath(), seed);
    const auto version = [&seed](int32_t n) {
        TProfileFile file = TProfileFile::Parse(seed);
        WriteGameSection(file, CrashVersion(n), CurrentGameSlot, CurrentGameName, CrashDateText);
        return file.Serialise();
    };
    const auto savedVersion = [this] {
        TGameSession read;
        ReadGameSection(TProfileFile::Parse(ReadBytes(FilePath())), read, CurrentGameSlot, "");
        return read.Spins;
    };

    // How long one save takes here decides how late a kill may come: half the kills fall in the first
    // few hundred microseconds of a save, the others anywhere in its first two saves.
    const pid_t sample = StartWriter();
    ASSERT_GT(sample, 0);
    ASSERT_EQ(KillAfter(sample, std::chrono::milliseconds(200)), 0);
    const int32_t sampleSaves = savedVersion();
    ASSERT_GT(sampleSaves, 0) << "the writer saved nothing in 200 ms";
    const int saveMicroseconds = 200'000 / sampleSaves;
    const std::string sampleFile = ReadBytes(FilePath());
    ASSERT_EQ(sampleFile, version(sampleSaves));

    std::mt19937 generator(20240307);
    std::uniform_int_distribution<int> early(0, 300);
    std::uniform_int_distribution<int> late(0, 2 * saveMicroseconds);
    constexpr int Kills = 1000;
    int32_t last = sampleSaves;
    int killsAfterASave = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t writer = StartWriter();
        ASSERT_GT(writer, 0);
        const int delay = kill % 2 == 0 ? early(generator) : late(generator);
        ASSERT_EQ(KillAfter(writer, std::chrono::microseconds(delay)), 0) << "the writer stopped by itself";

        const std::string file = ReadBytes(FilePath());
        const int32_t saved = savedVersion();
        ASSERT_EQ(file, version(saved)) << "after kill " << kill << " the file is not a whole version";
        ASSERT_GE(saved, last) << "after kill " << kill << " an older version came back";
        killsAfterASave += saved != last;
        last = saved;
    }
    std::cout << "[ crash    ] " << Kills << " kills of a saving writer (one save took about "
              << saveMicroseconds << " us): " << Kills - killsAfterASave
              << " before the writer finished a save, " << killsAfterASave << " after one or more saves; "
              << last << " saves in all; the file was whole every time\n";
    // A kill between naming the new file and renaming it leaves it under its temporary name, until the
    // next save clears it away.
    ASSERT_TRUE(WriteGame(CrashVersion(last + 1), CurrentGameSlot, CurrentGameName));
    EXPECT_EQ(ReadBytes(FilePath()), version(last + 1));
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        EXPECT_EQ(entry.path().filename(), "Zorva.ini") << "a killed save left a file behind";
    }
    EXPECT_GT(killsAfterASave, 0) << "no kill came late enough for a save to finish";
    EXPECT_GT(Kills - killsAfterASave, 0) << "no kill came in the middle of a save";
}

} // namespace
} // namespace zorva
