#pragma once
// The port choice that survives restarts: the port number 1..16 in the
// per-user store (value "com"), and g_portName loaded from it.

// Sets g_portName from the stored port number (port 1 when none is stored).
void LoadStoredPort();
// Stores port number n (1..16) for the next run.
void StorePortNumber(int number);
