#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "main/program.h"
#include "scripted_dialogs.h"
#include "test_folder.h"

// Lets test failures show texts of widgets as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A running program whose start folder is a fresh temporary folder and whose
// dialogs are scripted. Tests build their lexicons in the folder before start().
class ProgramFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
    }
    void TearDown() override {
        program.reset();
        std::filesystem::current_path(previousFolder_);
    }

    // Settings files of the machine take no part: only those of the start
    // folder and of `systemSettingsFolders` count.
    void start(const std::string& commandLineFile = {}) {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        program = std::make_unique<vernik::Program>(commandLineFile, std::move(scripted));
        program->state.settings.SystemSettingsFolders = systemSettingsFolders;
        program->form.show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return program->startUp.hasRun(); }, 5000));
        if (closeTitlePage) program->extras.titlePage.Panel1Click();
    }

    // Types `word` into the input box as a person would.
    void typeWord(const QString& word) {
        form().Edit1->clear();
        QTest::keyClicks(form().Edit1, word);
    }

    // Makes each named folder under the start folder a lexicon (it holds an Aalt.lex).
    void writeLexicons(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            folder.writeLines(std::string(name) + "/Aalt.lex", {".A", "A", ".a\xFF\xFF\xFF", "F"});
        }
    }

    vernik::TForm1& form() { return program->form; }
    vernik::SharedState& state() { return program->state; }
    vernik::WorkspaceState& ws() { return program->state.workspace; }
    std::string path(const std::string& name) const { return (folder / name).string(); }

    TestFolder folder;
    std::unique_ptr<vernik::Program> program;
    ScriptedDialogs* dialogs = nullptr;
    std::vector<std::string> systemSettingsFolders;
    // start() clicks the title page away, as a user does first, unless a test
    // is about the title page itself.
    bool closeTitlePage = true;

  private:
    std::filesystem::path previousFolder_;
};
