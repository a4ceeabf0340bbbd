#include "platform/line_reader.h"

#include "platform/marked_line_search.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vernik {
namespace {

// Room before the buffer, keeping it aligned, for the LF before it.
constexpr std::size_t kFront = 16;

// Below this a buffer is cheap whatever the file's size says.
constexpr std::size_t kSmallBuffer = 4096;

// Room for one more byte than a regular file holds, so that its whole text
// comes in one read; other files (pipes, devices) read in full blocks.
std::size_t bufferCapacity(const struct stat& info, std::size_t blockSize) {
    blockSize = std::max<std::size_t>(blockSize, 1);
    if (!S_ISREG(info.st_mode)) return blockSize;
    const std::size_t wanted = static_cast<std::size_t>(info.st_size) + 1;
    return std::min(blockSize, std::max(wanted, kSmallBuffer));
}

}  // namespace

LineReader::LineReader(const std::filesystem::path& path, std::size_t blockSize) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    struct stat info {};
    // A folder opens for reading on Linux; it is not a file to read lines from.
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    capacity_ = bufferCapacity(info, blockSize);
    // Left uninitialised: refill() zeroes the tail after the bytes it reads.
    storage_.reset(new char[kFront + capacity_ + 2 * kChunk]);
    buffer_ = storage_.get() + kFront;
    buffer_[-1] = '\n';
}

LineReader::~LineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineReader::refill() {
    if (atEnd_ || fd_ < 0) return false;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_, capacity_);
        if (got > 0) {
            ++blocksRead_;
            end_ = static_cast<std::size_t>(got);
            // The masks read up to one chunk and one byte past the data.
            std::memset(buffer_ + end_, 0, kChunk + 1);
            seek(0);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        atEnd_ = true;  // end of file, or a read error: both end the lines
        return false;
    }
}

// Sets the next line's start and loads the line ends from there on.
void LineReader::seek(std::size_t position) {
    pos_ = position;
    if (position >= end_) {
        chunkStart_ = end_;  // no chunk left: next() goes to the slow path
        lineEnds_ = 0;
        return;
    }
    chunkStart_ = position - position % kChunk;
    lineEnds_ = lineEndMask(chunkStart_) >> (position - chunkStart_) << (position - chunkStart_);
}

void LineReader::appendToCarry(std::size_t from, std::size_t to, std::size_t maxLength) {
    std::size_t take = to - from;
    if (maxLength != 0) take = std::min(take, maxLength - std::min(maxLength, carry_.size()));
    carry_.append(buffer_ + from, take);
}

// The slow path, reached when no line end is left in the buffer after pos_
// but for a CR on its last byte. At the start of a block the fast path takes
// the line again; a line that runs over the end of the buffer is gathered in
// carry_, keeping no more bytes than the limit.
bool LineReader::nextAcrossBlocks(std::string_view& line, std::size_t maxLength) {
    if (pos_ >= end_) return refill() && next(line, maxLength);
    carry_.clear();
    for (;;) {
        const bool crAtEnd = buffer_[end_ - 1] == '\r';
        appendToCarry(pos_, end_ - (crAtEnd ? 1 : 0), maxLength);
        seek(end_);
        if (!refill()) break;  // the end of the file ends the line
        if (crAtEnd) {
            if (buffer_[0] == '\n') seek(1);
            break;
        }
        // Find the first line end of the new block, chunk by chunk.
        while (lineEnds_ == 0 && chunkStart_ + kChunk < end_) {
            chunkStart_ += kChunk;
            lineEnds_ = lineEndMask(chunkStart_);
        }
        if (lineEnds_ != 0) {
            const std::size_t lineEnd =
                chunkStart_ + static_cast<std::size_t>(__builtin_ctzll(lineEnds_));
            const bool crLf =
                buffer_[lineEnd] == '\n' && lineEnd > 0 && buffer_[lineEnd - 1] == '\r';
            appendToCarry(0, lineEnd - (crLf ? 1 : 0), maxLength);
            seek(lineEnd + 1);
            break;
        }
        // No line end in the whole block (but maybe a CR on its last byte).
    }
    line = carry_;
    return true;
}

// The start of the last line that begins before `position`, or pos_ when
// no line end lies between them.
std::size_t LineReader::lineStartBefore(std::size_t position) const {
    const char* bytes = buffer_;
    for (std::size_t at = position; at > pos_; --at) {
        const char c = bytes[at - 1];
        if (c == '\n') return at;
        // Of a CR LF, the line starts after the LF.
        if (c == '\r') return at < end_ && bytes[at] == '\n' ? at + 1 : at;
    }
    return pos_;
}

void LineReader::notePassed(std::string_view markedLine, const LinePassRule& rule,
                            PassedMarkedLine& passed) {
    if (rule.lengthWanted != 0) passed = {true, std::min(markedLine.size(), rule.lengthWanted)};
}

bool LineReader::passes(std::string_view line, const LinePassRule& rule) {
    if (line.empty() || line[0] != rule.mark) return true;
    return rule.passes && rule.passes(line);
}

// The line at `start` as next() cuts it, when the buffer holds that much of it.
bool LineReader::markedLineAt(std::size_t start, std::size_t maxLength,
                              std::string_view& line) const {
    // Up to the limit and one byte more, which tells whether the line goes on.
    const std::size_t limit = maxLength == 0 ? end_ : std::min(end_, start + maxLength + 1);
    std::size_t at = start;
    while (at < limit && buffer_[at] != '\n' && buffer_[at] != '\r') ++at;
    if (at == end_) return false;
    std::size_t length = at - start;
    if (maxLength != 0) length = std::min(length, maxLength);
    line = std::string_view(buffer_ + start, length);
    return true;
}

// Records the last marked line between pos_ and `before`: all of them were
// passed, and each ends in the buffer.
void LineReader::notePassedMarkedLine(std::size_t before, const LinePassRule& rule,
                                      std::size_t maxLength, PassedMarkedLine& passed) const {
    if (rule.lengthWanted == 0) return;
    for (std::size_t start = before; start-- > pos_;) {
        const char previous = buffer_[start - 1];
        if (buffer_[start] != rule.mark) continue;
        if (start != pos_ && previous != '\n' && previous != '\r') continue;
        std::string_view line;
        markedLineAt(start, maxLength, line);
        notePassed(line, rule, passed);
        return;
    }
}

bool LineReader::nextUnpassed(std::string_view& line, const LinePassRule& rule,
                              PassedMarkedLine& passed, std::size_t maxLength) {
    passed = {};
    if (fd_ < 0) return false;
    // The search by mask passes the lines the rule's promise covers; the
    // others come out as candidates for the rule to judge. A marked line cut
    // shorter than three bytes is never covered.
    const bool thirdCounts = maxLength == 0 || maxLength >= 3;
    const marked_lines::CandidateRule search{
        rule.mark, thirdCounts && rule.passes ? std::clamp(rule.passesThirdBelow, 0, 256) : 0};
    for (;;) {
        // Where line by line reading takes over: a line start at or before
        // the first byte the search has not examined.
        std::size_t handOver = pos_;
        std::size_t chunk = pos_ - pos_ % kChunk;
        if (chunk + kChunk + 2 <= end_) {
            // No line before pos_ counts.
            std::uint64_t candidates = marked_lines::candidateBits(buffer_ + chunk, search) &
                                       (~std::uint64_t{0} << (pos_ - chunk));
            for (;;) {
                for (; candidates != 0; candidates &= candidates - 1) {
                    const std::size_t start =
                        chunk + static_cast<std::size_t>(__builtin_ctzll(candidates));
                    std::string_view marked;
                    if (!markedLineAt(start, maxLength, marked)) break;  // runs over the buffer
                    if (rule.passes && rule.passes(marked)) {
                        notePassed(marked, rule, passed);
                        continue;
                    }
                    notePassedMarkedLine(start, rule, maxLength, passed);
                    seek(start);
                    return next(line, maxLength);
                }
                if (candidates != 0) {
                    handOver = chunk + static_cast<std::size_t>(__builtin_ctzll(candidates));
                    break;
                }
                chunk = marked_lines::firstCandidateChunk(buffer_, chunk + kChunk, end_, search);
                if (chunk + kChunk + 2 > end_) {
                    handOver = lineStartBefore(chunk);
                    break;
                }
                candidates = marked_lines::candidateBits(buffer_ + chunk, search);
            }
        }
        // Near the end of the buffer: line by line until a new block is read.
        notePassedMarkedLine(handOver, rule, maxLength, passed);
        seek(handOver);
        const std::uint64_t blocks = blocksRead_;
        std::string_view candidate;
        for (;;) {
            if (!next(candidate, maxLength)) return false;
            line = candidate;
            if (!passes(candidate, rule)) return true;
            if (!candidate.empty() && candidate[0] == rule.mark)
                notePassed(candidate, rule, passed);
            if (blocksRead_ != blocks) break;
        }
    }
}

bool LineReader::nextStartingWith(char mark, std::string_view& line, std::size_t maxLength) {
    LinePassRule rule;
    rule.mark = mark;
    PassedMarkedLine passed;
    return nextUnpassed(line, rule, passed, maxLength);
}

bool LineReader::next(std::string& line, std::size_t maxLength) {
    std::string_view view;
    if (!next(view, maxLength)) return false;
    line.assign(view);
    return true;
}

}  // namespace vernik
