#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "bank/game_section.h"
#include "bank/saved_game.h"
#include "crash_versions.h"
#include "saved_fields.h"
#include "temporary_config_home.h"

namespace zorva {
namespace {

// Under AddressSanitizer every fork and every first save costs ten times as much; the plain build makes
// the thousand kills, the sanitized one checks the same path for memory faults with fewer.
#if defined(__SANITIZE_ADDRESS__)
constexpr int Kills = 250;
#else
constexpr int Kills = 1000;
#endif

// The child's whole life: save the game in progress one version further, again and again.
[[noreturn]] void SaveVersionsUntilKilled(TDesktop& desktop, int ready) {
    if (write(ready, "s", 1) != 1) {
        _exit(2);
    }
    close(ready);
    TGameSession session;
    for (;;) {
        ReadGame(desktop, session, CurrentGameSlot);
        if (!WriteGame(desktop, CrashVersion(session.Spins + 1), CurrentGameSlot, CurrentGameName)) {
            _exit(1);
        }
    }
}

class CrashSafety : public TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        desktop_.Date = CrashDate;
        // Warm Qt's paths and locale up once, not in every child.
        TGameSession warm;
        ReadGame(desktop_, warm, CurrentGameSlot);
    }

    // In memory where there is such a folder: a kill cannot undo what the kernel already holds, so the
    // disk adds nothing to the test but the time of a thousand flushes.
    QString ParentFolder() const override {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                  : TemporaryConfigHome::ParentFolder();
    }

    // Forks a writer and returns once it has begun to save. A fork rather than a new program keeps a
    // thousand starts quick: loading the Qt libraries alone takes tens of milliseconds.
    pid_t StartWriter() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return -1;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            SaveVersionsUntilKilled(desktop_, pipeEnds[1]);
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
    std::map<int32_t, std::string> versions;
    const auto version = [&seed, &versions](int32_t n) -> const std::string& {
        auto [known, added] = versions.try_emplace(n);
        if (added) {
            TProfileFile file = TProfileFile::Parse(seed);
            WriteGameSection(file, CrashVersion(n), CurrentGameSlot, CurrentGameName, CrashDateText);
            known->second = file.Serialise();
        }
        return known->second;
    };
    const auto savedVersion = [](const std::string& file) {
        TGameSession read;
        ReadGameSection(TProfileFile::Parse(file), read, CurrentGameSlot, "");
        return read.Spins;
    };

    // How long a fresh writer takes to finish its first save decides how late a kill may come: half the
    // kills fall in the first few hundred microseconds, the others anywhere up to twice that time.
    std::vector<int> firstSaves;
    int32_t last = 0;
    for (int sample = 0; sample < 5; ++sample) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t writer = StartWriter();
        ASSERT_GT(writer, 0);
        while (ReadBytes(FilePath()) == version(last)) {
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        const auto took =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        firstSaves.push_back(static_cast<int>(took.count()));
        ASSERT_EQ(KillAfter(writer, std::chrono::microseconds(0)), 0);
        last = savedVersion(ReadBytes(FilePath()));
    }
    std::sort(firstSaves.begin(), firstSaves.end());
    const int firstSaveMicroseconds = firstSaves[firstSaves.size() / 2];

    std::mt19937 generator(20240307);
    std::uniform_int_distribution<int> early(0, 300);
    std::uniform_int_distribution<int> late(0, 2 * firstSaveMicroseconds);
    int killsAfterASave = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t writer = StartWriter();
        ASSERT_GT(writer, 0);
        const int delay = kill % 2 == 0 ? early(generator) : late(generator);
        ASSERT_EQ(KillAfter(writer, std::chrono::microseconds(delay)), 0) << "the writer stopped by itself";

        const std::string file = ReadBytes(FilePath());
        const int32_t saved = file == version(last) ? last : savedVersion(file);
        ASSERT_EQ(file, version(saved)) << "after kill " << kill << " the file is not a whole version";
        ASSERT_GE(saved, last) << "after kill " << kill << " an older version came back";
        killsAfterASave += saved != last;
        last = saved;
    }
    std::cout << "[ crash    ] " << Kills
              << " kills of a saving writer (a fresh writer's first save took about " << firstSaveMicroseconds
              << " us): " << Kills - killsAfterASave << " before the writer finished a save, "
              << killsAfterASave << " after one or more saves; " << last
              << " saves in all; the file was whole every time\n";
    // A kill between naming the new file and renaming it leaves it under its temporary name, until the
    // next save clears it away.
    ASSERT_TRUE(WriteGame(desktop_, CrashVersion(last + 1), CurrentGameSlot, CurrentGameName));
    EXPECT_EQ(ReadBytes(FilePath()), version(last + 1));
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        EXPECT_EQ(entry.path().filename(), "Zorva.ini") << "a killed save left a file behind";
    }
    EXPECT_GT(killsAfterASave, 0) << "no kill came late enough for a save to finish";
    EXPECT_GT(Kills - killsAfterASave, 0) << "no kill came in the middle of a save";
}

} // namespace
} // namespace zorva
