#include "lexicon/dictd_reader.h"

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::string_view kDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Ten base-64 digits hold 60 bits, far more than any dictionary needs; longer
// numbers are refused rather than overflowed.
constexpr std::size_t kMaxDigits = 10;

struct Loaded {
    std::string bytes;
    std::string error;
};

// The value of a number written in dictd's base-64 digits, most significant first.
std::optional<std::uint64_t> decodeNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const std::size_t digit = kDigits.find(c);
        if (digit == std::string_view::npos) return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

Loaded loadFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return {{}, path.string() + ": no such file"};
    if (!isRegularFile(path)) return {{}, path.string() + ": not a regular file"};
    auto bytes = readFileBytes(path);
    if (!bytes) return {{}, path.string() + ": cannot be read"};
    return {std::move(*bytes), {}};
}

// Unpacks gzip data of one or more members. Anything but complete, intact
// members is an error: a dictionary cut short must not pass for a smaller one.
Loaded gunzip(std::string_view packed, const fs::path& path) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        return {{}, path.string() + ": cannot start decompression"};
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    Loaded out;
    std::string block(256 * 1024, '\0');
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(block.data());
        stream.avail_out = static_cast<uInt>(block.size());
        int status = inflate(&stream, Z_NO_FLUSH);
        out.bytes.append(block.data(), block.size() - stream.avail_out);
        if (status == Z_STREAM_END) {
            if (stream.avail_in == 0) break;
            status = inflateReset(&stream);  // a further member follows
        }
        if (status == Z_OK) continue;
        if (status == Z_BUF_ERROR) {
            out.error = path.string() + ": compressed data ends early (the file is truncated)";
        } else {
            out.error = path.string() + ": damaged compressed data (" +
                        (stream.msg ? stream.msg : "zlib error " + std::to_string(status)) + ")";
        }
        break;
    }
    inflateEnd(&stream);
    if (!out.error.empty()) out.bytes.clear();
    return out;
}

// The definitions: BASE.dict.dz when it exists, otherwise BASE.dict.
Loaded loadDefinitions(const fs::path& base, fs::path& used) {
    const fs::path packed = fs::path(base.string() + ".dict.dz");
    const fs::path plain = fs::path(base.string() + ".dict");
    std::error_code ec;
    if (fs::exists(packed, ec)) {
        used = packed;
        Loaded file = loadFile(packed);
        if (!file.error.empty()) return file;
        // zlib takes its input length as a 32-bit count.
        if (file.bytes.size() > 0xFFFFFFFFu) return {{}, packed.string() + ": too large"};
        return gunzip(file.bytes, packed);
    }
    used = plain;
    if (!fs::exists(plain, ec)) {
        return {{}, packed.string() + " and " + plain.string() + ": no such file"};
    }
    return loadFile(plain);
}

// Splits `line` at tabs into at most five fields.
std::vector<std::string_view> tabFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos || fields.size() == 5) break;
        line.remove_prefix(tab + 1);
    }
    return fields;
}

struct IndexLine {
    std::string_view headword;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// "headword TAB offset TAB length", optionally followed by TAB and the
// headword as originally written, which then is the one to keep.
std::optional<IndexLine> parseIndexLine(std::string_view line) {
    const auto fields = tabFields(line);
    if (fields.size() != 3 && fields.size() != 4) return std::nullopt;
    const auto offset = decodeNumber(fields[1]);
    const auto length = decodeNumber(fields[2]);
    if (!offset || !length) return std::nullopt;
    std::string_view headword = fields[0];
    if (fields.size() == 4 && !fields[3].empty()) headword = fields[3];
    return IndexLine{headword, *offset, *length};
}

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::string out = "\"" + std::string(text.substr(0, kShown));
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

// Walks the index line by line and cuts each entry's definition out of `data`.
std::string collectEntries(std::string_view index, const fs::path& indexPath, std::string_view data,
                           const fs::path& dataPath, std::vector<DictdEntry>& entries) {
    std::size_t lineNumber = 0;
    while (!index.empty()) {
        ++lineNumber;
        const std::size_t end = index.find('\n');
        std::string_view line = index.substr(0, end);
        index.remove_prefix(end == std::string_view::npos ? index.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        const std::string where = indexPath.string() + ": line " + std::to_string(lineNumber);
        const auto parsed = parseIndexLine(line);
        if (!parsed) {
            return where + " is not \"headword TAB offset TAB length\": " + quoted(line);
        }
        if (parsed->offset > data.size() || parsed->length > data.size() - parsed->offset) {
            return where + " (" + quoted(parsed->headword) + ") points past the end of " +
                   dataPath.string() + " (offset " + std::to_string(parsed->offset) + ", length " +
                   std::to_string(parsed->length) + ", size " + std::to_string(data.size()) + ")";
        }
        entries.push_back({std::string(parsed->headword),
                           std::string(data.substr(parsed->offset, parsed->length))});
    }
    if (entries.empty()) return indexPath.string() + ": holds no entries";
    return {};
}

}  // namespace

DictdReadResult readDictd(const fs::path& base) {
    DictdReadResult result;
    const fs::path indexPath = fs::path(base.string() + ".index");
    const Loaded index = loadFile(indexPath);
    if (!index.error.empty()) {
        result.error = index.error;
        return result;
    }
    fs::path dataPath;
    const Loaded data = loadDefinitions(base, dataPath);
    if (!data.error.empty()) {
        result.error = data.error;
        return result;
    }
    result.error = collectEntries(index.bytes, indexPath, data.bytes, dataPath, result.entries);
    if (!result.ok()) result.entries.clear();
    return result;
}

}  // namespace vernik
