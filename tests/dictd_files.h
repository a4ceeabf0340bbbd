#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "test_folder.h"

// Writing small dictd dictionaries for tests.
struct DictdDefinition {
    std::string headword;
    std::string body;
};

// `value` in dictd's base-64 digits, most significant first.
inline std::string dictdNumber(std::uint64_t value) {
    static const std::string digits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 64]);
        value /= 64;
    } while (value != 0);
    return out;
}

// Writes `bytes` gzip-compressed to `file`.
inline void writeGzip(const std::filesystem::path& file, const std::string& bytes) {
    gzFile out = gzopen(file.c_str(), "wb");
    if (!out || gzwrite(out, bytes.data(), static_cast<unsigned>(bytes.size())) !=
                    static_cast<int>(bytes.size())) {
        std::abort();
    }
    gzclose(out);
}

// Writes NAME.index and NAME.dict.dz (or NAME.dict when not `compressed`) in
// `dir` and returns the base path dir/NAME.
inline std::filesystem::path writeDictd(const TestFolder& dir, const std::string& name,
                                        const std::vector<DictdDefinition>& definitions,
                                        bool compressed = true) {
    std::string index, data;
    for (const auto& definition : definitions) {
        index += definition.headword + "\t" + dictdNumber(data.size()) + "\t" +
                 dictdNumber(definition.body.size()) + "\n";
        data += definition.body;
    }
    dir.write(name + ".index", index);
    if (compressed) {
        writeGzip(dir / (name + ".dict.dz"), data);
    } else {
        dir.write(name + ".dict", data);
    }
    return dir / name;
}
