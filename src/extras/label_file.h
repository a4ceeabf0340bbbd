#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The label file "Etikett.txt" of an interface language: the captions of
// menus, boxes and buttons, one a line. Lines 1 and 2 are a heading. From
// line 3 the file holds twelve groups in a fixed order; before each group any
// lines beginning with "Reserv" are spare and skipped, then the group's lines
// follow, one per caption. A line of fewer than two characters leaves its
// caption as it was, and so does every caption after the end of a short file.
namespace vernik {

// How many captions each group holds, in file order.
inline constexpr std::array<std::size_t, 12> kLabelGroupSizes = {11, 5,  5, 8, 9, 6,
                                                                 4,  17, 8, 9, 3, 4};

inline constexpr std::size_t labelCount() {
    std::size_t count = 0;
    for (const std::size_t size : kLabelGroupSizes) count += size;
    return count;
}

inline constexpr std::size_t kLabelCount = labelCount();

// The longest caption kept, in characters; the rest of a longer line is dropped.
inline constexpr std::size_t kLabelMaxLength = 255;

// A caption by its group and its line within the group, both from 1.
struct LabelPlace {
    std::size_t group = 1;
    std::size_t line = 1;
};

// The index of a caption among all kLabelCount, group by group.
std::size_t labelIndex(LabelPlace place);

// The captions a label file gives, as UTF-8; nothing where it leaves the
// caption unchanged.
struct LabelTexts {
    std::array<std::optional<std::string>, kLabelCount> texts;

    const std::optional<std::string>& at(LabelPlace place) const {
        return texts[labelIndex(place)];
    }
    std::size_t countGiven() const;
};

// The captions of a label file's bytes (UTF-8 or Windows-1252, see
// extras/language_text.h).
LabelTexts parseLabelFile(std::string_view bytes);

// A label file that gives exactly `labels`: a heading of two lines, and an
// empty line for each caption left unchanged. Lines end with CR LF; the text
// is UTF-8. A caption that begins with "Reserv" as the first of its group
// would be read as a spare line, so such a caption is written as given but
// does not come back.
std::string formatLabelFile(const LabelTexts& labels);

// The file's captions, or nothing when it cannot be read.
std::optional<LabelTexts> readLabelFile(const std::filesystem::path& file);

}  // namespace vernik
