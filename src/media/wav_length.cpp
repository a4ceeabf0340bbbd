#include "media/wav_length.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

namespace vernik {

namespace {

// The head of a file is enough to find the "data" chunk; chunks before it
// (lists, facts) are small.
constexpr std::size_t kHeadBytes = 64 * 1024;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The length of a WAV whose first `head.size()` bytes are given and which
// holds `fileSize` bytes in all.
std::optional<std::chrono::milliseconds> lengthOf(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t bytesPerSecond = 0;
    std::size_t at = 12;
    while (at + 8 <= head.size()) {
        const std::string_view id = head.substr(at, 4);
        const std::uint64_t size = littleEndian(head, at + 4, 4);
        const std::uint64_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size()) return std::nullopt;
            bytesPerSecond = littleEndian(head, body + 8, 4);
        } else if (id == "data") {
            if (bytesPerSecond == 0) return std::nullopt;
            const std::uint64_t held = fileSize > body ? std::min(size, fileSize - body) : 0;
            return std::chrono::milliseconds(held * 1000 / bytesPerSecond);
        }
        at = body + size + (size & 1);  // chunks are padded to an even size
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::chrono::milliseconds> wavLength(std::string_view bytes) {
    return lengthOf(bytes.substr(0, kHeadBytes), bytes.size());
}

std::optional<std::chrono::milliseconds> wavFileLength(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uint64_t size = std::filesystem::file_size(file, ec);
    if (ec) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadBytes)), '\0');
    if (!in.read(head.data(), static_cast<std::streamsize>(head.size()))) return std::nullopt;
    return lengthOf(head, size);
}

}  // namespace vernik
