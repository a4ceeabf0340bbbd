// A change interrupted or refused by the system at any point: the letter file
// always reads as the version before the change or the one after it, the
// backup as the version before the change or the backup before that, and the
// next change clears what a dead writer left behind.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "child_process.h"
#include "maintenance/lexicon_change.h"
#include "settings/file_size_limit.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

constexpr int kStopped = 42;  // exit code of a child stopped at its step

// A letter file of some pages, so that a small file system fills up in the
// middle of a write.
std::string letterFileOf(int headwords, const std::string& first) {
    std::string bytes = ".P\r\nP\r\n.prov\r\n" + first + "\r\ntest\r\n";
    for (int i = 0; i < headwords; ++i) bytes += ".pz" + std::to_string(1000 + i) + "\r\nord\r\n";
    return bytes + ".p\xFF\xFF\xFF\r\nFilslutsindikering\r\n";
}

const std::string kOlder = letterFileOf(400, "older");  // the backup before the change
const std::string kOld = letterFileOf(400, "trial");    // the letter file before it
const RewriteRequest kAddExam = {.word = "prov", .alt1 = "exam"};
const RewriteRequest kDeleteTest = {.word = "prov", .alt1 = "0test"};

constexpr auto namesIn = &TestFolder::namesIn;
const std::set<std::string> kCleanFolder = {".vernik.lock", "Palt.bak", "Palt.lex"};

// Mounts a tmpfs of `bytes` on `folder`, seen by this process and its
// children only.
bool mountSmallFileSystem(const fs::path& folder, std::size_t bytes) {
    static const bool privateMounts =
        ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const std::string options = "size=" + std::to_string(bytes);
    return privateMounts && ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

class ChangeFaultsTest : public ::testing::Test {
  protected:
    // Lays out the letter file and its backup in `folder`.
    void prepare(const fs::path& folder) {
        lexicon = folder;
        writeFile("Palt.lex", kOld);
        writeFile("Palt.bak", kOlder);
    }
    void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(lexicon / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const { return TestFolder::read(lexicon / name); }

    // The letter file after an uninterrupted change.
    std::string changedVersion(const RewriteRequest& request) const {
        TestFolder reference;
        const fs::path file = reference.write("Palt.lex", kOld);
        EXPECT_TRUE(commitLetterFileChange(file, request).ok());
        return TestFolder::read(file);
    }

    // The next change goes through and leaves only the letter file, its
    // backup and the lock file.
    void expectNextChangeClearsUp(const RewriteRequest& request) {
        const auto result = commitLetterFileChange(lexicon / "Palt.lex", request);
        EXPECT_TRUE(result.ok()) << *changeStatusText(result);
        EXPECT_EQ(namesIn(lexicon), kCleanFolder);
    }

    fs::path lexicon;
};

// The process ends at each step of the commit.
TEST_F(ChangeFaultsTest, KillAtEveryStep) {
    struct Case {
        CommitStep step;
        bool withoutLetterFile;  // only the backup is there when the change starts
        const std::string* letterFile;
        const std::string* backup;
    };
    const std::string newVersion = changedVersion(kAddExam);
    const Case cases[] = {
        {CommitStep::Locked, false, &kOld, &kOlder},
        {CommitStep::Restored, true, &kOlder, &kOlder},
        {CommitStep::NewVersionWritten, false, &kOld, &kOlder},
        {CommitStep::BackupWritten, false, &kOld, &kOlder},
        {CommitStep::BackupInPlace, false, &kOld, &kOld},
        {CommitStep::LetterFileReplaced, false, &newVersion, &kOld},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        TestFolder folder;
        prepare(folder.path());
        if (c.withoutLetterFile) fs::remove(lexicon / "Palt.lex");
        const int exit = runInChild([&] {
            const auto stopAt = [&c](CommitStep step) {
                if (step == c.step) std::_Exit(kStopped);
            };
            commitLetterFileChange(lexicon / "Palt.lex", kAddExam, {.afterStep = stopAt});
            return 0;
        });
        EXPECT_EQ(exit, kStopped) << "the step was not reached";
        EXPECT_EQ(read("Palt.lex"), *c.letterFile);
        EXPECT_EQ(read("Palt.bak"), *c.backup);
        expectNextChangeClearsUp(kAddExam);
    }
}

// Writes that the system refuses part way: a file-size limit and a full file
// system, each hitting the new version or the backup copy.
TEST_F(ChangeFaultsTest, RefusedWritesChangeNothing) {
    struct Case {
        const char* name;
        RewriteRequest request;
        bool fullFileSystem;  // else a file-size limit
        bool failsAtBackup;   // else at the new version
    };
    const Case cases[] = {
        {"size limit, new version", kAddExam, false, false},
        {"size limit, backup copy", kDeleteTest, false, true},
        {"full file system, new version", kAddExam, true, false},
        {"full file system, backup copy", kAddExam, true, true},
    };
    constexpr std::size_t kPage = 4096;
    const auto pages = [](std::size_t bytes) { return (bytes + kPage - 1) / kPage; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string newVersion = changedVersion(c.request);
        TestFolder folder;
        std::size_t limit = c.failsAtBackup ? newVersion.size() : kOld.size();
        if (c.fullFileSystem) {
            // Room for the files there are and, with failsAtBackup, the new
            // version; one page short of the next file.
            std::size_t room = pages(kOld.size()) + pages(kOlder.size()) + pages(newVersion.size());
            if (c.failsAtBackup) room += pages(kOld.size());
            if (!mountSmallFileSystem(folder.path(), (room - 1) * kPage)) {
                GTEST_SKIP() << "no private tmpfs mount here (needs root)";
            }
            limit = RLIM_INFINITY;
        }
        prepare(folder.path());
        const int failure = runInChild([&] {
            const FileSizeLimit sizeLimit(limit);
            return static_cast<int>(
                commitLetterFileChange(lexicon / "Palt.lex", c.request).failure);
        });
        EXPECT_EQ(failure, static_cast<int>(ChangeFailure::WriteFailed));
        EXPECT_EQ(read("Palt.lex"), kOld);
        EXPECT_EQ(read("Palt.bak"), kOlder);
        EXPECT_EQ(namesIn(lexicon), kCleanFolder);
        if (c.fullFileSystem) ::umount2(folder.path().c_str(), MNT_DETACH);
    }
}

}  // namespace
}  // namespace vernik
