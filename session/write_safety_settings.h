#pragma once
// The two safety steps of a write that the Setup menu switches on and off,
// kept in the settings file ([Setup] "VerifyAfterWrite" and
// "ReadBeforeWrite", 1 on, anything else off; both off by default, since a
// radio may not accept a second programming-mode entry right after a write).

#include "link/write_safety.h"

class CProfileFile;

enum class SafetySetting { VerifyAfterWrite, ReadBeforeWrite };

// profile: the program's settings file.
bool IsSafetySettingOn(const CProfileFile& profile, SafetySetting setting);
void SetSafetySetting(CProfileFile& profile, SafetySetting setting, bool on);
// On when it was off, off when it was on (the Setup menu's check item).
void ToggleSafetySetting(CProfileFile& profile, SafetySetting setting);
// The steps the next write takes.
WriteSafety CurrentWriteSafety(const CProfileFile& profile);
