// Byte-level rules of the settings file: UTF-8 detection and name comparison.

#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileText, Utf8Validity) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"Plain ASCII", true},
        {"\xe4\xb8\xad\xe6\x96\x87", true}, // two Chinese characters
        {"\xf0\x9f\x93\xbb", true},         // a four-byte character
        {"\xd6\xd0\xce\xc4", false},        // the same two characters in GBK
        {"\xe4\xb8", false},                // cut short
        {"\xc0\xaf", false},                // overlong "/"
        {"\xed\xa0\x80", false},            // surrogate
        {"\xf4\x90\x80\x80", false},        // beyond U+10FFFF
        {"\x80", false},                    // stray continuation byte
        {std::string("a\0b", 3), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
    }
}

TEST(ProfileText, NameComparison) {
    struct Case {
        std::string a;
        std::string b;
        bool ignoreCase;
        bool equal;
    };
    const Case cases[] = {
        {"Company", "company", true, true},
        {"Company", "company", false, false},
        {"Setup", "Setup ", true, false},
        {"\xe4\xb8\xad"
         "A",
         "\xe4\xb8\xad"
         "a",
         true, true},                           // UTF-8 then a letter
        {"\x81\x41", "\x81\x61", true, false},  // GBK trail bytes stay exact
        {"\xd6\xd0x", "\xd6\xd0X", true, true}, // a letter after a GBK character
        {"\xc4", "\xe4", true, false},          // only ASCII letters fold
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProfileNamesEqual(c.a, c.b, c.ignoreCase), c.equal) << c.a << " / " << c.b;
    }
}

} // namespace
