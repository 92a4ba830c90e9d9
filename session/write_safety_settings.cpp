#include "session/write_safety_settings.h"

#include "settings/profile_file.h"

namespace {

const char* Key(SafetySetting setting) {
    return setting == SafetySetting::VerifyAfterWrite ? "VerifyAfterWrite" : "ReadBeforeWrite";
}

} // namespace

bool IsSafetySettingOn(SafetySetting setting) {
    return g_Profile.GetValue("Setup", Key(setting), "") == "1";
}

void SetSafetySetting(SafetySetting setting, bool on) {
    g_Profile.SetValue("Setup", Key(setting), on ? "1" : "0");
}

void ToggleSafetySetting(SafetySetting setting) {
    SetSafetySetting(setting, !IsSafetySettingOn(setting));
}

WriteSafety CurrentWriteSafety() {
    return {.readFirst = IsSafetySettingOn(SafetySetting::ReadBeforeWrite),
            .verify = IsSafetySettingOn(SafetySetting::VerifyAfterWrite)};
}
