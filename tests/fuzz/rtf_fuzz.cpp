// The rich-text reader on any bytes, and the writer's round trip: what the
// writer makes of a document reads back as the same document, font table,
// paragraphs, runs and their formats.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

void failIf(bool failed, const char* what) {
    if (!failed) return;
    std::fprintf(stderr, "round trip changed the %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vernik::RtfDocument first = vernik::readRtf(bytes);
    const vernik::RtfDocument again = vernik::readRtf(vernik::writeRtf(first));
    failIf(again.paragraphs.size() != first.paragraphs.size(), "paragraph count");
    for (std::size_t i = 0; i < first.paragraphs.size(); ++i) {
        failIf(again.paragraphs[i].runs != first.paragraphs[i].runs, "runs of a paragraph");
        failIf(again.paragraphs[i].alignment != first.paragraphs[i].alignment, "alignment");
    }
    failIf(again.fonts != first.fonts, "font table");
    failIf(again.colours != first.colours, "colour table");
    return 0;
}
