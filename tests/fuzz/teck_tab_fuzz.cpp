// The teck.tab reader on any bytes. Reading the bytes and reading them from a
// file give the same table; LF line ends read as CR LF ones do; a file
// without a "Kodtext" line leaves both tables the identity.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/char_table.h"

namespace {

void failIf(bool failed, const char* what) {
    if (!failed) return;
    std::fprintf(stderr, "teck.tab reader: %s\n", what);
    std::abort();
}

bool same(const vernik::CharTable& a, const vernik::CharTable& b) {
    return a.foreign == b.foreign && a.own == b.own && a.started == b.started &&
           a.fontName == b.fontName && a.foreignSpecial == b.foreignSpecial &&
           a.backwardsSetting == b.backwardsSetting;
}

std::string withCrLf(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) out += '\r';
        out += bytes[i];
    }
    return out;
}

bool hasStartMark(std::string_view bytes) {
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        if (bytes.substr(start, end - start).substr(0, vernik::kCharTableLineLength) == "Kodtext")
            return true;
        if (end == bytes.size()) break;
        start =
            end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vernik::CharTable table = vernik::readCharTable(bytes);

    static const std::string file = "/tmp/vernik-teck-fuzz-" + std::to_string(::getpid());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    const auto fromFile = vernik::readCharTableFile(file);
    failIf(!fromFile || !same(*fromFile, table), "file and bytes disagree");
    failIf(!same(vernik::readCharTable(withCrLf(bytes)), table), "CR LF reads otherwise");

    failIf(table.started != hasStartMark(bytes), "start mark");
    if (!table.started) {
        failIf(table.foreign != vernik::identityByteTable() ||
                   table.own != vernik::identityByteTable() || table.fontName.has_value(),
               "a file without a start mark changed something");
    }
    if (table.fontName) failIf(table.fontName->size() < 2, "one-letter font name");
    return 0;
}
