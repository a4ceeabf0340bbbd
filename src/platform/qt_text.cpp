#include "platform/qt_text.h"

#include "platform/cp1252.h"

namespace vernik {

QString fromBytes(std::string_view bytes) {
    return QString::fromStdString(utf8FromCp1252(bytes));
}

std::string toBytes(const QString& text, std::size_t* dropped) {
    return cp1252FromUtf8Lossy(text.toStdString(), dropped);
}

}  // namespace vernik
