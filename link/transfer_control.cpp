#include "link/transfer_control.h"

bool TransferControl::Start() {
    int expected = kWaiting;
    return m_state.compare_exchange_strong(expected, kRunning);
}

bool TransferControl::Cancel() {
    m_cancel.store(true);
    int expected = kWaiting;
    return m_state.compare_exchange_strong(expected, kClosed);
}
