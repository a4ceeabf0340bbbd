#include "extras/web_address.h"

#include <cctype>

namespace vernik {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A scheme is a letter, then letters, digits, "+", "-" or ".", then ":".
// "localhost:8080" and "host:80/x" have a port, not a scheme: after the colon
// of a scheme comes no digit.
bool namesScheme(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    if (!std::isalpha(static_cast<unsigned char>(address[0]))) return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    const std::string_view rest = address.substr(colon + 1);
    return rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]));
}

}  // namespace

WebAddress webAddressFromTyped(std::string_view typed) {
    while (!typed.empty() && isBlank(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && isBlank(typed.back())) typed.remove_suffix(1);
    WebAddress result;
    if (typed.empty()) {
        result.error = "Skriv en webbadress";
    } else if (typed.size() > kMaxWebAddressLength) {
        result.error = "Webbadressen \xE4r f\xF6r l\xE5ng: " + std::to_string(typed.size()) +
                       " tecken, h\xF6gst " + std::to_string(kMaxWebAddressLength);
    } else {
        result.address = namesScheme(typed) ? std::string(typed) : "https://" + std::string(typed);
    }
    return result;
}

}  // namespace vernik
