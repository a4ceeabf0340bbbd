// The line reader against the plain reference split: the input's first three
// bytes choose the block size, the line limit and the passing rule; the rest
// is the file. Every call's line must be the reference's.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/line_reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    static const auto file = std::filesystem::temp_directory_path() /
                             ("vernik-fuzz-lines-" + std::to_string(::getpid()));
    static constexpr std::size_t kBlockSizes[] = {1, 2, 3, 7, 63, 64, 65, 66, 100, 130, 4096};
    static constexpr std::size_t kMaxLengths[] = {0, 255, 7, 3, 2};
    ReadingPlan plan;
    plan.blockSize = kBlockSizes[data[0] % std::size(kBlockSizes)];
    plan.maxLength = kMaxLengths[data[1] % std::size(kMaxLengths)];
    plan.lengthWanted = 1 + data[1] / std::size(kMaxLengths) % 8;
    plan.thirdBelow = data[2] == 255 ? 256 : data[2];
    const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    // The calls are chosen from the input, so that a finding replays.
    std::uint32_t state = 2166136261u ^ data[0] ^ (data[1] << 8) ^ (data[2] << 16);
    for (char c : bytes) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    const auto chooseCall = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<int>(state % 3);
    };
    const std::string difference = compareWithReference(file, bytes, plan, chooseCall);
    if (!difference.empty()) {
        std::fprintf(stderr, "line reader differs from the reference: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
