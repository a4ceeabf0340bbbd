#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <limits>

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
    EXPECT_EQ(usableLinesPerPage(25, 30), 25);
    EXPECT_EQ(usableLinesPerPage(0, 30), 30);
    EXPECT_EQ(usableLinesPerPage(-4, 30), 30);
    EXPECT_EQ(usableLinesPerPage(0, 0), 1);
    EXPECT_EQ(usableLinesPerPage(0, -2), 1);
    EXPECT_EQ(usableLinesPerPage(0, std::nullopt), 1);
}

TEST(PrintLayout, FitChecks) {
    // 4875 fits 1.6 x 4800 = 7680; one pixel over the allowance does not.
    EXPECT_FALSE(tooWide(0, 750, 6.5, 4800));
    EXPECT_FALSE(tooWide(20, 680, 6.5, 4800));
    EXPECT_FALSE(tooWide(0, 1181, 6.5, 4800));  // near(7676.5) = 7677
    EXPECT_TRUE(tooWide(0, 1182, 6.5, 4800));   // 7683
    EXPECT_TRUE(tooWide(200, 1000, 6.5, 4800));

    struct Case {
        int fontHeight, lines, top, pageHeight;
        double spacing;
        bool pageNumbers, tall;
    };
    // 13 x 6.5 = 84.5 printer pixels a line; the top margin 10 takes 65.
    const Case cases[] = {
        {13, 30, 10, 2600, 1.0, false, false},  // 2535 <= 2535
        {13, 30, 10, 2599, 1.0, false, true},
        {13, 30, 10, 2600, 1.0, true, true},  // with the page number 2620 > 2535
        {13, 30, 10, 2685, 1.0, true, false},
        {13, 15, 10, 2600, 2.0, false, false},
        {13, 16, 10, 2600, 2.0, false, true},
        {13, 0, 10, 2600, 1.0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines << " lines on " << c.pageHeight
                                        << (c.pageNumbers ? " with page numbers" : ""));
        EXPECT_EQ(
            tooTall(c.fontHeight, 6.5, c.spacing, c.lines, c.top, c.pageHeight, c.pageNumbers),
            c.tall);
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

// Values that no field lets through still give positions and answers
// without overflow: far-off points are held at the ends of int.
TEST(PrintLayout, ExtremeValuesStayWithinInt) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
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

    struct Tall {
        int top, lines;
        double scale, spacing;
        bool pageNumbers, tall;
    };
    const Tall talls[] = {
        {-400000000, 30, 6.5, 1.0, true, false},  // the margin gives room beyond any page
        {kMax, 1, 6.5, 1.0, false, true},
        {0, 0, 1e308, 10.0, false, false},  // no lines: nothing to fit
        {0, 0, 1e308, 10.0, true, true},    // but the page number is one line
        {10, kMax, 6.5, 1e300, true, true},
        {10, 30, kNaN, 1.0, true, false},
    };
    for (const Tall& t : talls) {
        EXPECT_EQ(tooTall(13, t.scale, t.spacing, t.lines, t.top, 7000, t.pageNumbers), t.tall)
            << t.top << " " << t.lines << " " << t.scale;
    }
    EXPECT_TRUE(tooWide(kMax, kMax, 1e300, 4800));
    EXPECT_FALSE(tooWide(0, 750, kNaN, 4800));

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

    // The ends of each range are taken.
    const TextAreaReading widest = readTextArea({"10000", "10000", "0", "100", "10000", "0"});
    ASSERT_TRUE(widest.area) << widest.problem;
    EXPECT_DOUBLE_EQ(widest.area->lineSpacing, 100);
    EXPECT_DOUBLE_EQ(readTextArea({"0", "0", "10000", "0,1", "1", "10000"}).area->lineSpacing, 0.1);

    struct Case {
        std::string TextAreaTexts::*field;
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {&TextAreaTexts::textWidth, "7x0", "Ogiltigt tal i Textbredd i pixels: 7x0"},
        {&TextAreaTexts::leftMargin, "", "Ogiltigt tal i V marg i pixels: "},
        {&TextAreaTexts::topMargin, "1,5", "Ogiltigt tal i \xD6vre marg i pixels: 1,5"},
        {&TextAreaTexts::linesPerPage, "tio", "Ogiltigt tal i Antal rader: tio"},
        {&TextAreaTexts::boxHeight, "99999999999",
         "Ogiltigt tal i Textruteh\xF6jd i pixels: 99999999999"},
        {&TextAreaTexts::lineSpacing, "0", "Ogiltigt tal i Radavst\xE5nd: 0"},
        {&TextAreaTexts::lineSpacing, "-1", "Ogiltigt tal i Radavst\xE5nd: -1"},
        {&TextAreaTexts::lineSpacing, "ett", "Ogiltigt tal i Radavst\xE5nd: ett"},
        // Numbers outside what a page can need.
        {&TextAreaTexts::lineSpacing, "10000000000", "Ogiltigt tal i Radavst\xE5nd: 10000000000"},
        {&TextAreaTexts::lineSpacing, "100,5", "Ogiltigt tal i Radavst\xE5nd: 100,5"},
        {&TextAreaTexts::lineSpacing, "0,05", "Ogiltigt tal i Radavst\xE5nd: 0,05"},
        {&TextAreaTexts::topMargin, "-400000000",
         "Ogiltigt tal i \xD6vre marg i pixels: -400000000"},
        {&TextAreaTexts::topMargin, "10001", "Ogiltigt tal i \xD6vre marg i pixels: 10001"},
        {&TextAreaTexts::leftMargin, "-1", "Ogiltigt tal i V marg i pixels: -1"},
        {&TextAreaTexts::textWidth, "2000000", "Ogiltigt tal i Textbredd i pixels: 2000000"},
        {&TextAreaTexts::linesPerPage, "10001", "Ogiltigt tal i Antal rader: 10001"},
        {&TextAreaTexts::linesPerPage, "-3", "Ogiltigt tal i Antal rader: -3"},
        {&TextAreaTexts::boxHeight, "-400", "Ogiltigt tal i Textruteh\xF6jd i pixels: -400"},
    };
    for (const Case& c : cases) {
        TextAreaTexts texts = good;
        texts.*c.field = c.text;
        const TextAreaReading bad = readTextArea(texts);
        EXPECT_FALSE(bad.area);
        EXPECT_EQ(bad.problem, c.problem);
    }
}

}  // namespace
}  // namespace vernik
