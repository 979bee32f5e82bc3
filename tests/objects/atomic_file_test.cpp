// The atomic write: the temporary file is complete and flushed to the disk before
// it replaces the file, and a failed write leaves the old file alone.

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>

#include "objects/atomic_file.h"
#include "support/scratch_dir.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// What the file system held when the sync was asked for.
struct SyncWitness {
    int calls = 0;
    std::string temporaryContent;
    std::string targetContent;
    std::string target;
};
SyncWitness witness;

bool RecordingSync(int fd) {
    ++witness.calls;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0) return false;
    witness.temporaryContent = ReadAll(std::string(path, static_cast<size_t>(length)));
    witness.targetContent = ReadAll(witness.target);
    return Engine::SyncToDisk(fd);
}

bool FailingSync(int) { return false; }

TEST(AtomicFile, TheWholeContentIsFlushedBeforeTheRename) {
    TestSupport::ScratchDir dir;
    dir.Write("saved.xml", "old");
    witness = SyncWitness{};
    witness.target = "saved.xml";
    const std::string content(100000, 'x');
    ASSERT_TRUE(Engine::WriteFileAtomically("saved.xml", content, &RecordingSync));
    EXPECT_EQ(witness.calls, 1);
    EXPECT_EQ(witness.temporaryContent, content) << "every byte is written before the sync";
    EXPECT_EQ(witness.targetContent, "old") << "the rename comes after the sync";
    EXPECT_EQ(ReadAll("saved.xml"), content);
}

TEST(AtomicFile, AFailedSyncLeavesTheOldFileAndNoTemporary) {
    TestSupport::ScratchDir dir;
    dir.Write("saved.xml", "old");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Engine::WriteFileAtomically("saved.xml", "new", &FailingSync));
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("Could not write saved.xml.tmp"), std::string::npos) << said;
    EXPECT_EQ(ReadAll("saved.xml"), "old");
    const std::string temporary = "saved.xml.tmp" + std::to_string(::getpid());
    EXPECT_FALSE(std::ifstream(temporary).good());
}

}  // namespace
