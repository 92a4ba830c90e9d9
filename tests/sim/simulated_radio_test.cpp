// The simulated radio on its pseudo-terminal: each reply reaches the program
// whole, as a radio's UART sends it, and never before the request and the
// reply could have crossed a 9600-baud line.

#include "sim/simulated_radio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr auto kByteTime = std::chrono::nanoseconds(10 * 1000000000LL / 9600);

struct Exchange {
    const char* what;
    Bytes request;
    std::size_t replyBytes;
};

// The moment the first byte of a reply can be read, the whole reply can: a
// radio sending byte by byte with a gap before each would show one byte here.
// A link that gives up after a gap of 30 ms inside a reply must never meet
// one, however late the radio's thread gets the processor.
TEST(SimulatedRadio, EveryReplyArrivesWholeAndNotBeforeTheWire) {
    SimulatedRadio radio; // the wire's time at 9600 baud
    std::string error;
    ASSERT_TRUE(radio.Start(&error)) << error;
    const int fd = ::open(radio.DevicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);

    const Exchange exchanges[] = {
        {"program-mode request", {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41}, 1},
        {"identification", {0x4D, 0x02}, 8},
        {"entry ACK", {0x06}, 1},
        {"first block", {0x52, 0x00, 0x00, 0x08}, 12},
        {"its ACK", {0x06}, 1},
        {"second block", {0x52, 0x00, 0x08, 0x08}, 12},
        {"its ACK", {0x06}, 1},
    };
    for (const Exchange& exchange : exchanges) {
        const auto sent = Clock::now();
        ASSERT_EQ(::write(fd, exchange.request.data(), exchange.request.size()),
                  static_cast<ssize_t>(exchange.request.size()));
        pollfd ready{fd, POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 5000), 1) << exchange.what;
        const auto readable = Clock::now();
        int available = 0;
        ASSERT_EQ(::ioctl(fd, FIONREAD, &available), 0);
        EXPECT_EQ(available, static_cast<int>(exchange.replyBytes)) << exchange.what;
        EXPECT_GE(readable - sent,
                  kByteTime * static_cast<long>(exchange.request.size() + exchange.replyBytes))
            << exchange.what;
        Bytes reply(exchange.replyBytes);
        std::size_t got = 0;
        while (got < reply.size()) {
            const ssize_t count = ::read(fd, reply.data() + got, reply.size() - got);
            ASSERT_GT(count, 0) << exchange.what;
            got += static_cast<std::size_t>(count);
        }
    }
    ::close(fd);
    radio.Stop();
    EXPECT_TRUE(radio.Violations().empty()) << radio.Violations().front();
    EXPECT_EQ(radio.Stats().blocksRead, 2);
}

} // namespace
