#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/rtf_code_pages.h"

namespace vernik {
namespace {

// Groups nested deeper than this share the state of the deepest one, so any
// depth of nesting costs no more memory than this.
constexpr std::size_t kMaxGroupDepth = 256;

constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;

// Groups whose content is never shown as document text. Word lists are
// separated by spaces, with a space at either end.
constexpr std::string_view kSkippedDestinations =
    " aftncn aftnsep aftnsepc annotation atnauthor atndate atnicn atnid atnref"
    " atrfend atrfstart bkmkend bkmkstart colorschememapping datastore do docvar falt"
    " fldinst fontemb fontfile footer footerf footerl footerr footnote ftncn ftnsep"
    " ftnsepc generator header headerf headerl headerr info latentstyles"
    " listoverridetable listtable mmathPr nonshppict objclass objdata objname panose"
    " pgdsctbl pict pn pntxta pntxtb private revtbl rsidtbl rxe shppict stylesheet tc"
    " tcn template themedata txe ud userprops wgrffmtfilter xe xmlnstbl filetbl ";

// Underline styles, all read as a plain underline.
constexpr std::string_view kUnderlineWords =
    " ul uld uldash uldashd uldashdd uldb ulhwave ulldash ulth ulthd ulthdash"
    " ulthdashd ulthdashdd ulthldash ululdbwave ulw ulwave ";

struct SpecialCharacter {
    std::string_view word;
    char32_t codePoint;
};

constexpr std::array<SpecialCharacter, 16> kSpecialCharacters = {{
    {"bullet", 0x2022},
    {"emdash", 0x2014},
    {"emspace", 0x2003},
    {"endash", 0x2013},
    {"enspace", 0x2002},
    {"ldblquote", 0x201C},
    {"line", 0x2028},
    {"lquote", 0x2018},
    {"ltrmark", 0x200E},
    {"qmspace", 0x2005},
    {"rdblquote", 0x201D},
    {"rquote", 0x2019},
    {"rtlmark", 0x200F},
    {"tab", '\t'},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

bool listed(std::string_view list, std::string_view word) {
    for (std::size_t at = list.find(word); at != std::string_view::npos;
         at = list.find(word, at + 1)) {
        if (list[at - 1] == ' ' && list[at + word.size()] == ' ') return true;
    }
    return false;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

enum class Destination { Body, FontTable, ColourTable, Skipped };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int fontNumber = -1;  // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int colourSlot = -1;  // -1: no \cf, the automatic colour

    bool operator==(const CharState&) const = default;
};

struct GroupState {
    Destination destination = Destination::Body;
    CharState chars;
    RtfAlignment alignment = RtfAlignment::Left;
    int fallbackLength = 1;  // characters that stand in for each \u character
};

struct RawRun {
    std::string text;
    CharState chars;
};

struct RawParagraph {
    std::vector<RawRun> runs;
    RtfAlignment alignment = RtfAlignment::Left;
};

struct FontEntry {
    int number = 0;
    std::string name;
    int charset = rtf_charset::kDefault;
    int codePage = 0;  // from \cpg; 0: follow the charset
};

struct ColourEntry {
    RtfColour colour;
    bool given = false;
};

class Reader {
  public:
    explicit Reader(std::string_view bytes) : in_(bytes) {}

    RtfDocument read();

  private:
    void openGroup();
    bool closeGroup();
    void escape();
    void controlWord(std::string_view word, bool hasParam, int param);
    bool destinationWord(std::string_view word);
    bool formattingWord(std::string_view word, bool hasParam, int param);
    void controlSymbol(char symbol);
    void unicodeCharacter(int param);
    void textByte(unsigned char byte);
    void emit(char32_t cp);
    void appendToParagraph(char32_t cp);
    void endParagraph();
    void startFont(int number);
    void commitFont();
    void commitColour();
    int codePage() const;
    int codePageOfFont(const FontEntry* font) const;
    RtfDocument finish();

    std::string_view in_;
    std::size_t pos_ = 0;

    GroupState state_;
    std::vector<GroupState> enclosing_;
    std::size_t overflowDepth_ = 0;
    int fallbackLeft_ = 0;
    char32_t pendingHighSurrogate_ = 0;

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;

    std::vector<FontEntry> fonts_;
    std::unordered_map<int, std::size_t> fontByNumber_;  // \f number -> index into fonts_
    std::optional<FontEntry> openFont_;
    // The code page of the body font last asked for; a font table entry
    // committed later may change it.
    mutable int cachedFontNumber_ = 0;
    mutable int cachedCodePage_ = 0;
    mutable bool codePageCached_ = false;
    std::vector<ColourEntry> colourSlots_;
    ColourEntry openColour_;

    std::vector<RawParagraph> paragraphs_;
    RawParagraph paragraph_;
};

RtfDocument Reader::read() {
    while (pos_ < in_.size()) {
        const char c = in_[pos_++];
        switch (c) {
            case '{':
                fallbackLeft_ = 0;
                openGroup();
                break;
            case '}':
                fallbackLeft_ = 0;
                if (!closeGroup()) return finish();
                break;
            case '\\':
                escape();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (fallbackLeft_ > 0) {
                    --fallbackLeft_;
                } else {
                    textByte(static_cast<unsigned char>(c));
                }
        }
    }
    return finish();
}

void Reader::openGroup() {
    if (enclosing_.size() < kMaxGroupDepth) {
        enclosing_.push_back(state_);
    } else {
        ++overflowDepth_;
    }
}

// Returns false when the outermost group closes.
bool Reader::closeGroup() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (enclosing_.empty()) return false;
    const Destination leaving = state_.destination;
    state_ = enclosing_.back();
    enclosing_.pop_back();
    if (leaving == Destination::FontTable && state_.destination != Destination::FontTable) {
        commitFont();
    }
    if (leaving == Destination::ColourTable && state_.destination != Destination::ColourTable &&
        openColour_.given) {
        commitColour();
    }
    return !enclosing_.empty();
}

void Reader::escape() {
    if (pos_ >= in_.size()) return;
    const char first = in_[pos_];
    if (!isLetter(first)) {
        ++pos_;
        if (first == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
                value = value * 16 + hexValue(in_[pos_++]);
                ++digits;
            }
            if (fallbackLeft_ > 0) {
                --fallbackLeft_;
            } else if (digits > 0) {
                textByte(static_cast<unsigned char>(value));
            }
        } else if (fallbackLeft_ > 0) {
            --fallbackLeft_;
        } else {
            controlSymbol(first);
        }
        return;
    }

    const std::size_t start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(start, std::min<std::size_t>(pos_ - start, 32));
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    std::int64_t value = 0;
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
        value = std::min<std::int64_t>(value * 10 + (in_[pos_++] - '0'), 1'000'000'000);
        hasParam = true;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    const int param = static_cast<int>(negative ? -value : value);

    if (word == "bin") {
        // Raw binary data follows; it may hold any byte, braces included.
        if (param > 0) {
            pos_ += std::min<std::size_t>(static_cast<std::size_t>(param), in_.size() - pos_);
        }
        return;
    }
    if (fallbackLeft_ > 0 && word != "u") {
        --fallbackLeft_;
        return;
    }
    controlWord(word, hasParam, param);
}

void Reader::controlWord(std::string_view word, bool hasParam, int param) {
    if (state_.destination == Destination::Skipped) return;
    if (destinationWord(word)) return;

    if (word == "u") {
        unicodeCharacter(param);
    } else if (word == "uc") {
        state_.fallbackLength = std::clamp(param, 0, 16);
    } else if (word == "ansicpg") {
        if (param > 0) ansiCodePage_ = param;
        codePageCached_ = false;
    } else if (word == "deff") {
        defaultFont_ = param;
    } else if (state_.destination == Destination::FontTable) {
        if (word == "f") {
            startFont(param);
        } else if (openFont_ && word == "fcharset") {
            openFont_->charset = param;
        } else if (openFont_ && word == "cpg") {
            openFont_->codePage = param;
        }
    } else if (state_.destination == Destination::ColourTable) {
        const auto component = static_cast<std::uint8_t>(std::clamp(param, 0, 255));
        if (word == "red") {
            openColour_.colour.red = component;
            openColour_.given = true;
        } else if (word == "green") {
            openColour_.colour.green = component;
            openColour_.given = true;
        } else if (word == "blue") {
            openColour_.colour.blue = component;
            openColour_.given = true;
        }
    } else if (!formattingWord(word, hasParam, param)) {
        for (const SpecialCharacter& special : kSpecialCharacters) {
            if (word == special.word) emit(special.codePoint);
        }
    }
}

// Handles a word that opens a destination; returns whether it was one.
bool Reader::destinationWord(std::string_view word) {
    if (word == "fonttbl") {
        state_.destination = Destination::FontTable;
    } else if (word == "colortbl") {
        state_.destination = Destination::ColourTable;
        openColour_ = {};
    } else if (listed(kSkippedDestinations, word)) {
        state_.destination = Destination::Skipped;
    } else {
        return false;
    }
    return true;
}

// Handles the body's paragraph and character words; returns whether it was one.
bool Reader::formattingWord(std::string_view word, bool hasParam, int param) {
    CharState& chars = state_.chars;
    const bool on = !hasParam || param != 0;
    if (word == "par") {
        endParagraph();
    } else if (word == "sect" || word == "page") {
        if (!paragraph_.runs.empty()) endParagraph();
    } else if (word == "cell" || word == "nestcell") {
        emit('\t');
    } else if (word == "row" || word == "nestrow") {
        // A row's last cell ends with the row, not with a tab.
        if (!paragraph_.runs.empty() && paragraph_.runs.back().text.ends_with('\t')) {
            paragraph_.runs.back().text.pop_back();
            if (paragraph_.runs.back().text.empty()) paragraph_.runs.pop_back();
        }
        endParagraph();
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (listed(kUnderlineWords, word)) {
        chars.underline = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "plain") {
        chars = CharState{};
    } else if (word == "f") {
        chars.fontNumber = param;
    } else if (word == "fs") {
        chars.halfPoints = param > 0 ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints;
    } else if (word == "cf") {
        chars.colourSlot = param;
    } else if (word == "pard") {
        state_.alignment = RtfAlignment::Left;
    } else if (word == "ql") {
        state_.alignment = RtfAlignment::Left;
    } else if (word == "qc") {
        state_.alignment = RtfAlignment::Centre;
    } else if (word == "qr") {
        state_.alignment = RtfAlignment::Right;
    } else if (word == "qj" || word == "qd") {
        state_.alignment = RtfAlignment::Justify;
    } else {
        return false;
    }
    return true;
}

void Reader::controlSymbol(char symbol) {
    switch (symbol) {
        case '\\':
        case '{':
        case '}':
            emit(static_cast<unsigned char>(symbol));
            break;
        case '~':
            emit(0x00A0);
            break;
        case '-':
            emit(0x00AD);
            break;
        case '_':
            emit(0x2011);
            break;
        case '*':
            state_.destination = Destination::Skipped;
            break;
        case '\r':
        case '\n':
            if (state_.destination == Destination::Body) endParagraph();
            break;
        default:
            break;
    }
}

void Reader::unicodeCharacter(int param) {
    fallbackLeft_ = state_.fallbackLength;
    const int value = param < 0 ? param + 0x10000 : param;
    if (value >= 0xD800 && value <= 0xDBFF) {
        if (pendingHighSurrogate_ != 0) emit(0xFFFD);
        pendingHighSurrogate_ = static_cast<char32_t>(value);
        return;
    }
    if (value >= 0xDC00 && value <= 0xDFFF) {
        if (pendingHighSurrogate_ == 0) {
            emit(0xFFFD);
            return;
        }
        const char32_t high = std::exchange(pendingHighSurrogate_, 0);
        emit(0x10000 + ((high - 0xD800) << 10) + (static_cast<char32_t>(value) - 0xDC00));
        return;
    }
    if (value != 0) emit(value > 0 && value <= 0x10FFFF ? static_cast<char32_t>(value) : 0xFFFD);
}

void Reader::textByte(unsigned char byte) {
    if (byte < 0x20 && byte != '\t') return;
    emit(byte < 0x80 ? byte : codePointOfByte(codePage(), byte));
}

void Reader::emit(char32_t cp) {
    if (pendingHighSurrogate_ != 0) {
        pendingHighSurrogate_ = 0;
        emit(0xFFFD);
    }
    switch (state_.destination) {
        case Destination::Body:
            if (state_.chars.hidden) break;
            // A paragraph separator given as a character ends the paragraph.
            if (cp == 0x2029) {
                endParagraph();
            } else {
                appendToParagraph(cp);
            }
            break;
        case Destination::FontTable:
            if (!openFont_) break;
            if (cp == ';') {
                commitFont();
            } else if (cp >= 0x20) {
                appendUtf8(openFont_->name, cp);
            }
            break;
        case Destination::ColourTable:
            if (cp == ';') commitColour();
            break;
        case Destination::Skipped:
            break;
    }
}

void Reader::appendToParagraph(char32_t cp) {
    if (cp < 0x20 && cp != '\t') return;
    if (paragraph_.runs.empty() || !(paragraph_.runs.back().chars == state_.chars)) {
        paragraph_.runs.push_back(RawRun{{}, state_.chars});
    }
    appendUtf8(paragraph_.runs.back().text, cp);
    paragraph_.alignment = state_.alignment;
}

void Reader::endParagraph() {
    paragraph_.alignment = state_.alignment;
    paragraphs_.push_back(std::move(paragraph_));
    paragraph_ = {};
}

void Reader::startFont(int number) {
    commitFont();
    openFont_.emplace();
    openFont_->number = number;
}

void Reader::commitFont() {
    if (!openFont_) return;
    FontEntry& font = *openFont_;
    const auto notSpace = [](char c) { return c != ' '; };
    font.name.erase(font.name.begin(), std::find_if(font.name.begin(), font.name.end(), notSpace));
    font.name.erase(std::find_if(font.name.rbegin(), font.name.rend(), notSpace).base(),
                    font.name.end());
    const auto [at, added] = fontByNumber_.try_emplace(font.number, fonts_.size());
    if (added) {
        fonts_.push_back(std::move(font));
    } else {
        fonts_[at->second] = std::move(font);
    }
    openFont_.reset();
    codePageCached_ = false;
}

void Reader::commitColour() {
    colourSlots_.push_back(openColour_);
    openColour_ = {};
}

// The code page of the bytes being read: that of the font being named in the
// font table, or of the current font in the text.
int Reader::codePage() const {
    if (state_.destination == Destination::FontTable) {
        return openFont_ ? codePageOfFont(&*openFont_) : ansiCodePage_;
    }
    const int number = state_.chars.fontNumber >= 0 ? state_.chars.fontNumber : defaultFont_;
    if (!codePageCached_ || cachedFontNumber_ != number) {
        const auto at = fontByNumber_.find(number);
        cachedCodePage_ = codePageOfFont(at != fontByNumber_.end() ? &fonts_[at->second] : nullptr);
        cachedFontNumber_ = number;
        codePageCached_ = true;
    }
    return cachedCodePage_;
}

int Reader::codePageOfFont(const FontEntry* font) const {
    if (!font) return ansiCodePage_;
    if (font->codePage > 0 && isKnownCodePage(font->codePage)) return font->codePage;
    return codePageOfCharset(font->charset, ansiCodePage_);
}

RtfDocument Reader::finish() {
    if (!paragraph_.runs.empty()) paragraphs_.push_back(std::move(paragraph_));

    RtfDocument doc;
    doc.fonts.reserve(fonts_.size());
    for (const FontEntry& font : fonts_) doc.fonts.push_back(RtfFont{font.name, font.charset});
    std::vector<int> colourIndex;
    for (const ColourEntry& slot : colourSlots_) {
        colourIndex.push_back(slot.given ? static_cast<int>(doc.colours.size()) : -1);
        if (slot.given) doc.colours.push_back(slot.colour);
    }

    for (RawParagraph& raw : paragraphs_) {
        RtfParagraph& paragraph = doc.paragraphs.emplace_back();
        paragraph.alignment = raw.alignment;
        for (RawRun& run : raw.runs) {
            const int number = run.chars.fontNumber >= 0 ? run.chars.fontNumber : defaultFont_;
            const auto font = fontByNumber_.find(number);
            const int slot = run.chars.colourSlot;
            const RtfCharFormat format{
                .bold = run.chars.bold,
                .italic = run.chars.italic,
                .underline = run.chars.underline,
                .font = font != fontByNumber_.end() ? static_cast<int>(font->second) : -1,
                .halfPoints = run.chars.halfPoints,
                .colour = slot >= 0 && static_cast<std::size_t>(slot) < colourIndex.size()
                              ? colourIndex[static_cast<std::size_t>(slot)]
                              : -1,
            };
            if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
                paragraph.runs.back().text += run.text;
            } else {
                paragraph.runs.push_back(RtfRun{std::move(run.text), format});
            }
        }
    }
    return doc;
}

// Text that is not a rich-text file: a paragraph per line, LF or CR LF or CR.
// As in a rich-text file, control characters other than the tab are no text.
RtfDocument plainTextDocument(std::string_view bytes) {
    RtfDocument doc;
    std::string line;
    const auto endLine = [&] {
        RtfParagraph& paragraph = doc.paragraphs.emplace_back();
        if (!line.empty()) paragraph.runs.push_back(RtfRun{std::exchange(line, {}), {}});
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' || byte == '\n') {
            if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            endLine();
        } else if (byte >= 0x20 || byte == '\t') {
            appendUtf8(line, codePointOfByte(1252, byte));
        }
    }
    if (!line.empty()) endLine();
    return doc;
}

}  // namespace

RtfDocument readRtf(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                    bytes[start] == '\r' || bytes[start] == '\n')) {
        ++start;
    }
    const std::string_view body = bytes.substr(start);
    if (!body.starts_with("{\\rtf") && !body.starts_with("{\\urtf")) {
        return plainTextDocument(bytes);
    }
    return Reader(body).read();
}

}  // namespace vernik
