#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vernik {

// The longest text the lexicon formats keep of a line.
inline constexpr std::size_t kShortTextLength = 255;

// Reads a byte file line by line in large blocks. A line ends at LF or CR LF;
// the line end is not part of the line. A last line without a line end still
// counts. Lines longer than the limit are cut and the rest of the line skipped.
class LineReader {
  public:
    explicit LineReader(const std::filesystem::path& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Reads the next line, keeping at most `maxLength` bytes (0 keeps whole
    // lines). Returns false at the end of the file. The view stays valid until
    // the next call that returns true.
    bool next(std::string_view& line, std::size_t maxLength = kShortTextLength) {
        // The usual case, inline: the line ends at an LF found chunk by chunk
        // in the buffer.
        while (newlines_ == 0) {
            const std::size_t next = chunkStart_ + kChunk;
            if (next >= end_ || next < pos_) return nextAcrossBlocks(line, maxLength);
            chunkStart_ = next;
            newlines_ = newlineMask(buffer_.data() + next);
        }
        const std::size_t newline =
            chunkStart_ + static_cast<std::size_t>(__builtin_ctzll(newlines_));
        newlines_ &= newlines_ - 1;
        line = withoutLineEnd(std::string_view(buffer_.data() + pos_, newline - pos_), maxLength);
        pos_ = newline + 1;
        return true;
    }

    // The same, copying the line.
    bool next(std::string& line, std::size_t maxLength = kShortTextLength);

  private:
    static std::string_view withoutLineEnd(std::string_view line, std::size_t maxLength) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (maxLength != 0 && line.size() > maxLength) line = line.substr(0, maxLength);
        return line;
    }
    static constexpr std::size_t kChunk = 64;

    // One bit for each LF among the 64 bytes at `bytes` (all readable).
    static std::uint64_t newlineMask(const char* bytes) {
#ifdef __SSE2__
        const __m128i lf = _mm_set1_epi8('\n');
        std::uint64_t mask = 0;
        for (int lane = 0; lane < 4; ++lane) {
            const __m128i block =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * lane));
            const auto bits =
                static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
            mask |= static_cast<std::uint64_t>(bits) << (16 * lane);
        }
        return mask;
#else
        std::uint64_t mask = 0;
        for (std::size_t i = 0; i < kChunk; ++i) {
            if (bytes[i] == '\n') mask |= std::uint64_t{1} << i;
        }
        return mask;
#endif
    }

    bool nextAcrossBlocks(std::string_view& line, std::size_t maxLength);
    void markNewlinesFrom(std::size_t position);
    bool refill();

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    // The LFs of the 64-byte chunk at chunkStart_ not yet passed, one bit each.
    std::size_t chunkStart_ = 0;
    std::uint64_t newlines_ = 0;
    std::string carry_;  // a line that runs over the end of the buffer
};

}  // namespace vernik
