#include "link/serial_link.h"

#include <chrono>
#include <thread>

void PreciseSleep(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    // A high-resolution deadline: the wait ends within a fraction of a
    // millisecond of it, never early.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    std::this_thread::sleep_until(deadline);
}
