#include "transfer/port_store.h"

#include "link/port_name.h"
#include "ui/user_store.h"

void LoadStoredPort() {
    // Only the low byte of the stored number counts; no value means port 1.
    const std::uint32_t stored = UserStore::ReadPortNumber(UserStore::CurrentAppName()).value_or(1);
    g_portName = PortNameFromNumber(static_cast<int>(stored & 0xFF));
}

void StorePortNumber(int number) {
    UserStore::WritePortNumber(UserStore::CurrentAppName(), static_cast<std::uint32_t>(number));
}
