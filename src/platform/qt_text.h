#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

// Text crosses between the program's Windows-1252 bytes and what a widget
// shows here, and nowhere else.
namespace vernik {

QString fromBytes(std::string_view bytes);

// Characters that code page 1252 has no byte for are dropped; `dropped`
// counts them.
std::string toBytes(const QString& text, std::size_t* dropped = nullptr);

}  // namespace vernik
