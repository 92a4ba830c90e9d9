#include "sim/simulated_radio.h"

#include "model/band.h"
#include "model/dat_file.h"
#include "model/image_layout.h"
#include "sim/radio_protocol.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <mutex>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
// One byte on a 9600-baud 8N1 line: start bit, 8 data bits, stop bit.
constexpr auto kByteTime = std::chrono::nanoseconds(10 * 1000000000LL / 9600);

void SleepUntil(Clock::time_point when) {
    if (when > Clock::now()) {
        std::this_thread::sleep_until(when);
    }
}

} // namespace

RadioMemory DefaultRadioMemory() {
    RadioMemory memory;
    memory.fill(0xFF);
    memory[kBandTypeAddress] = 0x03;
    std::copy(kDefaultBandCode.begin(), kDefaultBandCode.end(),
              memory.begin() + kBandCodeBlockAddress);
    std::copy(std::begin(layout::kDefaultSquelchLevels), std::end(layout::kDefaultSquelchLevels),
              memory.begin() + kSquelchAddress);
    return memory;
}

struct SimulatedRadio::State {
    explicit State(const SimOptions& chosen)
        : options(chosen), protocol(DefaultRadioMemory(), chosen) {}

    void Serve();
    void Send(const RadioAnswer& answer, Clock::time_point requestDone);
    void CloseFds();

    SimOptions options;
    mutable std::mutex mutex;
    RadioProtocol protocol;
    std::vector<std::uint8_t> received;
    std::string devicePath;
    int master = -1;
    int slave = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    std::atomic<bool> stop{false};
    std::thread thread;
    // When the last received byte has fully arrived (wire-time emulation).
    Clock::time_point arrivalDone{};
};

void SimulatedRadio::State::Send(const RadioAnswer& answer, Clock::time_point requestDone) {
    if (answer.disconnect) {
        std::lock_guard<std::mutex> lock(mutex);
        CloseFds();
        return;
    }
    // A radio's UART sends the bytes of a reply back to back. The reply goes
    // out in one write at the moment its last byte would have arrived: the
    // wire's time is kept, and a thread that gets the processor late delays
    // the whole reply instead of leaving a gap inside it.
    auto when = requestDone + std::chrono::milliseconds(answer.delayMs);
    if (options.wireTime) {
        when += kByteTime * static_cast<long>(answer.bytes.size());
    }
    SleepUntil(when);
    for (std::size_t i = 0; i < answer.bytes.size();) {
        const ssize_t written = ::write(master, answer.bytes.data() + i, answer.bytes.size() - i);
        if (written <= 0) {
            if (written < 0 && errno == EINTR) {
                continue;
            }
            return;
        }
        i += static_cast<std::size_t>(written);
    }
}

void SimulatedRadio::State::Serve() {
    std::uint8_t buffer[256];
    while (!stop.load()) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (stop.load() || (fds[1].revents & POLLIN) != 0) {
            return;
        }
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0) {
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            // No program has the line open (EIO): wait for one to open it.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        const Clock::time_point now = Clock::now();
        for (ssize_t i = 0; i < got; ++i) {
            Clock::time_point done = now;
            if (options.wireTime) {
                arrivalDone = std::max(arrivalDone, now) + kByteTime;
                done = arrivalDone;
            }
            std::optional<RadioAnswer> answer;
            {
                std::lock_guard<std::mutex> lock(mutex);
                received.push_back(buffer[i]);
                answer = protocol.Feed(buffer[i]);
            }
            if (answer) {
                Send(*answer, done);
                if (answer->disconnect) {
                    return;
                }
            }
        }
    }
}

void SimulatedRadio::State::CloseFds() {
    for (int* fd : {&master, &slave}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

SimulatedRadio::SimulatedRadio(SimOptions options) : m_state(std::make_unique<State>(options)) {}

SimulatedRadio::~SimulatedRadio() {
    Stop();
}

void SimulatedRadio::LoadImage(const RadioImage& image) {
    SetMemory(RadioMemoryFromImage(image));
}

void SimulatedRadio::SetMemory(const RadioMemory& memory) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->protocol.Memory() = memory;
    m_state->protocol.ApplyOptions();
}

bool SimulatedRadio::Start(std::string* error) {
    State& s = *m_state;
    auto fail = [&](const char* what) {
        if (error != nullptr) {
            *error = std::string(what) + ": " + std::strerror(errno);
        }
        s.CloseFds();
        return false;
    };
    s.master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (s.master < 0) {
        return fail("posix_openpt");
    }
    if (::grantpt(s.master) != 0 || ::unlockpt(s.master) != 0) {
        return fail("unlockpt");
    }
    const char* name = ::ptsname(s.master);
    if (name == nullptr) {
        return fail("ptsname");
    }
    s.devicePath = name;
    // The radio keeps its own end of the line open so that the line stays up
    // between the program's opens, and makes it raw: no echo, no translation.
    s.slave = ::open(name, O_RDWR | O_NOCTTY);
    if (s.slave < 0) {
        return fail("open");
    }
    termios settings{};
    if (::tcgetattr(s.slave, &settings) != 0) {
        return fail("tcgetattr");
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(s.slave, TCSANOW, &settings) != 0) {
        return fail("tcsetattr");
    }
    int wake[2];
    if (::pipe(wake) != 0) {
        return fail("pipe");
    }
    s.wakeRead = wake[0];
    s.wakeWrite = wake[1];
    s.stop = false;
    s.thread = std::thread([&s] { s.Serve(); });
    return true;
}

void SimulatedRadio::Stop() {
    State& s = *m_state;
    if (s.thread.joinable()) {
        s.stop = true;
        const char byte = 0;
        [[maybe_unused]] const ssize_t ignored = ::write(s.wakeWrite, &byte, 1);
        s.thread.join();
    }
    for (int* fd : {&s.wakeRead, &s.wakeWrite}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    std::lock_guard<std::mutex> lock(s.mutex);
    s.CloseFds();
}

std::string SimulatedRadio::DevicePath() const {
    return m_state->devicePath;
}

RadioMemory SimulatedRadio::Memory() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->protocol.Memory();
}

RadioImage SimulatedRadio::MemoryAsImage() const {
    RadioImage image;
    CopyRadioMemoryToImage(Memory(), image);
    return image;
}

bool SimulatedRadio::DumpToFile(const std::string& path) const {
    return WriteDatFile(path, MemoryAsImage()).Ok();
}

std::vector<std::string> SimulatedRadio::Violations() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->protocol.Violations();
}

std::vector<SimRequest> SimulatedRadio::Requests() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->protocol.Requests();
}

std::vector<std::uint8_t> SimulatedRadio::ReceivedBytes() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->received;
}

SimStats SimulatedRadio::Stats() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->protocol.Stats();
}

void SimulatedRadio::ResetProtocolState() {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->protocol.Reset();
    m_state->received.clear();
}
