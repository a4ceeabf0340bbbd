// The rich-text reader on any bytes, and the writer's round trip: what the
// writer makes of a document reads back as the same document, font table,
// paragraphs, runs and their formats.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

void failIf(bool failed, const char* what) {
    if (!failed) return;
    std::fprintf(stderr, "round trip changed the %s\n", what);
    std::abort();
}

// The paragraphs as the writer states them: a size not given is written as
// the default of 12 points, which may join a run to the one before it.
std::vector<vernik::RtfParagraph> asWritten(std::vector<vernik::RtfParagraph> paragraphs) {
    for (vernik::RtfParagraph& paragraph : paragraphs) {
        std::vector<vernik::RtfRun> runs;
        for (vernik::RtfRun& run : paragraph.runs) {
            if (run.format.halfPoints <= 0) run.format.halfPoints = 24;
            if (!runs.empty() && runs.back().format == run.format) {
                runs.back().text += run.text;
            } else {
                runs.push_back(std::move(run));
            }
        }
        paragraph.runs = std::move(runs);
    }
    return paragraphs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vernik::RtfDocument first = vernik::readRtf(bytes);
    const vernik::RtfDocument again = vernik::readRtf(vernik::writeRtf(first));
    const std::vector<vernik::RtfParagraph> expected = asWritten(first.paragraphs);
    failIf(again.paragraphs.size() != expected.size(), "paragraph count");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        failIf(again.paragraphs[i].runs != expected[i].runs, "runs of a paragraph");
        failIf(again.paragraphs[i].alignment != expected[i].alignment, "alignment");
    }
    failIf(again.fonts != first.fonts, "font table");
    failIf(again.colours != first.colours, "colour table");
    return 0;
}
