#include "maintenance/comment_merge.h"

#include <unordered_map>
#include <unordered_set>

#include "maintenance/merge_lines.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

// Line numbers [first, end) of one block's comment lines.
struct BlockLines {
    std::size_t first = 0;
    std::size_t end = 0;
};

// Every block of a com file, by headword line.
class ComIndex {
  public:
    explicit ComIndex(std::string_view bytes) : lines_(splitLineViews(bytes, kShortTextLength)) {
        std::vector<BlockLines>* current = nullptr;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view line = lines_[i];
            if (isHeadwordLine(line)) {
                if (isSentinelLine(line)) break;
                current = &blocks_[line];
                current->push_back({i + 1, i + 1});
            } else if (current) {
                current->back().end = i + 1;
            }
        }
    }

    const std::vector<BlockLines>* blocksOf(std::string_view headwordLine) const {
        const auto found = blocks_.find(headwordLine);
        return found == blocks_.end() ? nullptr : &found->second;
    }

    template <typename Visit>
    void forEachCommentLine(const std::vector<BlockLines>& blocks, Visit visit) const {
        for (const BlockLines& block : blocks) {
            for (std::size_t i = block.first; i < block.end; ++i) visit(lines_[i]);
        }
    }

  private:
    std::vector<std::string_view> lines_;
    std::unordered_map<std::string_view, std::vector<BlockLines>> blocks_;
};

class IndexedCommentMerge : public CommentMerge {
  public:
    explicit IndexedCommentMerge(const ComFilePair& files)
        : main_(files.mainBytes), second_(files.secondBytes) {}

    void appendMerged(std::string_view headwordLine, std::string& out) override {
        LineSet mainBlock;
        if (const auto* blocks = main_.blocksOf(headwordLine)) {
            mainBlock.add(headwordLine);
            appendLine(out, headwordLine);
            main_.forEachCommentLine(*blocks, [&](std::string_view line) {
                mainBlock.add(line);
                appendLine(out, line);
            });
        }
        const auto* blocks = second_.blocksOf(headwordLine);
        if (!blocks) return;
        if (!mainBlock.holds(headwordLine)) appendLine(out, headwordLine);
        second_.forEachCommentLine(*blocks, [&](std::string_view line) {
            if (!mainBlock.holds(line)) appendLine(out, line);
        });
    }

  private:
    ComIndex main_;
    ComIndex second_;
};

}  // namespace

std::unique_ptr<CommentMerge> indexedCommentMerge(const ComFilePair& files) {
    return std::make_unique<IndexedCommentMerge>(files);
}

std::vector<std::string_view> comHeadwords(std::string_view bytes) {
    std::vector<std::string_view> headwords;
    std::unordered_set<std::string_view> seen;
    for (std::string_view line : splitLineViews(bytes, kShortTextLength)) {
        if (!isHeadwordLine(line)) continue;
        if (isSentinelLine(line)) break;
        if (seen.insert(line).second) headwords.push_back(line);
    }
    return headwords;
}

}  // namespace vernik
