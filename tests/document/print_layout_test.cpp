#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace vernik {
namespace {

TEST(PrintLayout, PagesAndTheLinesOfARange) {
    struct Case {
        int lines, perPage, first, last;
        int pages;
        LineRange range;
        std::vector<LineRange> sheets;
    };
    const Case cases[] = {
        {61, 30, 1, 3, 3, {0, 61}, {{0, 30}, {30, 60}, {60, 61}}},
        {61, 30, 2, 3, 3, {30, 61}, {{30, 60}, {60, 61}}},
        {61, 30, 3, 3, 3, {60, 61}, {{60, 61}}},
        {60, 30, 1, 2, 2, {0, 60}, {{0, 30}, {30, 60}}},
        {1, 10, 1, 1, 1, {0, 1}, {{0, 1}}},
        {0, 10, 1, 1, 0, {0, 0}, {}},
        {5, 10, 2, 4, 1, {5, 5}, {}},  // pages past the end print nothing
        {5, 0, 1, 5, 5, {0, 5}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}},  // never below 1
        {5, -3, 1, 9, 5, {0, 5}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}},
        {20, 10, 0, 1, 2, {0, 10}, {{0, 10}}},  // page 0 reads as page 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines << " lines, " << c.perPage << " per page, pages "
                                        << c.first << "-" << c.last);
        EXPECT_EQ(pageCount(c.lines, c.perPage), c.pages);
        const LineRange range = linesOfPages(c.first, c.last, c.perPage, c.lines);
        EXPECT_EQ(range, c.range);
        EXPECT_EQ(sheetsOf(range, c.perPage), c.sheets);
    }
}

TEST(PrintLayout, LinesPerPageFallBackToTheSettingsThenToOne) {
    const std::tuple<int, std::optional<int>, int> cases[] = {
        {25, 30, 25}, {0, 30, 30}, {-4, 30, 30}, {0, 0, 1}, {0, -2, 1}, {0, std::nullopt, 1}};
    for (const auto& [given, fromSettings, used] : cases) {
        EXPECT_EQ(usableLinesPerPage(given, fromSettings), used) << given;
    }
}

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Values that no field lets through still give answers without overflow.
TEST(PrintLayout, FitChecks) {
    const struct {
        int left, width;
        double scale;
        bool wide;
    } widths[] = {
        // 4875 fits 1.6 x 4800 = 7680; one pixel over the allowance does not.
        {0, 750, 6.5, false},  {20, 680, 6.5, false},  {0, 1181, 6.5, false},  // 7677
        {0, 1182, 6.5, true},  {200, 1000, 6.5, true}, {kMax, kMax, 1e300, true},
        {0, 750, kNaN, false},
    };
    for (const auto& w : widths) {
        EXPECT_EQ(tooWide(w.left, w.width, w.scale, 4800), w.wide) << w.left << " " << w.width;
    }

    // 13 x 6.5 = 84.5 printer pixels a line; the top margin 10 takes 65.
    const struct {
        int lines, top, pageHeight;
        double scale, spacing;
        bool pageNumbers, tall;
    } heights[] = {
        {30, 10, 2600, 6.5, 1.0, false, false},  // 2535 <= 2535
        {30, 10, 2599, 6.5, 1.0, false, true},
        {30, 10, 2600, 6.5, 1.0, true, true},  // with the page number 2620 > 2535
        {30, 10, 2685, 6.5, 1.0, true, false},
        {15, 10, 2600, 6.5, 2.0, false, false},
        {16, 10, 2600, 6.5, 2.0, false, true},
        {0, 10, 2600, 6.5, 1.0, false, false},
        {30, -400000000, 7000, 6.5, 1.0, true, false},  // the margin gives room beyond any page
        {1, kMax, 7000, 6.5, 1.0, false, true},
        {0, 0, 7000, 1e308, 10.0, false, false},  // no lines: nothing to fit
        {0, 0, 7000, 1e308, 10.0, true, true},    // but the page number is one line
        {kMax, 10, 7000, 6.5, 1e300, true, true},
        {30, 10, 7000, kNaN, 1.0, true, false},
    };
    for (const auto& h : heights) {
        SCOPED_TRACE(testing::Message() << h.lines << " lines, top " << h.top << " on "
                                        << h.pageHeight << (h.pageNumbers ? " with number" : ""));
        EXPECT_EQ(tooTall(13, h.scale, h.spacing, h.lines, h.top, h.pageHeight, h.pageNumbers),
                  h.tall);
    }
}

TEST(PrintLayout, PositionsOfLinesAndPageNumber) {
    TextAreaValues area;
    area.leftMargin = 20;
    area.topMargin = 40;
    area.lineSpacing = 1.5;
    const PrintScale scale{6.5, 6.0};
    EXPECT_EQ(linePosition(1, 101, area, scale), (PrintPoint{130, 152 + 240}));
    EXPECT_EQ(linePosition(2, 101, area, scale), (PrintPoint{130, 303 + 240}));
    EXPECT_EQ(linePosition(30, 101, area, scale), (PrintPoint{130, 4545 + 240}));
    EXPECT_EQ(pageNumberPosition({4961, 7016}, 13, 6.5), (PrintPoint{2481, 7016 - 85}));
}

// Far-off points are held at the ends of int.
TEST(PrintLayout, ExtremeValuesStayWithinInt) {
    for (const auto& [x, rounded] : {std::pair{2.5, 3},
                                     {-2.5, -3},
                                     {1e300, kMax},
                                     {-1e300, kMin},
                                     {kInf, kMax},
                                     {-kInf, kMin},
                                     {kNaN, 0}}) {
        EXPECT_EQ(nearest(x), rounded) << x;
    }
    struct Position {
        int k, textHeight, left, top;
        double spacing, hor, vert;
        PrintPoint at;
    };
    const Position positions[] = {
        {1, 100, 0, 40, 10000000000.0, 6.5, 6.5, {0, kMax}},
        {kMax, kMax, kMax, kMax, 1e300, 1e300, 1e300, {kMax, kMax}},
        {1, 100, kMin, -400000000, 1.0, 6.5, 6.5, {kMin, kMin + 100}},
        {1, 100, 0, 0, kNaN, kNaN, kInf, {0, 0}},  // what is not a number counts as 0
    };
    for (const Position& p : positions) {
        TextAreaValues area;
        area.leftMargin = p.left;
        area.topMargin = p.top;
        area.lineSpacing = p.spacing;
        EXPECT_EQ(linePosition(p.k, p.textHeight, area, {p.hor, p.vert}), p.at)
            << p.spacing << " " << p.top;
    }
    EXPECT_EQ(pageNumberPosition({kMax, kMin}, kMax, 1e300), (PrintPoint{1073741824, kMin}));

    // The last sheet of a range that ends at the largest line number.
    EXPECT_EQ(sheetsOf({kMax - 3, kMax}, kMax), (std::vector<LineRange>{{kMax - 3, kMax}}));
    EXPECT_EQ(linesOfPages(kMax, kMax, kMax, kMax), (LineRange{kMax, kMax}));
    EXPECT_EQ(pageCount(kMax, 1), kMax);
}

TEST(PrintLayout, ReadsTheFieldsOrNamesTheFirstBadOne) {
    const TextAreaTexts good{"750", "0", "10", "1,5", "30", "400"};
    const TextAreaReading read = readTextArea(good);
    ASSERT_TRUE(read.area) << read.problem;
    EXPECT_EQ(read.area->textWidth, 750);
    EXPECT_DOUBLE_EQ(read.area->lineSpacing, 1.5);
    EXPECT_EQ(read.area->linesPerPage, 30);
    EXPECT_EQ(read.area->boxHeight, 400);
    TextAreaTexts noLines = good;
    noLines.linesPerPage = "";
    EXPECT_EQ(readTextArea(noLines).area->linesPerPage, 0);

    // The ends of each range are taken; past them, or not a number, the
    // field is named.
    const TextAreaReading widest = readTextArea({"10000", "10000", "0", "100", "10000", "0"});
    ASSERT_TRUE(widest.area) << widest.problem;
    EXPECT_DOUBLE_EQ(widest.area->lineSpacing, 100);
    EXPECT_DOUBLE_EQ(readTextArea({"0", "0", "10000", "0,1", "1", "10000"}).area->lineSpacing, 0.1);
    const struct {
        std::string TextAreaTexts::*field;
        const char* label;
        std::vector<const char*> bad;
    } fields[] = {
        {&TextAreaTexts::textWidth, "Textbredd i pixels", {"7x0", "2000000", "-1"}},
        {&TextAreaTexts::leftMargin, "V marg i pixels", {"", "-1", "10001"}},
        {&TextAreaTexts::topMargin, "\xD6vre marg i pixels", {"1,5", "-400000000", "10001"}},
        {&TextAreaTexts::linesPerPage, "Antal rader", {"tio", "10001", "-3"}},
        {&TextAreaTexts::boxHeight, "Textruteh\xF6jd i pixels", {"99999999999", "-400", "10001"}},
        {&TextAreaTexts::lineSpacing,
         "Radavst\xE5nd",
         {"0", "-1", "ett", "10000000000", "100,5", "0,05"}},
    };
    for (const auto& f : fields) {
        for (const char* text : f.bad) {
            TextAreaTexts texts = good;
            texts.*f.field = text;
            const TextAreaReading bad = readTextArea(texts);
            EXPECT_FALSE(bad.area);
            EXPECT_EQ(bad.problem, std::string("Ogiltigt tal i ") + f.label + ": " + text);
        }
    }
}

}  // namespace
}  // namespace vernik
