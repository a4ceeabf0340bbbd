#include "maintenance/batch_rewrite.h"

#include "maintenance/lexicon_change.h"

namespace vernik {

WriteResult writeBatchRewrite(const std::filesystem::path& letterFile,
                              const std::string& originalBytes, std::size_t count,
                              const std::function<void()>& applyNext,
                              const std::function<std::vector<std::string>()>& lines) {
    if (count == 0) return {};
    for (std::size_t i = 1; i < count; ++i) applyNext();
    const std::string backup = count == 1 ? originalBytes : joinLinesCrLf(lines());
    applyNext();
    WriteResult result = writeFileReplacing(backupFileName(letterFile), backup);
    if (!result.ok()) return result;
    return writeFileReplacing(letterFile, joinLinesCrLf(lines()));
}

}  // namespace vernik
