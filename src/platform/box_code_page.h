#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/code_page_table.h"

class QWidget;

// A box holds bytes and shows them through a code page: the code page of
// its font's character set. Boxes given none show Windows-1252. Changing a
// box's code page shows the same bytes as other letters; it never changes
// the bytes.
namespace vernik {

// Gives `box` (a line box, a plain or rich text box) the code page and shows
// its present text through it, without running the box's change handlers;
// formatting stays.
void setBoxCodePage(QWidget& box, const CodePageTable& table);

// The code page `box` shows its bytes through.
const CodePageTable& boxCodePage(const QWidget& box);

// Bytes as `box` shows them, and what it shows as bytes. Characters without
// a byte in the code page are dropped.
QString boxText(const QWidget& box, std::string_view bytes);
std::string boxBytes(const QWidget& box, const QString& text);

// The same for a code page; double-byte code pages go through the
// platform's converters.
QString textInCodePage(const CodePageTable& table, std::string_view bytes);
std::string bytesInCodePage(const CodePageTable& table, const QString& text);

}  // namespace vernik
