#include "platform/rtf_writer.h"

#include <string_view>

#include "platform/rtf_code_pages.h"

namespace vernik {
namespace {

constexpr int kDefaultHalfPoints = 24;

// Character formatting as written, after the defaults are filled in.
struct WrittenFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int colourWord = 0;  // the \cf value: 0 for the automatic colour

    bool operator==(const WrittenFormat&) const = default;
};

class Writer {
  public:
    explicit Writer(const RtfDocument& doc) : doc_(doc) {}

    std::string write();

  private:
    void header();
    void paragraph(const RtfParagraph& paragraph);
    void switchTo(const WrittenFormat& format);
    void text(std::string_view utf8, int codePage, bool inName);
    WrittenFormat writtenFormat(const RtfCharFormat& format) const;
    int codePageOfFont(int font) const;
    int noFont() const;

    void word(std::string_view name);
    void word(std::string_view name, int value);
    void literal(char c);
    void escaped(std::string_view symbol);
    void lineEnd();

    const RtfDocument& doc_;
    std::string out_;
    bool needsDelimiter_ = false;
    WrittenFormat current_;
    RtfAlignment alignment_ = RtfAlignment::Left;
};

std::string Writer::write() {
    header();
    word("uc", 1);
    word("pard");
    word("plain");
    lineEnd();
    for (const RtfParagraph& p : doc_.paragraphs) paragraph(p);
    escaped("}");
    lineEnd();
    return std::move(out_);
}

void Writer::header() {
    escaped("{");
    word("rtf1");
    word("ansi");
    word("ansicpg", 1252);
    word("deff", 0);
    if (!doc_.fonts.empty()) {
        escaped("{");
        word("fonttbl");
        for (std::size_t i = 0; i < doc_.fonts.size(); ++i) {
            const RtfFont& font = doc_.fonts[i];
            escaped("{");
            word("f", static_cast<int>(i));
            word("fnil");
            word("fcharset", font.charset);
            text(font.name, codePageOfFont(static_cast<int>(i)), true);
            literal(';');
            escaped("}");
        }
        escaped("}");
    }
    lineEnd();
    if (!doc_.colours.empty()) {
        escaped("{");
        word("colortbl");
        literal(';');
        for (const RtfColour& colour : doc_.colours) {
            word("red", colour.red);
            word("green", colour.green);
            word("blue", colour.blue);
            literal(';');
        }
        escaped("}");
        lineEnd();
    }
    escaped("{");
    escaped("\\*");
    word("generator");
    for (const char c : std::string_view("Vernik;")) literal(c);
    escaped("}");
    lineEnd();
}

void Writer::paragraph(const RtfParagraph& paragraph) {
    if (paragraph.alignment != alignment_) {
        word("pard");
        switch (paragraph.alignment) {
            case RtfAlignment::Centre:
                word("qc");
                break;
            case RtfAlignment::Right:
                word("qr");
                break;
            case RtfAlignment::Justify:
                word("qj");
                break;
            case RtfAlignment::Left:
                break;
        }
        alignment_ = paragraph.alignment;
    }
    for (const RtfRun& run : paragraph.runs) {
        const WrittenFormat format = writtenFormat(run.format);
        switchTo(format);
        text(run.text, codePageOfFont(format.font), false);
    }
    word("par");
    lineEnd();
}

// A run in no font of the table names a number the table lacks, so that it
// reads back as such a run rather than as one in the first font.
int Writer::noFont() const {
    return doc_.fonts.empty() ? 0 : static_cast<int>(doc_.fonts.size());
}

WrittenFormat Writer::writtenFormat(const RtfCharFormat& format) const {
    const bool knownFont =
        format.font >= 0 && static_cast<std::size_t>(format.font) < doc_.fonts.size();
    const bool knownColour =
        format.colour >= 0 && static_cast<std::size_t>(format.colour) < doc_.colours.size();
    return WrittenFormat{
        .bold = format.bold,
        .italic = format.italic,
        .underline = format.underline,
        .font = knownFont ? format.font : noFont(),
        .halfPoints = format.halfPoints > 0 ? format.halfPoints : kDefaultHalfPoints,
        .colourWord = knownColour ? format.colour + 1 : 0,
    };
}

void Writer::switchTo(const WrittenFormat& format) {
    if (format.bold != current_.bold) format.bold ? word("b") : word("b", 0);
    if (format.italic != current_.italic) format.italic ? word("i") : word("i", 0);
    if (format.underline != current_.underline) format.underline ? word("ul") : word("ulnone");
    if (format.font != current_.font) word("f", format.font);
    if (format.halfPoints != current_.halfPoints) word("fs", format.halfPoints);
    if (format.colourWord != current_.colourWord) word("cf", format.colourWord);
    current_ = format;
}

// The code page a font's bytes are read in, or 0 when its character set has
// none the codec knows: then only ASCII is written as it is.
int Writer::codePageOfFont(int font) const {
    if (font < 0 || static_cast<std::size_t>(font) >= doc_.fonts.size()) return 1252;
    return codePageOfCharset(doc_.fonts[static_cast<std::size_t>(font)].charset, 0);
}

void Writer::text(std::string_view utf8, int codePage, bool inName) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, pos);
        if (cp == '\\' || cp == '{' || cp == '}') {
            const char symbol[] = {'\\', static_cast<char>(cp), '\0'};
            escaped(symbol);
        } else if (inName && (cp == ';' || cp < 0x20)) {
            // A font name ends at a semicolon and holds no control characters.
        } else if (cp == '\t') {
            word("tab");
        } else if (cp == 0x2028) {
            word("line");
        } else if (cp == '\n' || cp == 0x2029) {
            word("par");
        } else if (cp == 0x00A0) {
            escaped("\\~");
        } else if (cp == 0x00AD) {
            escaped("\\-");
        } else if (cp == 0x2011) {
            escaped("\\_");
        } else if (cp < 0x20) {
            // Other control characters have no place in a document.
        } else if (cp < 0x80) {
            literal(static_cast<char>(cp));
        } else if (const auto byte = codePage != 0 ? byteOfCodePoint(codePage, cp) : std::nullopt) {
            constexpr std::string_view kHex = "0123456789abcdef";
            const char hex[] = {'\\', '\'', kHex[*byte >> 4], kHex[*byte & 0x0F], '\0'};
            escaped(hex);
        } else {
            // UTF-16 units as signed 16-bit numbers, each with '?' for readers
            // that skip the escape.
            const auto unit = [&](char32_t u) {
                const int value = u >= 0x8000 ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
                escaped("\\u" + std::to_string(value) + "?");
            };
            if (cp > 0xFFFF) {
                unit(0xD800 + ((cp - 0x10000) >> 10));
                unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                unit(cp);
            }
        }
    }
}

void Writer::word(std::string_view name) {
    out_ += '\\';
    out_ += name;
    needsDelimiter_ = true;
}

void Writer::word(std::string_view name, int value) {
    word(name);
    out_ += std::to_string(value);
}

// Text after a control word that could be read as part of it is set off by
// the one space a reader drops.
void Writer::literal(char c) {
    const bool joins = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == ' ' || c == '-';
    if (needsDelimiter_ && joins) out_ += ' ';
    needsDelimiter_ = false;
    out_ += c;
}

void Writer::escaped(std::string_view symbol) {
    out_ += symbol;
    needsDelimiter_ = false;
}

void Writer::lineEnd() {
    out_ += "\r\n";
    needsDelimiter_ = false;
}

}  // namespace

std::string writeRtf(const RtfDocument& document) {
    return Writer(document).write();
}

}  // namespace vernik
