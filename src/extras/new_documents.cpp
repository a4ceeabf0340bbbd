#include "extras/new_documents.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace vernik {
namespace {

constexpr int kMaxNameTries = 1000;

constexpr std::string_view kEmptyRichText =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
    "\\pard\\plain\\f0\\fs24\\par}";

constexpr std::string_view kOdtMimeType = "application/vnd.oasis.opendocument.text";

constexpr std::string_view kOdtManifest =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
    " manifest:version=\"1.2\">"
    "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\""
    " manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
    "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
    "</manifest:manifest>\n";

constexpr std::string_view kOdtContent =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
    "<office:body><office:text><text:p/></office:text></office:body>"
    "</office:document-content>\n";

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A zip archive whose entries are stored uncompressed, in the given order.
std::string storedZip(const std::vector<std::pair<std::string_view, std::string_view>>& entries) {
    constexpr std::uint32_t kDosDate = (1 << 5) | 1;  // 1980-01-01
    std::string archive;
    std::string directory;
    for (const auto& entry : entries) {
        const std::string_view name = entry.first;
        const std::string_view data = entry.second;
        const auto crc = static_cast<std::uint32_t>(::crc32(
            0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
        const auto size = static_cast<std::uint32_t>(data.size());
        const auto offset = static_cast<std::uint32_t>(archive.size());
        auto common = [&](std::string& out) {
            putLittleEndian(out, 10, 2);  // version needed: stored entries
            putLittleEndian(out, 0, 2);   // flags
            putLittleEndian(out, 0, 2);   // method: stored
            putLittleEndian(out, 0, 2);   // time
            putLittleEndian(out, kDosDate, 2);
            putLittleEndian(out, crc, 4);
            putLittleEndian(out, size, 4);  // compressed size
            putLittleEndian(out, size, 4);
            putLittleEndian(out, static_cast<std::uint32_t>(name.size()), 2);
            putLittleEndian(out, 0, 2);  // extra field
        };
        putLittleEndian(archive, 0x04034B50, 4);
        common(archive);
        archive += name;
        archive += data;

        putLittleEndian(directory, 0x02014B50, 4);
        putLittleEndian(directory, 20, 2);  // made by
        common(directory);
        putLittleEndian(directory, 0, 2);  // comment
        putLittleEndian(directory, 0, 2);  // disk
        putLittleEndian(directory, 0, 2);  // internal attributes
        putLittleEndian(directory, 0, 4);  // external attributes
        putLittleEndian(directory, offset, 4);
        directory += name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    putLittleEndian(archive, 0x06054B50, 4);
    putLittleEndian(archive, 0, 2);
    putLittleEndian(archive, 0, 2);
    putLittleEndian(archive, static_cast<std::uint32_t>(entries.size()), 2);
    putLittleEndian(archive, static_cast<std::uint32_t>(entries.size()), 2);
    putLittleEndian(archive, static_cast<std::uint32_t>(directory.size()), 4);
    putLittleEndian(archive, directoryOffset, 4);
    putLittleEndian(archive, 0, 2);
    return archive;
}

}  // namespace

const char* newDocumentExtension(NewDocumentKind kind) {
    switch (kind) {
        case NewDocumentKind::PlainText:
            return ".txt";
        case NewDocumentKind::RichText:
            return ".rtf";
        case NewDocumentKind::WordProcessor:
            return ".odt";
    }
    return ".txt";
}

std::string emptyDocumentBytes(NewDocumentKind kind) {
    switch (kind) {
        case NewDocumentKind::PlainText:
            return {};
        case NewDocumentKind::RichText:
            return std::string(kEmptyRichText);
        case NewDocumentKind::WordProcessor:
            return storedZip({{"mimetype", kOdtMimeType},
                              {"META-INF/manifest.xml", kOdtManifest},
                              {"content.xml", kOdtContent}});
    }
    return {};
}

NewDocument createNewDocument(const std::filesystem::path& folder, NewDocumentKind kind) {
    NewDocument result;
    const std::string extension = newDocumentExtension(kind);
    for (int number = 1; number <= kMaxNameTries; ++number) {
        const std::string suffix = number == 1 ? "" : " " + std::to_string(number);
        std::string name = "Nytt dokument";
        name += suffix;
        name += extension;
        const std::filesystem::path path = folder / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            result.error = path.string() + ": " + std::strerror(errno);
            return result;
        }
        const bool written = writeAll(fd, emptyDocumentBytes(kind));
        const int error = errno;
        if (::close(fd) != 0 || !written) {
            result.error = path.string() + ": " + std::strerror(written ? errno : error);
            ::unlink(path.c_str());
            return result;
        }
        result.path = path;
        return result;
    }
    result.error = folder.string() + ": inget ledigt namn f\xC3\xB6r ett nytt dokument";
    return result;
}

}  // namespace vernik
