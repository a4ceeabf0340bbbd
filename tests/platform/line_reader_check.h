#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/line_reader.h"
#include "platform/reference_lines.h"

// One way of reading a file, for comparing the line reader with the
// reference: the block size, the line limit, and the rule nextUnpassed()
// uses (marked lines pass when their third byte is below `thirdBelow` or
// when they hold an 'x' anywhere).
struct ReadingPlan {
    std::size_t blockSize = vernik::LineReader::kBlockSize;
    std::size_t maxLength = 0;
    int thirdBelow = 0;
    std::size_t lengthWanted = 4;
};

inline bool testRulePasses(std::string_view line, int thirdBelow) {
    return line.size() >= 3 &&
           (static_cast<unsigned char>(line[2]) < thirdBelow || line.find('x') != line.npos);
}

// Reads `file`, which holds `bytes`, through calls chosen one by one by
// `chooseCall` (0 next, 1 nextStartingWith('.'), 2 nextUnpassed) and checks
// every result against the reference. Returns what differed first, or "".
inline std::string compareWithReference(const std::filesystem::path& file, std::string_view bytes,
                                        const ReadingPlan& plan,
                                        const std::function<int()>& chooseCall) {
    vernik::LineReader reader(file, plan.blockSize);
    ReferenceReader reference(referenceLines(bytes, plan.maxLength));
    vernik::LinePassRule rule;
    rule.mark = '.';
    rule.passes = [&plan](std::string_view line) { return testRulePasses(line, plan.thirdBelow); };
    rule.passesThirdBelow = plan.thirdBelow;
    rule.lengthWanted = plan.lengthWanted;

    std::string_view got = "(before)";
    std::string expected = "(before)";
    for (int call = 0;; ++call) {
        const int kind = chooseCall();
        bool gotMore = false, expectedMore = false;
        std::optional<std::string> lastMarked;
        vernik::LineReader::PassedMarkedLine passed;
        if (kind == 0) {
            gotMore = reader.next(got, plan.maxLength);
            expectedMore = reference.next(expected);
        } else if (kind == 1) {
            gotMore = reader.nextStartingWith('.', got, plan.maxLength);
            expectedMore = reference.nextStartingWith('.', expected);
        } else {
            gotMore = reader.nextUnpassed(got, rule, passed, plan.maxLength);
            expectedMore = reference.nextUnpassed(
                '.',
                [&plan](const std::string& line) { return testRulePasses(line, plan.thirdBelow); },
                expected, lastMarked);
        }
        std::ostringstream where;
        where << "call " << call << " (kind " << kind << ", block " << plan.blockSize << ", max "
              << plan.maxLength << ", below " << plan.thirdBelow << "): ";
        if (gotMore != expectedMore) return where.str() + "end of lines differs";
        if (got != expected) {
            return where.str() + "line \"" + std::string(got) + "\" instead of \"" + expected +
                   "\"";
        }
        if (kind == 2) {
            const std::size_t expectedLength =
                lastMarked ? std::min(lastMarked->size(), plan.lengthWanted) : 0;
            if (passed.any != lastMarked.has_value() || passed.length != expectedLength) {
                return where.str() + "passed marked line differs";
            }
        }
        if (!expectedMore) {
            const std::string_view last = got;
            if (reader.next(got, plan.maxLength) || got != last)
                return where.str() + "read past the end";
            return "";
        }
    }
}
