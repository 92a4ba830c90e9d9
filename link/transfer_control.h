#pragma once
// The Start and Cancel buttons of a transfer as a thread-safe state: Cancel
// before Start means no transfer at all (no port is opened); Cancel after
// Start raises the flag the running transfer polls at its pump points.

#include <atomic>

class TransferControl {
public:
    // Start pressed. True when the transfer may run: it was waiting and not
    // cancelled. A second Start is refused.
    bool Start();
    // Cancel pressed. True when nothing had started (the window closes at
    // once and no transfer will run); false when a running transfer was asked
    // to stop after its current row.
    bool Cancel();

    bool Started() const { return m_state.load() == kRunning; }
    // The flag the engines poll.
    const std::atomic<bool>& CancelFlag() const { return m_cancel; }

private:
    enum State : int { kWaiting, kRunning, kClosed };
    std::atomic<int> m_state{kWaiting};
    std::atomic<bool> m_cancel{false};
};
