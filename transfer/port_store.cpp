#include "transfer/port_store.h"

#include "link/port_name.h"
#include "settings/program_context.h"
#include "ui/user_store.h"

void LoadStoredPort(std::string& portName, const CProfileFile& profile) {
    // Only the low byte of the stored number counts; no value means port 1.
    const std::uint32_t stored =
        UserStore::ReadPortNumber(AppNameIn(profile)).value_or(1);
    portName = PortNameFromNumber(static_cast<int>(stored & 0xFF));
}

bool StorePortNumber(const CProfileFile& profile, int number) {
    return UserStore::WritePortNumber(AppNameIn(profile),
                                      static_cast<std::uint32_t>(number));
}
