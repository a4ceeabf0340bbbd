#include "extras/new_documents.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

#include "test_folder.h"

namespace vernik {
namespace {

std::uint32_t number(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(NewDocuments, FreshNamesNeverTouchExistingFiles) {
    TestFolder dir;
    dir.write("Nytt dokument.txt", "mina anteckningar");
    const NewDocument first = createNewDocument(dir.path(), NewDocumentKind::PlainText);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.path, dir / "Nytt dokument 2.txt");
    EXPECT_EQ(TestFolder::read(dir / "Nytt dokument.txt"), "mina anteckningar");
    EXPECT_EQ(TestFolder::read(first.path), "");

    const NewDocument rtf = createNewDocument(dir.path(), NewDocumentKind::RichText);
    EXPECT_EQ(rtf.path, dir / "Nytt dokument.rtf");
    EXPECT_EQ(TestFolder::read(rtf.path).rfind("{\\rtf1", 0), 0u);

    EXPECT_FALSE(createNewDocument(dir / "missing", NewDocumentKind::PlainText).ok());
}

// What a reader of OpenDocument packages relies on: "mimetype" first and
// stored, the central directory where the end record says, and each
// entry's checksum right.
TEST(NewDocuments, TheWordProcessorDocumentIsAnOpenDocumentPackage) {
    const std::string zip = emptyDocumentBytes(NewDocumentKind::WordProcessor);
    ASSERT_GT(zip.size(), 100u);
    EXPECT_EQ(number(zip, 0, 4), 0x04034B50u);
    EXPECT_EQ(number(zip, 8, 2), 0u);  // stored
    EXPECT_EQ(zip.substr(30, 8), "mimetype");
    EXPECT_EQ(zip.substr(38, 39), "application/vnd.oasis.opendocument.text");

    const std::size_t end = zip.size() - 22;
    ASSERT_EQ(number(zip, end, 4), 0x06054B50u);
    EXPECT_EQ(number(zip, end + 10, 2), 3u);
    std::size_t entry = number(zip, end + 16, 4);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(number(zip, entry, 4), 0x02014B50u) << i;
        const std::uint32_t crc = number(zip, entry + 16, 4);
        const std::uint32_t size = number(zip, entry + 24, 4);
        const std::uint32_t nameLength = number(zip, entry + 28, 2);
        const std::size_t local = number(zip, entry + 42, 4);
        ASSERT_EQ(number(zip, local, 4), 0x04034B50u) << i;
        const std::size_t data = local + 30 + number(zip, local + 26, 2);
        EXPECT_EQ(::crc32(0, reinterpret_cast<const Bytef*>(zip.data() + data), size), crc) << i;
        entry += 46 + nameLength;
    }
    EXPECT_EQ(entry, end);
}

}  // namespace
}  // namespace vernik
