#include "document/print_layout.h"

#include <gtest/gtest.h>

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
