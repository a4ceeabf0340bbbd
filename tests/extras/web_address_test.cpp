#include "extras/web_address.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace vernik {
namespace {

TEST(WebAddress, TypedAddressesGetASchemeWhenTheyHaveNone) {
    for (const auto& [typed, address] : {
             std::pair{"sv.wiktionary.org", "https://sv.wiktionary.org"},
             {"  sv.wiktionary.org/wiki/hus \r\n", "https://sv.wiktionary.org/wiki/hus"},
             {"http://example.org/", "http://example.org/"},
             {"HTTPS://example.org", "HTTPS://example.org"},
             {"file:///tmp/a.html", "file:///tmp/a.html"},
             {"about:blank", "about:blank"},
             {"localhost:8080/sida", "https://localhost:8080/sida"},
             {"192.168.1.1", "https://192.168.1.1"},
         }) {
        const WebAddress got = webAddressFromTyped(typed);
        EXPECT_TRUE(got.ok()) << typed;
        EXPECT_EQ(got.address, address) << typed;
    }
}

TEST(WebAddress, EmptyOrOverlongAddressesAreRefused) {
    EXPECT_FALSE(webAddressFromTyped("").ok());
    EXPECT_FALSE(webAddressFromTyped("   ").ok());
    EXPECT_TRUE(webAddressFromTyped(std::string(kMaxWebAddressLength, 'a')).ok());
    const WebAddress tooLong = webAddressFromTyped("https://x.org/" + std::string(10000, 'a'));
    EXPECT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.address.empty());
    EXPECT_NE(tooLong.error.find("10014"), std::string::npos);
}

}  // namespace
}  // namespace vernik
