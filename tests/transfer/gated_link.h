#pragma once
// A link that holds a station in the middle of writing its radio: while the
// gate is closed, every block write request (or, when asked, every block
// read request) waits in front of the real link until the test opens it. Tests of the Clone Station window use it to have
// a station certainly writing, without waiting for any time.

#include "link/forwarding_link.h"

#include <condition_variable>
#include <memory>
#include <mutex>

// Holds every block write request while closed, so that a station stays in
// the middle of writing its radio until the test opens it.
class Gate {
public:
    void Close() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
    }
    void Open() {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_closed = false;
        }
        m_changed.notify_all();
    }
    void Pass() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_closed; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_closed = false;
};

class GatedLink : public ForwardingLink {
public:
    // command: the request held, 'W' (block writes) or 'R' (block reads).
    GatedLink(std::unique_ptr<SerialLink> inner, Gate& gate, char command = 'W')
        : ForwardingLink(*inner), m_inner(std::move(inner)), m_gate(gate), m_command(command) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (size >= 4 && data[0] == m_command) {
            m_gate.Pass();
        }
        return ForwardingLink::Write(data, size);
    }

private:
    std::unique_ptr<SerialLink> m_inner;
    Gate& m_gate;
    const char m_command;
};

// These tests look at what the window shows, not at the protocol's timing:
// the port waits ten times as long as a transfer asks, so that a reply
// delayed by a busy machine is not taken for a silent radio.
class PatientLink : public ForwardingLink {
public:
    explicit PatientLink(std::unique_ptr<SerialLink> inner)
        : ForwardingLink(*inner), m_inner(std::move(inner)) {}
    void SetTimeouts(const LinkTimeouts& timeouts) override {
        constexpr int kPatience = 10;
        ForwardingLink::SetTimeouts({.readGapMs = timeouts.readGapMs * kPatience,
                                     .readPerByteMs = timeouts.readPerByteMs * kPatience,
                                     .readTotalMs = timeouts.readTotalMs * kPatience,
                                     .writePerByteMs = timeouts.writePerByteMs * kPatience,
                                     .writeTotalMs = timeouts.writeTotalMs * kPatience});
    }

private:
    std::unique_ptr<SerialLink> m_inner;
};
