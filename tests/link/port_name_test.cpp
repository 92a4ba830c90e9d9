// Port names, the number parse, the device order and the probe.

#include "link/port_name.h"
#include "link_qt/port_probe.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(PortName, FromNumberTakesThePrefixFromTen) {
    const std::pair<int, const char*> cases[] = {
        {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"}, {16, "\\\\.\\COM16"}};
    for (const auto& [number, name] : cases) {
        EXPECT_EQ(PortNameFromNumber(number), name);
        EXPECT_EQ(PortNumberFromName(name), number) << name;
    }
}

TEST(PortName, NumberParseFollowsTheFirstM) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"COM3", 3},         {"COM", std::nullopt}, {"COMx", std::nullopt},
        {"", std::nullopt},  {"M7", std::nullopt},  {"/dev/ttyS0", std::nullopt},
        {"/dev/ttyACM2", 2}, {"xM05", 5},
    };
    for (const auto& [name, number] : cases) {
        EXPECT_EQ(PortNumberFromName(name), number) << name;
    }
}

TEST(PortName, DevicesInStableOrder) {
    const std::vector<std::string> ordered =
        OrderSerialDevices({"/dev/ttyUSB1", "/dev/rfcomm0", "/dev/ttyS10", "/dev/ttyACM0",
                            "/dev/ttyS2", "/dev/ttyUSB0", "/dev/ttyAMA0"});
    EXPECT_EQ(ordered,
              (std::vector<std::string>{"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                        "/dev/ttyACM0", "/dev/rfcomm0", "/dev/ttyAMA0"}));

    const struct {
        const char* name;
        std::optional<std::string> device;
    } cases[] = {
        {"COM1", "/dev/ttyS2"},    {"COM3", "/dev/ttyUSB0"}, {"\\\\.\\COM10", std::nullopt},
        {"COM8", std::nullopt},    {"COM0", std::nullopt},   {"/dev/pts/7", "/dev/pts/7"},
        {"garbage", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeviceForPortName(c.name, ordered), c.device) << c.name;
    }
}

TEST(PortProbe, ExclusiveOpenAndClose) {
    auto radio = StartRadio();
    EXPECT_TRUE(ProbePort(radio->DevicePath()));
    EXPECT_FALSE(ProbePort("/dev/no-such-port"));

    // Held by another user of the port: the probe fails, then works again.
    QtSerialLink holder;
    ASSERT_TRUE(holder.Open(radio->DevicePath()));
    EXPECT_FALSE(ProbePort(radio->DevicePath()));
    holder.Close();
    EXPECT_TRUE(ProbePort(radio->DevicePath()));
}

} // namespace
