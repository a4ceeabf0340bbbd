#include "maintenance/position_prefix.h"

namespace vernik {
namespace {

bool startsWithDigit(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

}  // namespace

PositionPrefix takePositionPrefix(std::string& text) {
    PositionPrefix prefix;
    while (prefix.digits.size() < 2 && startsWithDigit(text)) {
        prefix.digits += text[0];
        text.erase(0, 1);
    }
    if (!prefix.digits.empty()) prefix.position = std::stoi(prefix.digits);
    return prefix;
}

}  // namespace vernik
