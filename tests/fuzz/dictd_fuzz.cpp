// Fuzzes the dictd reader and the import over an index and a definitions
// file. Input: one mode byte, the index, a NUL byte, the definitions. The
// mode's low bits choose the definitions file: plain (.dict), packed by the
// fuzzer into intact gzip (.dict.dz), or the bytes themselves as .dict.dz.
//
// Checked: the reader's result stays inside its bounds and agrees with the
// import; the import's counts add up to the index entries; every headword
// written is found again by the lookup scan; a failed import leaves nothing.
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "lexicon/dictd_import.h"
#include "lexicon/dictd_reader.h"
#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"

namespace {

namespace fs = std::filesystem;
using namespace vernik;

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "dictd_fuzz: %s\n", what);
    std::abort();
}

std::string gzipped(std::string_view bytes) {
    z_stream stream{};
    check(deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) ==
              Z_OK,
          "deflateInit2");
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    check(deflate(&stream, Z_FINISH) == Z_STREAM_END, "deflate");
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A folder of this process, on a memory file system when there is one.
const fs::path& workFolder() {
    static const fs::path folder = [] {
        const fs::path shm = "/dev/shm";
        const fs::path root = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        const fs::path path = root / ("vernik-dictd-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path / "out");
        return path;
    }();
    return folder;
}

void write(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::size_t indexEntryLines(std::string_view index) {
    std::size_t count = 0;
    while (!index.empty()) {
        const std::size_t end = index.find('\n');
        std::string_view line = index.substr(0, end);
        index.remove_prefix(end == std::string_view::npos ? index.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) ++count;
    }
    return count;
}

char foldedInitial(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return char(u + 32);
    return c;
}

// Every headword line of the lexicon is selected by a lookup of its headword,
// or one differing only in the case of the initial (which the scan does not
// compare). Returns the number of headword lines.
std::size_t checkLookups(const fs::path& lexicon) {
    std::size_t headwords = 0;
    AltTable table;
    for (const char letter : kLetterSequence) {
        const auto file = findLetterFile(lexicon.string(), "", letter, LetterKind::Alt);
        check(file.has_value(), "an alt file is missing");
        std::ifstream in(*file, std::ios::binary);
        int lineNumber = 0;
        for (std::string line; std::getline(in, line);) {
            check(!line.empty() && line.back() == '\r', "a line without CR LF");
            line.pop_back();
            if (line == sentinelLine(letter)) break;
            // The first two lines are the bare letter entry.
            if (++lineNumber <= 2 || line.empty() || line[0] != '.') continue;
            ++headwords;
            check(initialLetter(line.substr(1)) == letter, "a headword in another letter's file");
            table = AltTable();
            scanAltFile({.word = line.substr(1), .altFile = *file}, table);
            const std::string selected = table.slot(1);
            check(selected.size() == line.size() && selected.size() >= 2 &&
                      foldedInitial(selected[1]) == foldedInitial(line[1]) &&
                      selected.substr(2) == line.substr(2),
                  "a lookup of a headword selects another line");
        }
    }
    return headwords;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int mode = data[0] % 3;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = input.find('\0');
    const std::string_view index = input.substr(0, split);
    const std::string_view stored =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const bool compressed = mode != 0;
    const std::string definitions = mode == 1 ? gzipped(stored) : std::string(stored);

    // The reader over memory.
    const DictdReadResult read = readDictd(
        DictdFiles{index, "d.index", definitions, compressed ? "d.dict.dz" : "d.dict", compressed});
    if (read.ok()) {
        const std::size_t unpacked = read.dictionary.definitions.size();
        check(unpacked <= (compressed ? maxUnpackedSize(definitions.size()) : definitions.size()),
              "definitions beyond their bound");
        if (mode == 1) check(read.dictionary.definitions == stored, "gzip round trip");
        check(read.dictionary.entries.size() == indexEntryLines(index), "entries lost");
        for (const auto& entry : read.dictionary.entries) {
            check(entry.offset <= unpacked && entry.length <= unpacked - entry.offset,
                  "an entry outside the definitions");
        }
    }

    // The import over the same files.
    const fs::path& folder = workFolder();
    const fs::path base = folder / "d";
    fs::remove(folder / "d.dict");
    fs::remove(folder / "d.dict.dz");
    write(folder / "d.index", index);
    write(folder / (compressed ? "d.dict.dz" : "d.dict"), definitions);
    const fs::path lexicon = folder / "out" / "lex";
    const DictdImportResult result = importDictd(base, lexicon);
    check(result.ok() == read.ok(), "the import and the reader disagree");
    if (result.ok()) {
        check(result.imported + result.mergedDuplicates + result.headerEntries +
                      result.withoutCp1252 + result.withoutLetterFile ==
                  read.dictionary.entries.size(),
              "the counts do not add up to the index entries");
        check(checkLookups(lexicon) == result.imported, "headwords lost or added");
        fs::remove_all(lexicon);
    } else {
        check(result.error.starts_with((folder / "d.").string()), "a message naming no file");
    }
    check(fs::is_empty(folder / "out"), "a folder left behind");
    return 0;
}
