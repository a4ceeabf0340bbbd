#include "platform/display_font.h"

#include <QString>
#include <array>
#include <string_view>

#include "platform/qt_text.h"

namespace vernik {
namespace {

struct FamilyMapping {
    std::string_view storedName;
    QFont::StyleHint hint;
};

constexpr std::size_t kLongestFontName = 255;

constexpr std::array<FamilyMapping, 10> kMappings = {{
    {"MS San Serif", QFont::SansSerif},
    {"MS Sans Serif", QFont::SansSerif},
    {"Small Fonts", QFont::SansSerif},
    {"Arial", QFont::SansSerif},
    {"Tahoma", QFont::SansSerif},
    {"Verdana", QFont::SansSerif},
    {"MS Serif", QFont::Serif},
    {"Times New Roman", QFont::Serif},
    {"Courier New", QFont::Monospace},
    {"Courier", QFont::Monospace},
}};

QString familyForHint(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::Serif:
            return QStringLiteral("Serif");
        case QFont::Monospace:
            return QStringLiteral("Monospace");
        default:
            return QStringLiteral("Sans Serif");
    }
}

}  // namespace

QFont displayFont(const FontSpec& spec, int pointSize) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    // A font name is a short text.
    font.setFamily(fromBytes(std::string_view(spec.name).substr(0, kLongestFontName)));
    // The program's own fonts are code-page tables drawn with a font that
    // holds their alphabets.
    if (spec.name.starts_with("Vernik")) font.setFamily(QStringLiteral("DejaVu Sans"));
    for (const FamilyMapping& mapping : kMappings) {
        if (spec.name == mapping.storedName) {
            font.setStyleHint(mapping.hint);
            font.setFamily(familyForHint(mapping.hint));
        }
    }
    font.setPointSize(pointSize > 0 ? pointSize : 12);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QFont displayFont(const FontSpec& spec) {
    return displayFont(spec, spec.size);
}

}  // namespace vernik
