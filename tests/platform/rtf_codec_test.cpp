#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace vernik {
namespace {

// A document in a compact notation: paragraphs split by '|', "<c>" "<r>" "<j>"
// opening a centred, right or justified paragraph, "[b i u f1 fs30 c0]" giving
// the formatting of the text after it ("[]" for none), '\n' a line break.
// Font 0 and 12 points are the defaults and not written.
constexpr std::string_view kAlignments = " crj";  // in the order of RtfAlignment

std::string attributes(const RtfCharFormat& f) {
    std::ostringstream out;
    if (f.bold) out << " b";
    if (f.italic) out << " i";
    if (f.underline) out << " u";
    if (f.font > 0) out << " f" << f.font;
    if (f.halfPoints != 24) out << " fs" << f.halfPoints;
    if (f.colour >= 0) out << " c" << f.colour;
    return out.str().empty() ? "" : out.str().substr(1);
}

std::string render(const RtfDocument& doc) {
    std::string out;
    for (const RtfParagraph& paragraph : doc.paragraphs) {
        if (&paragraph != &doc.paragraphs.front()) out += '|';
        const char alignment = kAlignments[static_cast<int>(paragraph.alignment)];
        if (alignment != ' ') out += std::string("<") + alignment + ">";
        std::string shown;
        for (const RtfRun& run : paragraph.runs) {
            if (attributes(run.format) != shown) out += "[" + attributes(run.format) + "]";
            shown = attributes(run.format);
            for (std::size_t i = 0; i < run.text.size();) {
                const std::size_t at = i;
                const bool lineBreak = nextCodePoint(run.text, i) == 0x2028;
                out += lineBreak ? std::string("\n") : run.text.substr(at, i - at);
            }
        }
    }
    return out;
}

RtfDocument build(std::vector<RtfFont> fonts, std::vector<RtfColour> colours,
                  std::string_view marked) {
    RtfDocument doc{std::move(fonts), std::move(colours), {RtfParagraph{}}};
    const RtfCharFormat plain{.font = doc.fonts.empty() ? -1 : 0, .halfPoints = 24};
    RtfCharFormat format = plain;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        RtfParagraph& paragraph = doc.paragraphs.back();
        const char c = marked[i];
        if (c == '|') {
            doc.paragraphs.emplace_back();
        } else if (c == '<') {
            paragraph.alignment = static_cast<RtfAlignment>(kAlignments.find(marked[i + 1]));
            i += 2;
        } else if (c == '[') {
            const std::size_t end = marked.find(']', i);
            std::istringstream words(std::string(marked.substr(i + 1, end - i - 1)));
            format = plain;
            for (std::string w; words >> w;) {
                format.bold |= w == "b";
                format.italic |= w == "i";
                format.underline |= w == "u";
                const int number = w.size() > 1 ? std::stoi(w.substr(w[1] == 's' ? 2 : 1)) : 0;
                if (w.starts_with("fs"))
                    format.halfPoints = number;
                else if (w[0] == 'f')
                    format.font = number;
                if (w[0] == 'c') format.colour = number;
            }
            i = end;
        } else {
            if (paragraph.runs.empty() || !(paragraph.runs.back().format == format)) {
                paragraph.runs.push_back(RtfRun{{}, format});
            }
            if (c == '\n')
                appendUtf8(paragraph.runs.back().text, 0x2028);
            else
                paragraph.runs.back().text += c;
        }
    }
    return doc;
}

struct RoundTrip {
    const char* what;
    std::vector<RtfFont> fonts;
    std::vector<RtfColour> colours;
    std::string marked;
    std::vector<std::string> written;  // pieces the file must contain
    bool unicodeEscapes = false;       // whether any character needs \u
};

TEST(RtfCodec, FormattedTextSurvivesWriteAndRead) {
    const RtfFont arial{"Arial", 0};
    const std::vector<RoundTrip> cases = {
        {"character styles",
         {arial},
         {},
         "plain [b]bold [b i]both [i]italic [u]under[]plain",
         {"\\b bold \\i both \\b0 italic \\i0\\ul under\\ulnone plain"}},
        {"sizes and colours",
         {arial},
         {{255, 0, 0}, {0, 0, 255}},
         "[fs16]small [fs48]big []red? [c0]red [b c1]blue",
         {"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}", "\\fs48", "\\cf2"}},
        {"two fonts, Swedish letters",
         {arial, {"Courier New", 0}},
         {},
         "Sv åäö ÅÄÖ é [f1]mono €",
         {"{\\f1\\fnil\\fcharset0 Courier New;}", "\\'e5\\'e4\\'f6", "\\'80"}},
        {"Cyrillic in a Russian-charset font",
         {{"Times", 0}, {"Times", 204}},
         {},
         "Latin [f1]Привет, мир Ёё",
         {"{\\f1\\fnil\\fcharset204 Times;}", "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0"}},
        {"other Windows character sets",
         {arial, {"A", 161}, {"A", 238}, {"A", 162}, {"A", 186}, {"Symbol", 2}},
         {},
         "[f1]Ελλάδα [f2]Zażółć łódź [f3]İstanbul ğış [f4]Ąžuolas ų [f5]·±",
         {"\\'c5\\'eb\\'eb\\'dc\\'e4\\'e1", "\\'bf\\'f3\\'b3", "\\'dd", "\\'f8", "\\'b7\\'b1"}},
        {"line breaks, paragraphs, tabs and alignment",
         {arial},
         {},
         "one\ntwo|three\tfour||<c>centred|<r>right|<j>justified|left",
         {"one\\line two\\par\r\nthree\\tab four\\par\r\n\\par\r\n\\pard\\qc centred"}},
        {"characters with a meaning in the format or outside the code pages",
         {arial},
         {},
         "back\\slash {braces} nb\u00A0sp soft\u00ADhy non\u2011break 中 😀 ő",
         {"back\\\\slash \\{braces\\} nb\\~sp soft\\-hy non\\_break \\u20013? "
          "\\u-10179?\\u-8704? \\u337?"},
         true},
        {"no font table", {}, {}, "text åäö", {"text \\'e5\\'e4\\'f6"}},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.what);
        const RtfDocument doc = build(c.fonts, c.colours, c.marked);
        const std::string rtf = writeRtf(doc);
        const RtfDocument back = readRtf(rtf);
        EXPECT_EQ(render(back), c.marked) << rtf;
        EXPECT_TRUE(back == doc) << rtf;
        for (const std::string& piece : c.written)
            EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
        EXPECT_EQ(std::regex_search(rtf, std::regex(R"(\\u-?\d)")), c.unicodeEscapes) << rtf;
        EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf;
        EXPECT_TRUE(rtf.ends_with("}\r\n"));
        for (std::size_t i = rtf.find('\n'); i != std::string::npos; i = rtf.find('\n', i + 1)) {
            ASSERT_EQ(rtf[i - 1], '\r') << "bare LF at " << i;
        }
    }
    // A run in no font of the table stays in none, not in the first font.
    const RtfDocument noFont = build({arial}, {}, "arial [f-1]none");
    EXPECT_TRUE(readRtf(writeRtf(noFont)) == noFont) << writeRtf(noFont);
}

TEST(RtfCodec, ChoosesTheCharacterSetThatHoldsTheText) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"plain", 0}, {"åäö €", 0}, {"Привет", 204}, {"Zażółć", 238}, {"Ελλάδα", 161},
        {"ğış", 162}, {"ąų", 186},  {"中文", 0},     {"Пå", 0},       {"ПЖЖ å", 204},
    };
    for (const auto& [text, charset] : cases) EXPECT_EQ(charsetForText(text), charset) << text;
}

struct Reading {
    const char* what;
    std::string rtf;
    std::string marked;
};

// Files in the styles word processors write, and damaged ones.
TEST(RtfCodec, ReadsFilesAsWordProcessorsWriteThem) {
    const std::vector<Reading> cases = {
        {"nested groups, charsets, colours, generator",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1053{\\fonttbl{\\f0\\froman\\fprq2"
         "\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fprq2\\fcharset204{\\*\\fname Arial;}Arial "
         "CYR;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n{\\*\\generator Editor "
         "4.2;}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang29 Hej {\\b "
         "fet {\\i och kursiv} bara fet} \\cf1 r\\'f6d\\cf0\\par\r\n\\f1\\'cf\\'f0\\'e8\\'e2\\'e5"
         "\\'f2\\f0\\par\r\n}\r\n",
         "[fs22]Hej [b fs22]fet [b i fs22]och kursiv[b fs22] bara fet[fs22] [fs22 c0]röd|[f1 "
         "fs22]Привет"},
        {"\\u with its fallback, \\uc, surrogate pairs",
         "{\\rtf1\\ansi\\uc1 caf\\u233e \\u-10179?\\u-8704?\\uc2\\u8212--x{\\uc0\\u8364 y}"
         "{\\uc3\\u1046\\'c6\\'c6\\'c6}z{\\u1046}w\\uc1\\u1046\\'3f!}",
         "café 😀—x€yЖzЖwЖ!"},
        {"paragraphs, line breaks, tabs and control symbols",
         "{\\rtf1 a\\line b\\par c\\tab d\\~e\\-f\\_g\\{\\}\\\\\\par\\par\\emdash\\bullet\\rquote"
         "\\ldblquote\\\r\nx}",
         "a\nb|c\td\u00A0e\u00ADf\u2011g{}\\||—•’“|x"},
        {"skipped destinations, field result kept, binary picture data",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author "
         "A}}{\\header H}{\\footer F}{\\*\\listtable{\\list x}}Body{\\pict\\pngblip 89504e47{}} "
         "text{\\pict\\bin6 }}{{\\x}{\\*\\unknown hidden}{\\field{\\*\\fldinst HYPERLINK "
         "\"http://x\"}{\\fldrslt {\\ul link}}} end{\\v hidden}{\\footnote note}.}",
         "Body text[u]link[] end."},
        {"flat font table, a charset per font, symbol bytes kept",
         "{\\rtf1\\ansi\\deff0{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fcharset161 Arial Greek;"
         "\\f2\\fcharset238 Arial CE;\\f3\\fcharset162 Arial TUR;\\f4\\fcharset186 Arial Baltic;"
         "\\f5\\fcharset2 Symbol;}{\\f1\\'e1\\'e2}{\\f2\\'b3\\'b9}{\\f3\\'f0\\'fd}{\\f4\\'e0\\'f8}"
         "{\\f5\\'b7}\\'e5}",
         "[f1]αβ[f2]łą[f3]ğı[f4]ąų[f5]·[]å"},
        {"the file's code page for fonts without a charset",
         "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Times;}{\\f1\\fcharset0 Arial;}}"
         "\\'e0{\\f1\\'e0}\xe0}",
         "а[f1]à[]а"},
        {"\\plain, \\pard and alignment",
         "{\\rtf1\\pard\\qc\\b\\fs28 Title\\par\\pard\\plain text\\par\\qr right\\par}",
         "<c>[b fs28]Title|text|<r>right"},
        {"a paragraph separator as a character", "{\\rtf1 a\\u8233?b}", "a|b"},
        {"table cells and rows",
         "{\\rtf1\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row c\\intbl\\cell\\row}",
         "a\tb|c"},
        {"colour table without an automatic entry",
         "{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}{\\cf1 g}{\\cf0 "
         "k}{\\cf7 x}y}",
         "[c1]g[c0]k[]xy"},
        {"extra closing brace ends the document", "{\\rtf1 a}b}", "a"},
        {"missing closing braces", "{\\rtf1 {\\b bold", "[b]bold"},
        {"cut off in an escape", "{\\rtf1 x\\'e", "x"},
        {"cut off in \\u", "{\\rtf1 x\\u1", "x"},
        {"cut off after a backslash", "{\\rtf1 x\\", "x"},
        {"cut off in \\bin", "{\\rtf1 x\\bin99 ab", "x"},
        {"not a rich-text file", "Hel\x01lo\r\n\xe5ttio\nrader\r",
         "[fs0]Hello|[fs0]åttio|[fs0]rader"},
    };
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.what);
        const RtfDocument doc = readRtf(c.rtf);
        EXPECT_EQ(render(doc), c.marked);
    }
    const RtfDocument fonts = readRtf(cases[4].rtf);
    ASSERT_EQ(fonts.fonts.size(), 6u);
    EXPECT_EQ(fonts.fonts[1], (RtfFont{"Arial Greek", 161}));
    EXPECT_EQ(fonts.fonts[5], (RtfFont{"Symbol", 2}));
    EXPECT_EQ(readRtf(cases[0].rtf).fonts[1], (RtfFont{"Arial CYR", 204}));
    EXPECT_EQ(readRtf(cases[0].rtf).colours, (std::vector<RtfColour>{{255, 0, 0}}));
}

TEST(RtfCodec, DeepNestingAndGarbageLoadWithoutHarm) {
    const std::size_t huge = 10 * 1024 * 1024;
    EXPECT_EQ(render(readRtf("{\\rtf1 " + std::string(huge, '{') + "deep")), "deep");
    EXPECT_EQ(render(readRtf("{\\rtf1 a" + std::string(huge, '}'))), "a");
    // Groups past the depth kept in memory still balance, so formatting ends
    // where its group does.
    const std::string nested = std::string(5000, '{') + "x" + std::string(5000, '}');
    EXPECT_EQ(render(readRtf("{\\rtf1 {\\b " + nested + "}y}")), "[b]x[]y");

    // Random bytes heavy in the format's own characters: whatever is read is
    // well-formed UTF-8.
    std::mt19937 random(7);
    const std::string alphabet = "{}\\'*u-0123456789abcf par line bin ;\xe5\xff\x01";
    std::string garbage = "{\\rtf1";
    for (int i = 0; i < 200000; ++i) garbage += alphabet[random() % alphabet.size()];
    const RtfDocument doc = readRtf(garbage);
    for (const RtfParagraph& paragraph : doc.paragraphs) {
        for (const RtfRun& run : paragraph.runs) {
            std::string reencoded;
            for (std::size_t i = 0; i < run.text.size();)
                appendUtf8(reencoded, nextCodePoint(run.text, i));
            ASSERT_EQ(reencoded, run.text);
        }
    }
    EXPECT_FALSE(doc.paragraphs.empty());
}

}  // namespace
}  // namespace vernik
