#pragma once
// The port choice that survives restarts: the port number 1..16 in the
// per-user store (value "com") under the AppName of the program's settings
// file, and the port name loaded from it.

#include <string>

class CProfileFile;

// Sets portName from the stored port number (port 1 when none is stored).
void LoadStoredPort(std::string& portName, const CProfileFile& profile);
// Stores port number n (1..16) for the next run; false when it could not be
// written.
bool StorePortNumber(const CProfileFile& profile, int number);
