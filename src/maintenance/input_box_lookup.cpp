#include "maintenance/input_box_lookup.h"

#include "lexicon/letter_files.h"
#include "workspace/lexicon_lookup.h"
#include "workspace/lookup_word.h"

namespace vernik {

InputBoxLookup::InputBoxLookup(std::string folder, InputBoxLookupOptions options)
    : folder_(std::move(folder)), options_(options) {}

InputBoxLookup::~InputBoxLookup() = default;

void InputBoxLookup::type(std::string_view text) {
    lastTyped_ = text;
    const LookupWord word = analyseLookupWord(text, options_.special);
    if (word.word.empty()) return;
    LexiconLookupRequest request{
        .folder = folder_, .word = word.word, .letter = word.initial, .rank = &options_.rank};
    request.withComments = false;
    if (options_.keepFiles) {
        request.scan = [this](const ScanRequest& scanRequest, AltTable& table) {
            return scan(scanRequest, table);
        };
        request.findAltFile = [this](const std::string& supplement, char letter) {
            auto [at, added] = altFiles_.try_emplace({supplement, letter});
            if (added) at->second = findLetterFile(folder_, supplement, letter, LetterKind::Alt);
            return at->second;
        };
    }
    const LexiconLookupOutcome outcome = lookUpInLexicons(request, table_);
    if (outcome.altFileFound) headwordBox_ = table_.slot(1);
}

ScanOutcome InputBoxLookup::scan(const ScanRequest& request, AltTable& table) {
    auto [at, added] = files_.try_emplace(request.altFile.string());
    if (added) {
        if (auto lines = AltFileLines::read(request.altFile, options_.rank)) {
            at->second = std::make_unique<AltFileLines>(std::move(*lines));
        }
    }
    return at->second ? at->second->scan(request, table) : ScanOutcome{};
}

}  // namespace vernik
