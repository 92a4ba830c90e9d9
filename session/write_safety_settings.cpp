#include "session/write_safety_settings.h"

#include "settings/profile_file.h"

namespace {

const char* Key(SafetySetting setting) {
    return setting == SafetySetting::VerifyAfterWrite ? "VerifyAfterWrite" : "ReadBeforeWrite";
}

} // namespace

bool IsSafetySettingOn(const CProfileFile& profile, SafetySetting setting) {
    return profile.GetValue("Setup", Key(setting), "") == "1";
}

void SetSafetySetting(CProfileFile& profile, SafetySetting setting, bool on) {
    profile.SetValue("Setup", Key(setting), on ? "1" : "0");
}

void ToggleSafetySetting(CProfileFile& profile, SafetySetting setting) {
    SetSafetySetting(profile, setting, !IsSafetySettingOn(profile, setting));
}

WriteSafety CurrentWriteSafety(const CProfileFile& profile) {
    return {.readFirst = IsSafetySettingOn(profile, SafetySetting::ReadBeforeWrite),
            .verify = IsSafetySettingOn(profile, SafetySetting::VerifyAfterWrite)};
}
