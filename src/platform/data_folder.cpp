#include "platform/data_folder.h"

#include <array>
#include <system_error>

namespace vernik {

std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& executable) {
    const std::filesystem::path dir = executable.parent_path();
    const std::array<std::filesystem::path, 3> candidates = {
        dir / "data",
        dir / ".." / "data",
        dir / ".." / "share" / "vernik",
    };
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate / kDataFolderMarker, ec)) {
            const auto folder = std::filesystem::weakly_canonical(candidate, ec);
            return ec ? candidate.lexically_normal() : folder;
        }
    }
    return std::nullopt;
}

std::filesystem::path currentExecutable() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

}  // namespace vernik
