#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vernik {

// Writes the outcome of `count` changes to one letter file as if each change
// had renamed the file to its backup and written a new one: the backup ends
// as the version before the last change (the file's own bytes when there was
// one change) and the file as the last version. `applyNext` applies the next
// change to the held lines, `lines` gives them. Each file is written once,
// through a new file renamed into place, the backup first.
WriteResult writeBatchRewrite(const std::filesystem::path& letterFile,
                              const std::string& originalBytes, std::size_t count,
                              const std::function<void()>& applyNext,
                              const std::function<std::vector<std::string>()>& lines);

}  // namespace vernik
