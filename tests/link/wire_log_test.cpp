// The wire log records the dialogue byte for byte with time stamps, and
// whether the port's driver granted low latency.

#include "link/squelch_engine.h"
#include "link/wire_log_link.h"
#include "link_qt/qt_serial_link.h"
#include "link_test_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(WireLog, RecordsEveryByteWithDirectionAndTime) {
    auto radio = StartRadio();
    QtSerialLink serial;
    std::ostringstream log;
    WireLogLink link(serial, log);
    RecordingObserver observer;
    RadioImage image;

    SquelchEngine engine(link, observer);
    ASSERT_EQ(engine.Read(radio->DevicePath(), image).outcome, TransferOutcome::Completed);

    std::istringstream lines(log.str());
    std::string line;
    std::vector<std::string> texts;
    double previous = -1;
    while (std::getline(lines, line)) {
        const double stamp = std::stod(line.substr(0, 10));
        EXPECT_GE(stamp, previous) << line;
        previous = stamp;
        texts.push_back(line.substr(11));
    }
    const std::vector<std::string> expected = {
        "open " + radio->DevicePath() + " ok",
        // A pseudo-terminal has no low-latency setting: used as it is.
        "low latency not granted",
        "line 9600 8N1",
        "clear",
        "> 02",
        "> 50",
        "> 52",
        "> 4F",
        "> 47",
        "> 52",
        "> 41",
        "< 06",
        "clear",
        "> 4D 02",
        "< 53 49 4D 2D 52 41 44 00",
        "clear",
        "> 06",
        "< 06",
        "clear",
        "> 52 0F F6 04",
        "< 57 0F F6 04 29 27 22 1E",
        "close",
    };
    EXPECT_EQ(texts, expected);
}

} // namespace
