#include "platform/qt_text.h"

#include <gtest/gtest.h>

#include "platform/display_font.h"

namespace vernik {
namespace {

TEST(QtText, Windows1252BytesAndWidgetTextRoundTrip) {
    const std::string bytes = "\xC5\xC4\xD6\xE5\xE4\xF6 \x80 \xA4";
    const QString shown = fromBytes(bytes);
    EXPECT_EQ(shown, QStringLiteral("ÅÄÖåäö € ¤"));
    EXPECT_EQ(toBytes(shown), bytes);
}

TEST(QtText, CharactersWithoutAByteAreDropped) {
    EXPECT_EQ(toBytes(QStringLiteral("a\u4E2Db\u0416c")), "abc");
}

TEST(DisplayFont, ClassicScreenFontsMapToFamiliesOfTheirKind) {
    const QFont sans = displayFont(FontSpec{.name = "MS San Serif", .size = 12, .bold = true});
    EXPECT_EQ(sans.styleHint(), QFont::SansSerif);
    EXPECT_EQ(sans.pointSize(), 12);
    EXPECT_TRUE(sans.bold());

    EXPECT_EQ(displayFont(FontSpec{.name = "Courier New"}).styleHint(), QFont::Monospace);
    EXPECT_EQ(displayFont(FontSpec{.name = "Times New Roman"}).styleHint(), QFont::Serif);

    // The program's own fonts are drawn with a font that has their alphabets;
    // other names are asked for as stored (cut to a short text), at the size
    // requested.
    const QFont own = displayFont(FontSpec{.name = "VernikCyr1", .italic = true}, 9);
    EXPECT_EQ(own.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(own.pointSize(), 9);
    EXPECT_TRUE(own.italic());
    EXPECT_EQ(displayFont(FontSpec{.name = "No Such Font"}).family(),
              QStringLiteral("No Such Font"));
    EXPECT_EQ(displayFont(FontSpec{.name = std::string(10000, 'F')}).family().size(), 255);
}

}  // namespace
}  // namespace vernik
