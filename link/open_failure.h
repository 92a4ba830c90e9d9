#pragma once
// Why a port could not be opened, as far as the system tells: the reason
// shown under "Could not Open the Port..." so that a user can tell a missing
// adapter from one that another program holds or that they may not use.

#include "link/port_holders.h"

#include <string>

enum class OpenFailureReason {
    Unknown,          // nothing more is known
    NoSuchDevice,     // no device behind the name (an adapter unplugged, a COM number too high)
    PermissionDenied, // the user may not open the device
    Busy,             // another program holds the port
};

struct OpenFailure {
    OpenFailureReason reason = OpenFailureReason::Unknown;
    // The device that was tried; empty when the name stands for none.
    std::string device;
    // The group that owns the device (permission denied); empty when unknown.
    std::string group;
    // What holds the device (busy), as far as the system lets us see.
    PortHolders holders;

    bool operator==(const OpenFailure&) const = default;
};

// The system's error number of a failed open, as a reason.
OpenFailureReason ReasonOfOpenError(int error);

// The reason as one or two sentences in the catalogue's language; for
// permission denied also what to do: join the group that owns the device and
// log in again; for busy also what holds the port, when known. Empty for an
// unknown reason.
std::string OpenFailureText(const OpenFailure& failure, const TextCatalogue& texts);
