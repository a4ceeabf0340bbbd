#include "maintenance/lexicon_change.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vernik {
namespace {

namespace fs = std::filesystem;

const std::string kLetterFile = ".P\r\nP\r\n.prov\r\ntest\r\n.p\xFF\xFF\xFF\r\nF\r\n";
const std::string kFailed = "\xC4ndringen gjordes inte: ";

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
    EXPECT_EQ(backupFileName("/x/sven/\xC3\x85"
                             "alt.lex"),
              "/x/sven/\xC3\x85"
              "alt.bak");
    dir.write("Palt.bak", "old backup");
    ASSERT_TRUE(addExam().ok());
    const std::string afterFirst = TestFolder::read(file);
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), kLetterFile);

    const auto second = commitLetterFileChange(file, {.word = "prov", .alt1 = "0test"});
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second.backupFile, dir / "Palt.bak");
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), afterFirst);
    EXPECT_EQ(TestFolder::read(file),
              ".P\r\nP\r\n.prov\r\n\xA4"
              "exam\r\n.p\xFF\xFF\xFF\r\nF\r\n");
}

TEST_F(LexiconChangeTest, MissingLetterFileIsReportedAndTheBackupKept) {
    dir.write("Palt.bak", "old backup");
    fs::remove(file);
    const auto result = addExam();
    EXPECT_EQ(result.failure, ChangeFailure::RenameFailed);
    EXPECT_EQ(
        changeStatusText(result),
        kFailed + "Palt.lex kunde inte d\xF6pas om till Palt.bak (No such file or directory)");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), "old backup");
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
    for (const std::string& garbage : {std::string("\x7F"
                                                   "ELF\0\0\x01\xFF\n\x90",
                                                   10),
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

TEST_F(LexiconChangeTest, FailedRenameIsReported) {
    // A folder holding a file has taken the backup's name.
    dir.write("Palt.bak/keep", "x");
    const auto result = addExam();
    EXPECT_EQ(result.failure, ChangeFailure::RenameFailed);
    EXPECT_EQ(TestFolder::read(file), kLetterFile);
    EXPECT_NE(changeStatusText(result)->find("kunde inte d\xF6pas om till Palt.bak"),
              std::string::npos);
}

TEST_F(LexiconChangeTest, FailedWriteBringsThePreviousVersionBack) {
    // The new version is written beside the letter file first; a folder in
    // that place makes the write fail.
    fs::create_directories(dir / ("Palt.lex.new-" + std::to_string(::getpid())) / "x");
    const auto result = addExam();
    EXPECT_EQ(result.failure, ChangeFailure::WriteFailed);
    EXPECT_TRUE(result.restored);
    EXPECT_EQ(TestFolder::read(file), kLetterFile);
    EXPECT_FALSE(fs::exists(dir / "Palt.bak"));
    const auto status = changeStatusText(result);
    EXPECT_TRUE(status->starts_with(kFailed + "Palt.lex kunde inte skrivas (")) << *status;
    EXPECT_EQ(status->find("f\xF6rra versionen"), std::string::npos);
}

}  // namespace
}  // namespace vernik
