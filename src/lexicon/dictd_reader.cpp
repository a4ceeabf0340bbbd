#include "lexicon/dictd_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::string_view kDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Text packs to a third or a quarter of its size; far more than this is not a
// dictionary.
constexpr std::uint64_t kMaxUnpackRatio = 64;

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
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxDictdBytes) {
        return {
            {},
            path.string() + ": too large (more than " + std::to_string(kMaxDictdBytes) + " bytes)"};
    }
    auto bytes = readFileBytes(path);
    if (!bytes) return {{}, path.string() + ": cannot be read"};
    return {std::move(*bytes), {}};
}

// The unpacked size a gzip file states in its last four bytes (modulo 2^32,
// and only for its last member): a hint for reserving, never trusted.
std::size_t statedUnpackedSize(std::string_view packed) {
    if (packed.size() < 4) return 0;
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i) {
        size = size << 8 | static_cast<unsigned char>(packed[packed.size() - 4 + i]);
    }
    return size;
}

// Unpacks gzip data of one or more members. Anything but complete, intact
// members is an error: a dictionary cut short must not pass for a smaller one.
// Data that unpacks to more than maxUnpackedSize is refused before it is all
// unpacked.
Loaded gunzip(std::string_view packed, const fs::path& path) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        return {{}, path.string() + ": cannot start decompression"};
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    const std::uint64_t limit = maxUnpackedSize(packed.size());
    Loaded out;
    out.bytes.reserve(std::min<std::uint64_t>(statedUnpackedSize(packed), limit));
    std::string block(256 * 1024, '\0');
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(block.data());
        stream.avail_out = static_cast<uInt>(block.size());
        int status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = block.size() - stream.avail_out;
        if (out.bytes.size() + produced > limit) {
            out.error = path.string() + ": refused: unpacks to more than " + std::to_string(limit) +
                        " bytes (the limit is " + std::to_string(kMaxUnpackRatio) +
                        " times the packed size and never over 1 GiB)";
            break;
        }
        out.bytes.append(block.data(), produced);
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
    if (!out.error.empty()) out.bytes = std::string();
    return out;
}

// The definitions file: BASE.dict.dz when it exists, otherwise BASE.dict.
struct DefinitionsFile {
    Loaded file;
    fs::path path;
    bool compressed = false;
};

DefinitionsFile loadDefinitionsFile(const fs::path& base) {
    const fs::path packed = fs::path(base.string() + ".dict.dz");
    const fs::path plain = fs::path(base.string() + ".dict");
    std::error_code ec;
    if (fs::exists(packed, ec)) return {loadFile(packed), packed, true};
    if (!fs::exists(plain, ec)) {
        return {{{}, packed.string() + " and " + plain.string() + ": no such file"}, plain, false};
    }
    return {loadFile(plain), plain, false};
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

// Walks the index line by line, checking that each entry lies inside `data`.
std::string collectEntries(std::string_view index, const fs::path& indexPath, std::string_view data,
                           const fs::path& dataPath, std::vector<DictdIndexEntry>& entries) {
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
        entries.push_back({std::string(parsed->headword), parsed->offset, parsed->length});
    }
    if (entries.empty()) return indexPath.string() + ": holds no entries";
    return {};
}

// The dictionary of the unpacked `definitions` and the entries of `index`.
DictdReadResult withEntries(Loaded definitions, std::string_view index, const fs::path& indexPath,
                            const fs::path& dataPath) {
    DictdReadResult result;
    result.error = std::move(definitions.error);
    if (result.ok()) {
        result.dictionary.definitions = std::move(definitions.bytes);
        result.error = collectEntries(index, indexPath, result.dictionary.definitions, dataPath,
                                      result.dictionary.entries);
    }
    if (!result.ok()) result.dictionary = {};
    return result;
}

}  // namespace

std::uint64_t maxUnpackedSize(std::uint64_t packedSize) {
    if (packedSize >= kMaxDictdBytes / kMaxUnpackRatio) return kMaxDictdBytes;
    return packedSize * kMaxUnpackRatio;
}

DictdReadResult readDictd(const DictdFiles& files) {
    Loaded definitions;
    if (files.data.size() > kMaxDictdBytes) {
        definitions.error = files.dataPath.string() + ": too large";
    } else if (files.compressed) {
        definitions = gunzip(files.data, files.dataPath);
    } else {
        definitions.bytes = files.data;
    }
    return withEntries(std::move(definitions), files.index, files.indexPath, files.dataPath);
}

DictdReadResult readDictd(const fs::path& base) {
    const fs::path indexPath = fs::path(base.string() + ".index");
    const Loaded index = loadFile(indexPath);
    if (!index.error.empty()) return {{}, index.error};
    DefinitionsFile data = loadDefinitionsFile(base);
    if (data.compressed && data.file.error.empty()) {
        data.file = gunzip(data.file.bytes, data.path);
    }
    return withEntries(std::move(data.file), index.bytes, indexPath, data.path);
}

}  // namespace vernik
