// The label-file reader on any bytes: every caption it gives is well-formed
// UTF-8 of two to 255 characters without a line end, and writing the
// captions back out and reading them again gives the same captions.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "extras/label_file.h"
#include "extras/language_text.h"
#include "platform/utf8.h"

namespace {

void fail(const char* what, std::size_t index) {
    std::fprintf(stderr, "label file: %s at caption %zu\n", what, index);
    std::abort();
}

// Whether caption `index` is the first of its group.
bool firstOfGroup(std::size_t index) {
    std::size_t start = 0;
    for (const std::size_t size : vernik::kLabelGroupSizes) {
        if (index == start) return true;
        start += size;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vernik::LabelTexts labels = vernik::parseLabelFile(bytes);
    bool roundTrips = true;
    for (std::size_t index = 0; index < vernik::kLabelCount; ++index) {
        const auto& text = labels.texts[index];
        if (!text) continue;
        if (!vernik::isValidUtf8(*text)) fail("malformed UTF-8", index);
        const std::size_t length = vernik::utf8Length(*text);
        if (length < 2 || length > vernik::kLabelMaxLength) fail("caption length", index);
        if (text->find_first_of("\r\n") != std::string::npos) fail("line end", index);
        // A first caption of a group that begins like a spare line cannot come back.
        if (firstOfGroup(index) && text->starts_with("Reserv")) roundTrips = false;
    }
    if (roundTrips &&
        vernik::parseLabelFile(vernik::formatLabelFile(labels)).texts != labels.texts) {
        fail("round trip", 0);
    }
    return 0;
}
