#include "link/serial_link.h"

#include <chrono>
#include <thread>

void PreciseSleep(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    using Clock = std::chrono::steady_clock;
    // The system timer wakes a sleeper a little late; sleep until just before
    // the deadline, then give the processor away until it has passed, so that
    // a 1 ms wait takes 1 ms and not 1.1 ms. Never early.
    constexpr auto kWakeMargin = std::chrono::microseconds(150);
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    std::this_thread::sleep_until(deadline - kWakeMargin);
    while (Clock::now() < deadline) {
        std::this_thread::yield();
    }
}
