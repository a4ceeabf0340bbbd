#include "settings/font_colour.h"

#include "platform/widget_look.h"

namespace vernik {
namespace {

// The system colours a font is likely to name; any other shows as window text.
QColor systemColour(int index) {
    switch (index) {
        case 5:   // window
        case 14:  // highlighted text
            return look::windowBackground();
        case 13:  // highlight
            return QColor(0x00, 0x78, 0xD7);
        case 15:  // button face
            return look::buttonFace();
        case 16:  // button shadow
        case 17:  // grey text
            return QColor(0x80, 0x80, 0x80);
        case 24:  // tooltip background
            return look::tooltipBackground();
        default:  // 8 window text, 7 menu text, 18 button text ...
            return look::black();
    }
}

}  // namespace

QColor colourFromNumber(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    if (bits & 0x80000000u) return systemColour(static_cast<int>(bits & 0xFFu));
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

}  // namespace vernik
