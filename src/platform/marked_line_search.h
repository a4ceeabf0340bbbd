#pragma once

#include <cstddef>
#include <cstdint>

// Finding, 64 bytes at a time, the lines of a buffer that begin with a mark
// byte, for the line reader's passing over of lines. A line starts after a CR
// or LF byte: a CR followed by the mark is a lone CR, so no line end rule is
// needed to find marked lines.
namespace vernik::marked_lines {

inline constexpr std::size_t kChunk = 64;

// A candidate is a `mark` byte right after a CR or LF byte, unless the two
// bytes after it are neither CR nor LF and the second of them is below
// `below` (such lines are passed; `below` 0 passes none).
struct CandidateRule {
    char mark = '.';
    int below = 0;  // 0 to 256
};

// The candidates among the 64 bytes at `chunk`, one bit each. The bytes from
// chunk - 1 to chunk + 65 are read.
std::uint64_t candidateBits(const char* chunk, const CandidateRule& rule);

// The offset of the first chunk at `from` + 64 k that holds a candidate,
// among the chunks whose bytes up to chunk + 65 lie before `end`; when none
// does, the offset of the first chunk after them. Bytes from `from` - 1 on
// are read.
std::size_t firstCandidateChunk(const char* bytes, std::size_t from, std::size_t end,
                                const CandidateRule& rule);

}  // namespace vernik::marked_lines
