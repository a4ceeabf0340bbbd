#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/alt_file_lines.h"
#include "lexicon/alt_table.h"
#include "lexicon/letters.h"

// The lookup that putting a text into the input box runs, for the tools that
// look many words up one after the other: what the headword box and the
// alternative boxes then show.
namespace vernik {

struct InputBoxLookupOptions {
    CollationRank rank = identityCollationRank();
    SpecialAlphabet special{};
    // Each alt file found and read once and kept for the later lookups; otherwise
    // every lookup reads the files afresh, as the window's lookup does.
    bool keepFiles = true;
};

class InputBoxLookup {
  public:
    explicit InputBoxLookup(std::string folder, InputBoxLookupOptions options = {});
    ~InputBoxLookup();
    InputBoxLookup(const InputBoxLookup&) = delete;
    InputBoxLookup& operator=(const InputBoxLookup&) = delete;

    // Looks up the word cut from `text` in the folder and its supplementary
    // lexicons. An empty word, or a word whose letter file is missing, leaves
    // the boxes as they were.
    void type(std::string_view text);

    // The headword box: the headword line of the last lookup that found its
    // letter file.
    const std::string& headwordBox() const { return headwordBox_; }
    // The text put into the input box last.
    const std::string& lastTyped() const { return lastTyped_; }
    // AltLines and its counters, shared by all lookups as the window's are.
    const AltTable& table() const { return table_; }

  private:
    ScanOutcome scan(const ScanRequest& request, AltTable& table);

    std::string folder_;
    InputBoxLookupOptions options_;
    AltTable table_;
    std::string headwordBox_;
    std::string lastTyped_;
    std::map<std::string, std::unique_ptr<AltFileLines>> files_;  // null: unreadable
    // The alt file of each supplement letter and initial letter, when there is one.
    std::map<std::pair<std::string, char>, std::optional<std::filesystem::path>> altFiles_;
};

}  // namespace vernik
