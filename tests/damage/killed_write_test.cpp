// A process killed while it saves leaves each file whole: a child writes the
// level-path table (through the real atomic save) over and over, alternating
// between two tables, and is killed at a random moment; the file then reads as
// one table or the other, never anything in between.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "objects/level_paths.h"
#include "support/scratch_dir.h"

namespace {

std::map<std::string, std::string> Table(char mark, int entries) {
    std::map<std::string, std::string> table;
    for (int i = 0; i < entries; ++i)
        table["Level" + std::to_string(i)] = std::string("MapData//") + mark + std::to_string(i) + ".xml";
    return table;
}

}  // namespace

TEST(KilledWriteTest, AKilledSaveLeavesTheOldOrTheNewTableNeverAPartOne) {
    TestSupport::ScratchDir dir;
    // Big enough that a write takes several system calls' worth of time.
    const auto oldTable = Table('A', 400);
    const auto newTable = Table('B', 300);
    dir.Write("LevelPaths.xml", "<LevelPaths />");
    ASSERT_TRUE(Engine::WriteLevelPaths("LevelPaths.xml", oldTable));

    std::mt19937 timing(20261210);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        std::cout.flush();
        // The child reports every finished save, so the kill falls at a random
        // moment after its first one however slowly a loaded machine runs it.
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(saved[0]);
            for (bool useNew = true;; useNew = !useNew) {
                Engine::WriteLevelPaths("LevelPaths.xml", useNew ? newTable : oldTable);
                if (::write(saved[1], "s", 1) != 1) ::_exit(1);
            }
        }
        ::close(saved[1]);
        char first = 0;
        ASSERT_EQ(::read(saved[0], &first, 1), 1) << "round " << round << ": the child never finished a save";
        std::this_thread::sleep_for(std::chrono::microseconds(timing() % 100000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(saved[0]);
        ASSERT_TRUE(WIFSIGNALED(status));

        std::map<std::string, std::string> read;
        testing::internal::CaptureStdout();
        const bool ok = Engine::ReadLevelPaths("LevelPaths.xml", read);
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(ok) << "round " << round << ": the file does not parse";
        ASSERT_TRUE(read == oldTable || read == newTable) << "round " << round << ": a table with " << read.size()
                                                          << " entries is neither the old nor the new one";
        (read == oldTable ? sawOld : sawNew) += 1;
    }
    // Both outcomes occurred, so the kills did land at different moments of the loop.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}
