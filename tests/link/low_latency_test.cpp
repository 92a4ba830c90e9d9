// Low latency on a USB-serial adapter, through a driver that keeps serial
// settings as the kernel's do: asked for when the port opens, the previous
// settings back when it closes, and a port without the setting used as it is.

#include "link_qt/low_latency.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kOtherFlags = ASYNC_SKIP_TEST | ASYNC_SPD_CUST;

// A driver's serial settings behind the two calls.
class FakeDriver : public SerialSettingsHandle {
public:
    bool hasSettings = true;   // false: a pseudo-terminal
    bool refuses = false;      // every Set fails
    bool ignoresFlag = false;  // Set succeeds but leaves the flag off
    serial_struct settings{};
    std::vector<int> setFlags; // the flags of every Set, in order

    bool Get(serial_struct& out) override {
        if (hasSettings) {
            out = settings;
        }
        return hasSettings;
    }
    bool Set(const serial_struct& in) override {
        setFlags.push_back(in.flags);
        if (!hasSettings || refuses) {
            return false;
        }
        settings = in;
        if (ignoresFlag) {
            settings.flags &= ~ASYNC_LOW_LATENCY;
        }
        return true;
    }
};

TEST(LowLatency, AskedOnOpenAndPutBackOnClose) {
    struct Case {
        const char* name;
        bool hasSettings;
        bool refuses;
        bool ignoresFlag;
        int flagsBefore;
        bool granted;
        std::vector<int> setsOnOpen;
        std::vector<int> setsOnClose;
    };
    const int asked = kOtherFlags | ASYNC_LOW_LATENCY;
    const Case cases[] = {
        {"a pseudo-terminal has no serial settings", false, false, false, kOtherFlags, false, {},
         {}},
        {"an adapter grants it", true, false, false, kOtherFlags, true, {asked}, {kOtherFlags}},
        {"an adapter already set for it is left as found", true, false, false, asked, true, {},
         {}},
        {"a driver that refuses the settings", true, true, false, kOtherFlags, false, {asked},
         {}},
        {"a driver that takes the settings but not the flag", true, false, true, kOtherFlags,
         false, {asked}, {kOtherFlags}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDriver driver;
        driver.hasSettings = c.hasSettings;
        driver.refuses = c.refuses;
        driver.ignoresFlag = c.ignoresFlag;
        driver.settings.flags = c.flagsBefore;
        driver.settings.baud_base = 24000000;
        driver.settings.custom_divisor = 2500;
        driver.settings.line = 3;

        LowLatencyRequest request;
        EXPECT_EQ(request.Request(driver), c.granted);
        EXPECT_EQ(driver.setFlags, c.setsOnOpen);
        if (c.granted) {
            EXPECT_NE(driver.settings.flags & ASYNC_LOW_LATENCY, 0);
        }
        driver.setFlags.clear();
        request.Restore(driver);
        EXPECT_EQ(driver.setFlags, c.setsOnClose);
        // Closed again: every setting as it was before the open, and a second
        // close puts nothing back.
        EXPECT_EQ(driver.settings.flags, c.flagsBefore);
        EXPECT_EQ(driver.settings.baud_base, 24000000);
        EXPECT_EQ(driver.settings.custom_divisor, 2500);
        EXPECT_EQ(driver.settings.line, 3);
        driver.setFlags.clear();
        request.Restore(driver);
        EXPECT_TRUE(driver.setFlags.empty());
    }
}

} // namespace
