// Name comparison of the settings file: ASCII letters fold, GBK characters
// stay exact.

#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace {

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
