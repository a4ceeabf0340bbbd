#include "media/wav_length.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_folder.h"

namespace {

using std::chrono::milliseconds;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string chunk(const std::string& id, const std::string& body, std::uint32_t declared) {
    return id + le(declared, 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

// Mono 8-bit sound at 8000 samples a second: 8000 bytes a second.
std::string format(std::uint32_t bytesPerSecond = 8000) {
    return chunk("fmt ",
                 le(1, 2) + le(1, 2) + le(8000, 4) + le(bytesPerSecond, 4) + le(1, 2) + le(8, 2),
                 16);
}

std::string wav(const std::string& chunks) {
    return "RIFF" + le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

TEST(WavLength, LengthsOfWholeTruncatedAndBrokenFiles) {
    const std::string sound(4000, '\x80');
    const std::string whole = wav(format() + chunk("data", sound, 4000));
    const std::vector<std::pair<std::string, std::optional<milliseconds>>> table = {
        {whole, milliseconds(500)},
        {wav(format() + chunk("LIST", "abc", 3) + chunk("data", sound, 4000)), milliseconds(500)},
        {wav(format() + chunk("data", sound, 16000)), milliseconds(500)},  // truncated
        {whole.substr(0, whole.size() - 2000), milliseconds(250)},
        {wav(format() + chunk("data", "", 0)), milliseconds(0)},
        {wav(format(0) + chunk("data", sound, 4000)), std::nullopt},  // no rate
        {wav(chunk("data", sound, 4000)), std::nullopt},              // no format
        {wav(format()), std::nullopt},                                // no sound
        {whole.substr(0, 30), std::nullopt},                          // cut in the format
        {"RIFF\x10\0\0\0AVI LIST", std::nullopt},
        {"this is a text file, not a sound", std::nullopt},
        {"", std::nullopt},
    };
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(vernik::wavLength(table[i].first), table[i].second) << "case " << i;
}

TEST(WavLength, ReadsTheFileOnDisk) {
    TestFolder root;
    const auto file =
        root.write("a.wav", wav(format() + chunk("data", std::string(800, '\x80'), 800)));
    EXPECT_EQ(vernik::wavFileLength(file), milliseconds(100));
    EXPECT_EQ(vernik::wavFileLength(root / "missing.wav"), std::nullopt);
    EXPECT_EQ(vernik::wavFileLength(root.path()), std::nullopt);
}

}  // namespace
