#pragma once

#include <string>
#include <string_view>

namespace vernik {

// The longest address the web panel goes to.
inline constexpr std::size_t kMaxWebAddressLength = 4096;

// What the web panel goes to for a typed address: blanks around it dropped,
// and "https://" put before an address that names no scheme ("sv.wiktionary.org").
// An empty address or one longer than kMaxWebAddressLength bytes gives
// `error`. Addresses are UTF-8; `error` is a message in the program's bytes.
struct WebAddress {
    std::string address;
    std::string error;
    bool ok() const { return error.empty(); }
};
WebAddress webAddressFromTyped(std::string_view typed);

}  // namespace vernik
