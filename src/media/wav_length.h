#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vernik {

// How long the sound of a WAV file (RIFF "WAVE" with a "fmt " and a "data"
// chunk) plays, counting only the sound bytes the file really holds, so a
// truncated file gives the length of what is left. Nothing when the bytes
// are not a WAV file.
std::optional<std::chrono::milliseconds> wavLength(std::string_view bytes);

// The same for a file; nothing when it cannot be read.
std::optional<std::chrono::milliseconds> wavFileLength(const std::filesystem::path& file);

}  // namespace vernik
