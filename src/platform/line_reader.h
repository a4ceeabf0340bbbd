#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vernik {

// The longest text the lexicon formats keep of a line.
inline constexpr std::size_t kShortTextLength = 255;

// Which lines LineReader::nextUnpassed() passes over: every line that does
// not begin with the mark, and each line that does for which `passes` says so.
struct LinePassRule {
    char mark = '.';  // neither CR nor LF
    // Whether a line beginning with the mark (as the reader cuts it) is
    // passed; when empty, none is.
    std::function<bool(std::string_view)> passes;
    // A promise that speeds the search up: `passes` says yes to every marked
    // line of three bytes or more whose third byte is below this.
    int passesThirdBelow = 0;
    // Of the passed lines that begin with the mark, the last one's length is
    // counted up to this many bytes; when 0, they are not reported.
    std::size_t lengthWanted = 0;
};

// Reads a byte file line by line in large blocks. A line ends at LF, at CR LF
// or at a lone CR; the line end is not part of the line. A last line without a
// line end still counts. Lines longer than the limit are cut and the rest of
// the line skipped.
class LineReader {
  public:
    // The most read at once; the buffer is no larger than the file needs.
    static constexpr std::size_t kBlockSize = 256 * 1024;

    explicit LineReader(const std::filesystem::path& path, std::size_t blockSize = kBlockSize);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Reads the next line, keeping at most `maxLength` bytes (0 keeps whole
    // lines). Returns false at the end of the file and leaves `line` alone.
    // The view stays valid until the next call that returns true.
    bool next(std::string_view& line, std::size_t maxLength = kShortTextLength) {
        // The usual case, inline: the line ends at a line end found chunk by
        // chunk in the buffer.
        while (lineEnds_ == 0) {
            const std::size_t nextChunk = chunkStart_ + kChunk;
            if (nextChunk >= end_) return nextAcrossBlocks(line, maxLength);
            chunkStart_ = nextChunk;
            lineEnds_ = lineEndMask(nextChunk);
        }
        const std::size_t lineEnd =
            chunkStart_ + static_cast<std::size_t>(__builtin_ctzll(lineEnds_));
        lineEnds_ &= lineEnds_ - 1;
        line = withoutLineEnd(std::string_view(buffer_ + pos_, lineEnd - pos_), maxLength);
        pos_ = lineEnd + 1;
        return true;
    }

    // The same, copying the line.
    bool next(std::string& line, std::size_t maxLength = kShortTextLength);

    // Of the lines beginning with the mark that nextUnpassed() passed over.
    struct PassedMarkedLine {
        bool any = false;        // one was passed
        std::size_t length = 0;  // the last one's length, up to the rule's lengthWanted
    };

    // Reads the next line that `rule` does not pass over, as next() does. The
    // lines passed over are not cut out one by one, which makes this much
    // faster where most lines are passed. At the end of the file returns false
    // with `line` set to the last line passed over, or left alone when none was.
    bool nextUnpassed(std::string_view& line, const LinePassRule& rule, PassedMarkedLine& passed,
                      std::size_t maxLength = kShortTextLength);

    // The next line that begins with `mark`, passing over the others.
    bool nextStartingWith(char mark, std::string_view& line,
                          std::size_t maxLength = kShortTextLength);

  private:
    static constexpr std::size_t kChunk = 64;

    // A line that ends at LF may carry the CR of a CR LF; a line that ends at
    // a lone CR cannot end with a CR.
    static std::string_view withoutLineEnd(std::string_view line, std::size_t maxLength) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (maxLength != 0 && line.size() > maxLength) line = line.substr(0, maxLength);
        return line;
    }

    // One bit for each of the 64 bytes at `bytes` (all readable) equal to `c`.
    static std::uint64_t byteMask(const char* bytes, char c) {
#ifdef __SSE2__
        const __m128i wanted = _mm_set1_epi8(c);
        std::uint64_t mask = 0;
        for (int lane = 0; lane < 4; ++lane) {
            const __m128i block =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * lane));
            const auto bits =
                static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
            mask |= static_cast<std::uint64_t>(bits) << (16 * lane);
        }
        return mask;
#else
        std::uint64_t mask = 0;
        for (std::size_t i = 0; i < kChunk; ++i) {
            if (bytes[i] == c) mask |= std::uint64_t{1} << i;
        }
        return mask;
#endif
    }

    // The line ends of the chunk at `start`, one bit each: every LF and every
    // CR not followed by LF. A CR on the last byte of the buffer is left out,
    // since the LF that may follow it is not read yet; the slow path takes it.
    std::uint64_t lineEndMask(std::size_t start) const {
        const char* bytes = buffer_ + start;
        const std::uint64_t lf = byteMask(bytes, '\n');
        const std::uint64_t cr = byteMask(bytes, '\r');
        if (cr == 0) return lf;  // LF-only text needs no more
        const std::uint64_t lfAfter = (lf >> 1) | (std::uint64_t{bytes[kChunk] == '\n'} << 63);
        std::uint64_t ends = lf | (cr & ~lfAfter);
        if (start + kChunk >= end_ && buffer_[end_ - 1] == '\r')
            ends &= ~(std::uint64_t{1} << (end_ - 1 - start));
        return ends;
    }

    bool markedLineAt(std::size_t start, std::size_t maxLength, std::string_view& line) const;
    void notePassedMarkedLine(std::size_t before, const LinePassRule& rule, std::size_t maxLength,
                              PassedMarkedLine& passed) const;
    std::size_t lineStartBefore(std::size_t position) const;
    static bool passes(std::string_view line, const LinePassRule& rule);
    static void notePassed(std::string_view markedLine, const LinePassRule& rule,
                           PassedMarkedLine& passed);

    bool nextAcrossBlocks(std::string_view& line, std::size_t maxLength);
    void seek(std::size_t position);
    void appendToCarry(std::size_t from, std::size_t to, std::size_t maxLength);
    bool refill();

    int fd_ = -1;
    std::size_t capacity_ = 0;  // bytes read at most at once
    std::unique_ptr<char[]> storage_;
    // capacity_ bytes, an LF before them (a line starts at the buffer's start)
    // and a zeroed tail read by the masks.
    char* buffer_ = nullptr;
    std::size_t pos_ = 0;  // where the next line starts
    std::size_t end_ = 0;  // end of the bytes read
    std::uint64_t blocksRead_ = 0;
    bool atEnd_ = false;
    // The line ends of the 64-byte chunk at chunkStart_ not yet passed, one bit each.
    std::size_t chunkStart_ = 0;
    std::uint64_t lineEnds_ = 0;
    std::string carry_;  // a line that runs over the end of the buffer
};

}  // namespace vernik
