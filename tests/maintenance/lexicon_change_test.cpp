#include "maintenance/lexicon_change.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <vector>

#include "maintenance/child_process.h"
#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

const std::string kLetterFile = ".P\r\nP\r\n.prov\r\ntest\r\n.p\xFF\xFF\xFF\r\nF\r\n";
const std::string kWithExam = ".P\r\nP\r\n.prov\r\ntest\r\n\244exam\r\n.p\xFF\xFF\xFF\r\nF\r\n";
const std::string kFailed = "\xC4ndringen gjordes inte: ";

constexpr auto namesIn = &TestFolder::namesIn;

class LexiconChangeTest : public ::testing::Test {
  protected:
    void SetUp() override { file = dir.write("Palt.lex", kLetterFile); }
    void TearDown() override { fs::permissions(dir.path(), fs::perms::owner_all); }

    ChangeResult addExam() {
        return commitLetterFileChange(file, {.word = "prov", .alt1 = "exam"});
    }

    // The change failed and left the letter file and the old backup alone.
    void expectNothingChanged(const ChangeResult& result, ChangeFailure failure) {
        EXPECT_EQ(result.failure, failure);
        EXPECT_EQ(TestFolder::read(file), kLetterFile);
        EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), "old backup");
    }

    TestFolder dir;
    fs::path file;
};

TEST_F(LexiconChangeTest, BackupHoldsTheVersionBeforeTheLastChange) {
    EXPECT_EQ(backupFileName("/x/sven/\303\205alt.lex"), "/x/sven/\303\205alt.bak");  // Å
    dir.write("Palt.bak", "old backup");
    ASSERT_TRUE(addExam().ok());
    const std::string afterFirst = TestFolder::read(file);
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), kLetterFile);

    const auto second = commitLetterFileChange(file, {.word = "prov", .alt1 = "0test"});
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second.backupFile, dir / "Palt.bak");
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), afterFirst);
    EXPECT_EQ(TestFolder::read(file), ".P\r\nP\r\n.prov\r\n\244exam\r\n.p\xFF\xFF\xFF\r\nF\r\n");
}

TEST_F(LexiconChangeTest, MissingLetterFileIsRestoredFromItsBackup) {
    // What an interrupted change of an earlier version could leave.
    dir.write("Palt.bak", kLetterFile);
    fs::remove(file);
    auto result = addExam();
    ASSERT_TRUE(result.ok()) << *changeStatusText(result);
    EXPECT_TRUE(result.restoredFromBackup);
    EXPECT_EQ(changeStatusText(result),
              "Uppslagsordet fanns. Tillagt: exam (Palt.lex saknades och \xE5terst\xE4lldes "
              "fr\xE5n Palt.bak)");
    EXPECT_EQ(TestFolder::read(file), kWithExam);
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), kLetterFile);

    // The backup's own case names the restored file.
    fs::remove(file);
    fs::rename(dir / "Palt.bak", dir / "palt.bak");
    result = addExam();
    EXPECT_TRUE(result.restoredFromBackup);
    EXPECT_EQ(result.letterFile, dir / "palt.lex");
    EXPECT_EQ(TestFolder::read(dir / "palt.bak"), kLetterFile);

    // Without a backup there is nothing to change.
    fs::remove(dir / "palt.lex");
    fs::remove(dir / "palt.bak");
    result = addExam();
    EXPECT_EQ(result.failure, ChangeFailure::NoLetterFile);
    EXPECT_EQ(changeStatusText(result), kFailed + "ingen bokstavsfil: Palt.lex");
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(LexiconChangeTest, WriteProtectionKeepsTheLetterFileInPlace) {
    dir.write("Palt.bak", "old backup");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    auto result = addExam();
    expectNothingChanged(result, ChangeFailure::WriteProtected);
    EXPECT_EQ(changeStatusText(result), kFailed + "bokstavsfilen \xE4r skrivskyddad: Palt.lex");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    result = addExam();
    expectNothingChanged(result, ChangeFailure::FolderWriteProtected);
    EXPECT_NE(changeStatusText(result)->find("mappen \xE4r skrivskyddad"), std::string::npos);
}

TEST_F(LexiconChangeTest, WhatIsNoLetterFileIsLeftAlone) {
    dir.write("Palt.bak", "old backup");
    for (const std::string& garbage : {std::string("\177ELF\0\0\x01\xFF\n\x90", 10),
                                       std::string(".P\r\n\0\0\0", 7), std::string("P\r\n")}) {
        dir.write("Palt.lex", garbage);
        const auto result = addExam();
        EXPECT_EQ(result.failure, ChangeFailure::NotALetterFile);
        EXPECT_EQ(TestFolder::read(file), garbage);
        EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), "old backup");
    }
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(addExam().failure, ChangeFailure::NotALetterFile);
    EXPECT_TRUE(fs::is_directory(file));
}

// Whatever step fails, the letter file and the old backup stay as they were
// and no temporary file is left behind.
TEST_F(LexiconChangeTest, FailedStepsLeaveEverythingInPlace) {
    struct Case {
        const char* blocked;  // a folder holding a file takes this name
        ChangeFailure failure;
        std::string status;
    };
    const std::string pid = std::to_string(::getpid());
    const Case cases[] = {
        {"Palt.bak", ChangeFailure::RenameFailed, "Palt.bak kunde inte ers\xE4ttas ("},
        {"Palt.lex.new-", ChangeFailure::WriteFailed, "Palt.lex kunde inte skrivas ("},
        {"Palt.bak.new-", ChangeFailure::WriteFailed, "Palt.bak kunde inte skrivas ("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blocked);
        const bool isTemporary = std::string(c.blocked).ends_with('-');
        const fs::path blocked = dir / (c.blocked + (isTemporary ? pid : ""));
        dir.write(blocked.filename().string() + "/keep", "x");
        if (isTemporary) dir.write("Palt.bak", "old backup");
        const auto result = addExam();
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_TRUE(changeStatusText(result)->starts_with(kFailed + c.status))
            << *changeStatusText(result);
        EXPECT_EQ(TestFolder::read(file), kLetterFile);
        if (isTemporary) {
            EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), "old backup");
        }
        fs::remove_all(blocked);
        std::set<std::string> left = {".vernik.lock", "Palt.lex"};
        if (isTemporary) left.insert("Palt.bak");
        EXPECT_EQ(namesIn(dir.path()), left);
    }
}

// A second writer waits for the folder's lock and gives up without touching
// anything when it is not released in time.
TEST_F(LexiconChangeTest, BusyFolderIsReported) {
    dir.write("Palt.bak", "old backup");
    {
        const FileLock other = lockLexiconFolder(dir.path());
        ASSERT_TRUE(other.held());
        const auto result = commitLetterFileChange(file, {.word = "prov", .alt1 = "exam"},
                                                   {.lockWait = std::chrono::milliseconds(50)});
        expectNothingChanged(result, ChangeFailure::Busy);
        EXPECT_EQ(changeStatusText(result), kFailed + "en annan \xE4ndring av " +
                                                dir.path().filename().string() + " p\xE5g\xE5r");
    }
    EXPECT_TRUE(addExam().ok());
    EXPECT_EQ(TestFolder::read(file), kWithExam);
}

// Two processes change the same letter file at the same moment, 200 times
// over; with the lock each works from the other's result, so no change is lost.
TEST_F(LexiconChangeTest, ChangesAtTheSameMomentAreAllKept) {
    constexpr int kRounds = 200;
    const auto word = [](int round, int writer) {
        return "p" + std::to_string(round) + (writer == 0 ? "a" : "b");
    };
    for (int round = 0; round < kRounds; ++round) {
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        pid_t writers[2];
        for (int writer = 0; writer < 2; ++writer) {
            writers[writer] = startChild([&] {
                ::close(gate[1]);
                char ignored;
                (void)!::read(gate[0], &ignored, 1);  // both start when the gate opens
                return commitLetterFileChange(file, {.word = word(round, writer), .alt1 = "x"}).ok()
                           ? 0
                           : 1;
            });
        }
        ::close(gate[0]);
        ::close(gate[1]);
        for (const pid_t child : writers) ASSERT_EQ(waitForChild(child), 0) << "round " << round;
    }
    const auto lines = splitLetterLines(TestFolder::read(file));
    const auto backup = splitLetterLines(TestFolder::read(dir / "Palt.bak"));
    int missing = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int writer = 0; writer < 2; ++writer) {
            missing += std::count(lines.begin(), lines.end(), "." + word(round, writer)) != 1;
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(lines.size(), splitLetterLines(kLetterFile).size() + 2 * 2 * kRounds);
    EXPECT_EQ(backup.size(), lines.size() - 2);  // the version before the last change
}

}  // namespace
}  // namespace vernik
